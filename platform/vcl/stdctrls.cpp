#include "platform/vcl/stdctrls.h"

#include <algorithm>

#include "platform/os/text.h"
#include "platform/vcl/application.h"
#include "platform/vcl/form.h"

namespace pxq::vcl {

const TEnumInfo& EnumInfoOf(TTextLayout*) {
  static const TEnumInfo info{"TTextLayout", {"tlTop", "tlCenter", "tlBottom"}};
  return info;
}
const TEnumInfo& EnumInfoOf(TLeftRight*) {
  static const TEnumInfo info{"TLeftRight", {"taLeftJustify", "taRightJustify"}};
  return info;
}
const TEnumInfo& EnumInfoOf(TEditCharCase*) {
  static const TEnumInfo info{"TEditCharCase", {"ecNormal", "ecUpperCase", "ecLowerCase"}};
  return info;
}
const TEnumInfo& EnumInfoOf(TImeMode*) {
  static const TEnumInfo info{
      "TImeMode",
      {"imDisable", "imClose", "imOpen", "imDontCare", "imSAlpha", "imAlpha", "imHira", "imSKata",
       "imKata", "imChinese", "imSHanguel", "imHanguel"}};
  return info;
}
const TEnumInfo& EnumInfoOf(TCheckBoxState*) {
  static const TEnumInfo info{"TCheckBoxState", {"cbUnchecked", "cbChecked", "cbGrayed"}};
  return info;
}
const TEnumInfo& EnumInfoOf(TComboBoxStyle*) {
  static const TEnumInfo info{
      "TComboBoxStyle",
      {"csDropDown", "csSimple", "csDropDownList", "csOwnerDrawFixed", "csOwnerDrawVariable"}};
  return info;
}

// --- TLabel --------------------------------------------------------------------------------

PXQ_REGISTER_CLASS(TLabel, TGraphicControl)
void TLabel::DefineClass(TClassBuilder<TLabel>& c) {
  c.Str("Caption", &TControl::Caption, &TControl::SetCaption);
  c.Bool("AutoSize", &TLabel::AutoSize, &TLabel::SetAutoSize);
  c.Reference<TWinControl>("FocusControl", &TLabel::FocusControl, &TLabel::SetFocusControl);
  c.Enum("Alignment", &TLabel::Alignment, &TLabel::SetAlignment);
  c.Enum("Layout", &TLabel::Layout, &TLabel::SetLayout);
  c.Bool("Transparent", &TLabel::Transparent, &TLabel::SetTransparent);
  c.Bool("WordWrap", &TLabel::WordWrap, &TLabel::SetWordWrap);
  c.Bool("ShowAccelChar", &TLabel::ShowAccelChar, &TLabel::SetShowAccelChar);
}

TLabel::TLabel(TComponent* owner) : TGraphicControl(owner) {
  SetBounds(0, 0, 65, 17);
  AdjustBounds();
}

void TLabel::SetAutoSize(bool v) {
  autoSize_ = v;
  AdjustBounds();
}

void TLabel::AdjustBounds() {
  if (!autoSize_ || Loading() || wordWrap_) return;
  std::string text = Caption();
  if (showAccelChar_) {
    // "&" marks the accelerator and is not shown ("&&" shows one).
    std::string shown;
    for (size_t i = 0; i < text.size(); ++i) {
      if (text[i] == '&' && i + 1 < text.size()) ++i;
      shown += text[i];
    }
    text = shown;
  }
  TSize size = Application().Backend().TextExtent(*Font(), text);
  SetBounds(Left(), Top(), size.cx, size.cy);
}

void TLabel::SetFocusControl(TWinControl* c) {
  if (c == focusControl_) return;
  if (focusControl_) focusControl_->RemoveFreeNotification(this);
  focusControl_ = c;
  if (c) c->FreeNotification(this);
}

void TLabel::Notification(TComponent* c, TOperation op) {
  TGraphicControl::Notification(c, op);
  if (op == opRemove && c == focusControl_) focusControl_ = nullptr;
}

void TLabel::TextChanged() { AdjustBounds(); }

bool TLabel::DialogChar(char ch) {
  if (!showAccelChar_ || !focusControl_ || !IsAccel(ch, Caption()) || !focusControl_->CanFocus())
    return false;
  focusControl_->SetFocus();
  return true;
}

void TLabel::FontChanged() {
  TGraphicControl::FontChanged();
  AdjustBounds();
}

void TLabel::Loaded() {
  TGraphicControl::Loaded();
  AdjustBounds();
}

// --- TCustomEdit ---------------------------------------------------------------------------

PXQ_REGISTER_CLASS(TCustomEdit, TWinControl)
void TCustomEdit::DefineClass(TClassBuilder<TCustomEdit>& c) {
  c.Str("Text", &TCustomEdit::Text, &TCustomEdit::SetText);
  c.Int("MaxLength", &TCustomEdit::MaxLength, &TCustomEdit::SetMaxLength);
  c.Bool("ReadOnly", &TCustomEdit::ReadOnly, &TCustomEdit::SetReadOnly);
  c.Int("PasswordChar", &TCustomEdit::PasswordChar, &TCustomEdit::SetPasswordChar);
  c.Bool("AutoSelect", &TCustomEdit::AutoSelect, &TCustomEdit::SetAutoSelect);
  c.Enum("CharCase", &TCustomEdit::CharCase, &TCustomEdit::SetCharCase);
  c.Str("ImeName", &TCustomEdit::ImeName, &TCustomEdit::SetImeName);
  c.Enum("ImeMode", &TCustomEdit::ImeMode, &TCustomEdit::SetImeMode);
  c.Bool("AutoSize", &TCustomEdit::AutoSize, &TCustomEdit::SetAutoSize);
  c.Enum("BorderStyle", &TCustomEdit::BorderStyle, &TCustomEdit::SetBorderStyle);
  c.Event("OnChange", &TCustomEdit::OnChange);
}

PXQ_REGISTER_CLASS(TEdit, TCustomEdit)
void TEdit::DefineClass(TClassBuilder<TEdit>&) {}

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 121, 21);
  SetTabStop(true);
  SetColor(clWindow);
}

std::string TCustomEdit::Text() const { return editor_.Text(); }

void TCustomEdit::SetText(const std::string& text) {
  editor_.SetText(ApplyCharCase(text));
  EditorChanged();
}

void TCustomEdit::SetMaxLength(int n) { editor_.SetMaxLength(n); }

void TCustomEdit::SetReadOnly(bool v) {
  if (v == readOnly_) return;
  readOnly_ = v;
  Changed("ReadOnly");
}

void TCustomEdit::SetCharCase(TEditCharCase c) {
  charCase_ = c;
  if (c != ecNormal) SetText(Text());
}

std::string TCustomEdit::ApplyCharCase(std::string text) const {
  if (charCase_ == ecUpperCase) return os::UpperAscii(text);
  if (charCase_ == ecLowerCase) return os::LowerAscii(text);
  return text;
}

void TCustomEdit::SelectAll() { editor_.SetSel(0, static_cast<int>(editor_.EditText().size())); }

void TCustomEdit::EditorChanged() {
  if (editor_.EditText() == text_) return;
  text_ = editor_.EditText();
  Changed("Text");
  Change();
}

void TCustomEdit::Change() { OnChange(this); }

void TCustomEdit::DoEnter() {
  if (autoSelect_) SelectAll();
  TWinControl::DoEnter();
}

void TCustomEdit::DefaultKeyDown(Word key, TShiftState) {
  const int size = static_cast<int>(editor_.EditText().size());
  switch (key) {
    case VK_DELETE:
      if (readOnly_) return;
      editor_.Delete();
      modified_ = true;
      EditorChanged();
      return;
    case VK_LEFT:
      editor_.SetSel(editor_.SelStart() - 1, 0);
      return;
    case VK_RIGHT:
      editor_.SetSel(editor_.SelStart() + editor_.SelLength() + 1, 0);
      return;
    case VK_HOME:
      editor_.SetSel(0, 0);
      return;
    case VK_END:
      editor_.SetSel(size, 0);
      return;
    default:
      return;
  }
}

void TCustomEdit::DefaultChar(char ch) {
  if (readOnly_) return;
  const auto b = static_cast<unsigned char>(ch);
  if (ch == '\b') {
    pendingLead_.clear();
    editor_.Backspace();
  } else if (!pendingLead_.empty()) {
    std::string both = pendingLead_ + ch;
    pendingLead_.clear();
    editor_.InputChar(both);
  } else if (IsLeadByte(ch)) {
    // Wait for the trail byte: the two bytes go in together.
    pendingLead_ = std::string(1, ch);
    return;
  } else if (b >= 0x20 && b != 0x7F) {
    editor_.InputChar(ApplyCharCase(std::string(1, ch)));
  } else {
    return;
  }
  modified_ = true;
  EditorChanged();
}

// --- TMaskEdit -----------------------------------------------------------------------------

PXQ_REGISTER_CLASS(TMaskEdit, TCustomEdit)
void TMaskEdit::DefineClass(TClassBuilder<TMaskEdit>& c) {
  c.Str("EditMask", &TMaskEdit::EditMask, &TMaskEdit::SetEditMask);
  c.Str("EditText", &TMaskEdit::EditText, &TMaskEdit::SetEditText);
}

TMaskEdit::TMaskEdit(TComponent* owner) : TCustomEdit(owner) {}

void TMaskEdit::SetEditMask(const std::string& mask) {
  if (mask == EditMask()) return;
  editor_.SetMask(mask);
  Changed("EditMask");
  EditorChanged();
}

void TMaskEdit::SetEditText(const std::string& text) {
  editor_.SetEditText(text);
  EditorChanged();
}

bool TMaskEdit::ValidateEdit() {
  const int pos = editor_.Validate();
  if (pos < 0) return true;
  editor_.SetSel(pos, 0);
  return false;
}

void TMaskEdit::DoExit() {
  // A changed masked edit whose required positions are not all filled keeps the focus.
  if (IsMasked() && Modified() && !ValidateEdit()) {
    MessageDlg("Invalid input value.  Use escape key to abandon changes", mtError, {mbOK});
    SetFocus();
    return;
  }
  TCustomEdit::DoExit();
}

// --- TMemo ---------------------------------------------------------------------------------

PXQ_REGISTER_CLASS(TMemo, TCustomEdit)
void TMemo::DefineClass(TClassBuilder<TMemo>& c) {
  c.Strings("Lines", &TMemo::Lines);
  c.Bool("WantReturns", &TMemo::WantReturns, &TMemo::SetWantReturns);
  c.Bool("WantTabs", &TMemo::WantTabs, &TMemo::SetWantTabs);
  c.Bool("WordWrap", &TMemo::WordWrap, &TMemo::SetWordWrap);
  c.Unpublish("Text");
}

TMemo::TMemo(TComponent* owner) : TCustomEdit(owner), lines_(std::make_unique<TStringList>()) {
  SetBounds(0, 0, 185, 89);
  SetAutoSelect(false);
  lines_->OnChange = [this](TObject*) {
    if (syncing_) return;
    std::string text = lines_->Text();
    if (text.size() >= 2) text.resize(text.size() - 2);  // no line end after the last line
    syncing_ = true;
    editor_.SetText(text);
    EditorChanged();
    syncing_ = false;
  };
}

std::string TMemo::Text() const { return editor_.Text(); }

void TMemo::SetText(const std::string& text) {
  editor_.SetText(text);
  EditorChanged();
}

int TMemo::DialogCode() const {
  int code = TCustomEdit::DialogCode();
  if (wantReturns_) code |= DLGC_WANTALLKEYS;
  if (wantTabs_) code |= DLGC_WANTTAB;
  return code;
}

void TMemo::DefaultChar(char ch) {
  if ((ch == '\r' && wantReturns_) || (ch == '\t' && wantTabs_)) {
    if (ReadOnly()) return;
    std::string text = editor_.EditText();
    const int start = editor_.SelStart();
    const std::string insert = ch == '\r' ? "\r\n" : "\t";
    text.replace(static_cast<size_t>(start), static_cast<size_t>(editor_.SelLength()), insert);
    if (MaxLength() > 0 && static_cast<int>(text.size()) > MaxLength()) return;
    editor_.SetEditText(text);
    editor_.SetSel(start + static_cast<int>(insert.size()), 0);
    SetModified(true);
    EditorChanged();
    return;
  }
  TCustomEdit::DefaultChar(ch);
}

void TMemo::Change() {
  if (!syncing_) {
    syncing_ = true;
    lines_->SetText(editor_.Text());
    syncing_ = false;
  }
  TCustomEdit::Change();
}

// --- Buttons -------------------------------------------------------------------------------

PXQ_REGISTER_CLASS(TButtonControl, TWinControl)
void TButtonControl::DefineClass(TClassBuilder<TButtonControl>& c) {
  c.Str("Caption", &TControl::Caption, &TControl::SetCaption);
}

TButtonControl::TButtonControl(TComponent* owner) : TWinControl(owner) { SetTabStop(true); }

bool TButtonControl::DialogChar(char ch) {
  if (!IsAccel(ch, Caption()) || !CanFocus()) return false;
  SetFocus();
  if (Focused()) Click();
  return true;
}

void TButtonControl::DefaultChar(char ch) {
  if (ch == ' ') Click();
}

void TButtonControl::RaiseClick() {
  if (!clicksDisabled_) TControl::Click();
}

PXQ_REGISTER_CLASS(TButton, TButtonControl)
void TButton::DefineClass(TClassBuilder<TButton>& c) {
  c.Int("ModalResult", &TButton::ModalResult, &TButton::SetModalResult, &ModalResultIdents());
  c.Bool("Default", &TButton::Default, &TButton::SetDefault);
  c.Bool("Cancel", &TButton::Cancel, &TButton::SetCancel);
  c.Unpublish("Color");
}

TButton::TButton(TComponent* owner) : TButtonControl(owner) { SetBounds(0, 0, 75, 25); }

void TButton::Click() {
  if (modalResult_ != mrNone) {
    if (TCustomForm* form = ParentForm()) form->SetModalResult(modalResult_);
  }
  TControl::Click();
}

PXQ_REGISTER_CLASS(TCheckBox, TButtonControl)
void TCheckBox::DefineClass(TClassBuilder<TCheckBox>& c) {
  c.Enum("State", &TCheckBox::State, &TCheckBox::SetState);
  c.Bool("Checked", &TCheckBox::Checked, &TCheckBox::SetChecked);
  c.Bool("AllowGrayed", &TCheckBox::AllowGrayed, &TCheckBox::SetAllowGrayed);
  c.Enum("Alignment", &TCheckBox::Alignment, &TCheckBox::SetAlignment);
}

TCheckBox::TCheckBox(TComponent* owner) : TButtonControl(owner) { SetBounds(0, 0, 97, 17); }

void TCheckBox::SetState(TCheckBoxState s) {
  if (s == state_) return;
  state_ = s;
  Changed("State");
  if (!Loading()) RaiseClick();
}

TCheckBoxState NextCheckBoxState(TCheckBoxState state, bool allowGrayed) {
  switch (state) {
    case cbUnchecked:
      return allowGrayed ? cbGrayed : cbChecked;
    case cbChecked:
      return cbUnchecked;
    case cbGrayed:
      break;
  }
  return cbChecked;
}

void TCheckBox::Toggle() { SetState(NextCheckBoxState(state_, allowGrayed_)); }

void TCheckBox::Click() { Toggle(); }

PXQ_REGISTER_CLASS(TRadioButton, TButtonControl)
void TRadioButton::DefineClass(TClassBuilder<TRadioButton>& c) {
  c.Bool("Checked", &TRadioButton::Checked, &TRadioButton::SetChecked);
  c.Enum("Alignment", &TRadioButton::Alignment, &TRadioButton::SetAlignment);
}

TRadioButton::TRadioButton(TComponent* owner) : TButtonControl(owner) {
  SetBounds(0, 0, 113, 17);
  SetTabStop(false);
}

void TRadioButton::SetChecked(bool v) {
  if (v == checked_) return;
  checked_ = v;
  SetTabStop(v);
  Changed("Checked");
  if (!v) return;
  if (TWinControl* parent = Parent()) {
    for (int i = 0; i < parent->ControlCount(); ++i) {
      auto* other = dynamic_cast<TRadioButton*>(parent->Controls(i));
      if (other && other != this) other->SetChecked(false);
    }
  }
  if (!Loading()) RaiseClick();
}

void TRadioButton::Click() {
  if (checked_) {
    RaiseClick();
  } else {
    SetChecked(true);
  }
}

// --- TComboBox -----------------------------------------------------------------------------

PXQ_REGISTER_CLASS(TComboBox, TWinControl)
void TComboBox::DefineClass(TClassBuilder<TComboBox>& c) {
  c.Enum("Style", &TComboBox::Style, &TComboBox::SetStyle);
  c.Strings("Items", &TComboBox::Items);
  c.Int("ItemIndex", &TComboBox::ItemIndex, &TComboBox::SetItemIndex);
  c.Str("Text", &TComboBox::Text, &TComboBox::SetText);
  c.Bool("Sorted", &TComboBox::Sorted, &TComboBox::SetSorted);
  c.Int("DropDownCount", &TComboBox::DropDownCount, &TComboBox::SetDropDownCount);
  c.Int("MaxLength", &TComboBox::MaxLength, &TComboBox::SetMaxLength);
  c.Str("ImeName", &TComboBox::ImeName, &TComboBox::SetImeName);
  c.Enum("ImeMode", &TComboBox::ImeMode, &TComboBox::SetImeMode);
  c.Event("OnChange", &TComboBox::OnChange);
  c.Event("OnSelect", &TComboBox::OnSelect);
  c.Event("OnDropDown", &TComboBox::OnDropDown);
  c.Event("OnCloseUp", &TComboBox::OnCloseUp);
}

TComboBox::TComboBox(TComponent* owner)
    : TWinControl(owner), items_(std::make_unique<TStringList>()) {
  SetBounds(0, 0, 145, 21);
  SetTabStop(true);
  SetColor(clWindow);
  items_->OnChange = [this](TObject*) { ItemsChanged(); };
}

void TComboBox::ItemsChanged() {
  if (itemIndex_ >= items_->Count()) {
    itemIndex_ = -1;
    if (style_ == csDropDownList) TControl::SetText(std::string());
  }
  Changed("Items");
}

void TComboBox::SetItemIndex(int i) {
  if (i < -1 || i >= items_->Count()) i = -1;
  if (i == itemIndex_ && (i < 0 || text_ == items_->Strings(i))) return;
  itemIndex_ = i;
  TControl::SetText(i >= 0 ? items_->Strings(i) : std::string());
  Changed("ItemIndex");
}

void TComboBox::SetText(const std::string& text) {
  const int found = items_->IndexOf(text);
  if (style_ == csDropDownList) {
    if (found >= 0) SetItemIndex(found);
    return;
  }
  itemIndex_ = found >= 0 && items_->Strings(found) == text ? found : -1;
  TControl::SetText(text);
}

void TComboBox::SetStyle(TComboBoxStyle s) {
  if (s == style_) return;
  style_ = s;
  if (s == csDropDownList && itemIndex_ < 0) TControl::SetText(std::string());
  Changed("Style");
}

void TComboBox::SelectItem(int i) {
  if (i < 0 || i >= items_->Count()) return;
  SetItemIndex(i);
  OnChange(this);
  OnSelect(this);
}

void TComboBox::SetDroppedDown(bool v) {
  if (v == droppedDown_) return;
  droppedDown_ = v;
  if (v) {
    OnDropDown(this);
  } else {
    OnCloseUp(this);
  }
}

void TComboBox::DefaultKeyDown(Word key, TShiftState) {
  if (key == VK_DOWN && itemIndex_ + 1 < items_->Count()) SelectItem(itemIndex_ + 1);
  if (key == VK_UP && itemIndex_ > 0) SelectItem(itemIndex_ - 1);
}

void TComboBox::DefaultChar(char ch) {
  if (style_ == csDropDownList || style_ == csOwnerDrawFixed) {
    // Typing a letter picks the next item that starts with it.
    const std::string key = os::UpperAscii(std::string(1, ch));
    const int n = items_->Count();
    for (int step = 1; step <= n; ++step) {
      int i = (itemIndex_ + step + n) % n;
      const std::string& item = items_->Strings(i);
      if (!item.empty() && os::UpperAscii(item.substr(0, 1)) == key) {
        SelectItem(i);
        return;
      }
    }
    return;
  }
  std::string text = text_;
  if (ch == '\b') {
    if (!text.empty()) text.pop_back();
  } else if (static_cast<unsigned char>(ch) >= 0x20) {
    if (maxLength_ > 0 && static_cast<int>(text.size()) >= maxLength_) return;
    text += ch;
  } else {
    return;
  }
  SetText(text);
  OnChange(this);
}

// --- TGroupBox -----------------------------------------------------------------------------

PXQ_REGISTER_CLASS(TGroupBox, TCustomControl)
void TGroupBox::DefineClass(TClassBuilder<TGroupBox>& c) {
  c.Str("Caption", &TControl::Caption, &TControl::SetCaption);
}

TGroupBox::TGroupBox(TComponent* owner) : TCustomControl(owner) { SetBounds(0, 0, 185, 105); }

}  // namespace pxq::vcl
