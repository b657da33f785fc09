#include "lib/controls/labelled_edits.h"

#include <algorithm>
#include <vector>

#include "lib/controls/lookup.h"
#include "lib/controls/neighbours.h"
#include "platform/os/codepage.h"
#include "platform/os/text.h"
#include "platform/vcl/application.h"

namespace pxq::vcl {

const TEnumInfo& EnumInfoOf(TLabelPosition*) {
  static const TEnumInfo info{"TLabelPosition", {"lpAbove", "lpBelow", "lpLeft", "lpRight"}};
  return info;
}
const TEnumInfo& EnumInfoOf(TPos*) {
  static const TEnumInfo info{"TPos", {"psTop", "psLeft", "psRight", "psBottom"}};
  return info;
}

// --- TEditLabel ----------------------------------------------------------------------------

TEditLabel::TEditLabel(TWinControl* edit) : edit_(edit) {
  label_ = new TLabel(edit);
  label_->SetName("EditLabel");
  label_->SetFocusControl(edit);
  label_->FreeNotification(edit);
}

void TEditLabel::SetCaption(const std::string& caption) {
  if (!label_) return;
  label_->SetCaption(caption);
  Place();
}

void TEditLabel::SetPosition(TLabelPosition p) {
  position_ = p;
  Place();
}

void TEditLabel::SetSpacing(int s) {
  if (s < 0) return;
  spacing_ = s;
  Place();
}

void TEditLabel::Place() {
  if (!label_) return;
  const int l = edit_->Left(), t = edit_->Top(), w = edit_->Width(), h = edit_->Height();
  const int lw = label_->Width(), lh = label_->Height();
  switch (position_) {
    case lpAbove:
      label_->SetBounds(l, t - lh - spacing_, lw, lh);
      break;
    case lpBelow:
      label_->SetBounds(l, t + h + spacing_, lw, lh);
      break;
    case lpLeft:
      label_->SetBounds(l - lw - spacing_, t + (h - lh) / 2, lw, lh);
      break;
    case lpRight:
      label_->SetBounds(l + w + spacing_, t + (h - lh) / 2, lw, lh);
      break;
  }
}

void TEditLabel::ParentChanged() {
  if (!label_) return;
  label_->SetParent(edit_->Parent());
  Place();
}

void TEditLabel::EnabledChanged() {
  if (label_) label_->SetEnabled(edit_->Enabled());
}

void TEditLabel::VisibleChanged() {
  if (label_) label_->SetVisible(edit_->Visible());
}

void TEditLabel::Forget(TComponent* c) {
  if (c == label_) label_ = nullptr;
}

// The edits forward bounds, parent, Enabled and Visible to their label.
#define PXQ_LABELLED_EDIT_HOOKS(Cls, Base)                        \
  void Cls::SetBounds(int left, int top, int width, int height) { \
    Base::SetBounds(left, top, width, height);                    \
    label_.Place();                                               \
  }                                                               \
  void Cls::SetParent(TWinControl* parent) {                      \
    Base::SetParent(parent);                                      \
    label_.ParentChanged();                                       \
  }                                                               \
  void Cls::SetVisible(bool visible) {                            \
    Base::SetVisible(visible);                                    \
    label_.VisibleChanged();                                      \
  }                                                               \
  void Cls::EnabledChanged() {                                    \
    Base::EnabledChanged();                                       \
    label_.EnabledChanged();                                      \
  }                                                               \
  void Cls::Notification(TComponent* c, TOperation op) {          \
    Base::Notification(c, op);                                    \
    if (op == opRemove) label_.Forget(c);                         \
  }

template <class C>
void DefineLabelledEdit(TClassBuilder<C>& c) {
  c.Str("Caption", &C::LabelCaption, &C::SetLabelCaption);
  c.Enum("LabelPosition", &C::LabelPosition, &C::SetLabelPosition);
  c.Int("LabelSpacing", &C::LabelSpacing, &C::SetLabelSpacing);
}

// --- TNtEdit, TNtDBEdit, TNtBtnDBEdit ------------------------------------------------------

PXQ_REGISTER_CLASS(TNtEdit, TEdit)
void TNtEdit::DefineClass(TClassBuilder<TNtEdit>& c) { DefineLabelledEdit(c); }
TNtEdit::TNtEdit(TComponent* owner) : TEdit(owner), label_(this) {}
PXQ_LABELLED_EDIT_HOOKS(TNtEdit, TEdit)

PXQ_REGISTER_CLASS(TNtDBEdit, TCustomEdit)
void TNtDBEdit::DefineClass(TClassBuilder<TNtDBEdit>& c) {
  DefineLabelledEdit(c);
  c.Str("DataField", &TNtDBEdit::DataField, &TNtDBEdit::SetDataField);
}
TNtDBEdit::TNtDBEdit(TComponent* owner) : TCustomEdit(owner), label_(this) {}
PXQ_LABELLED_EDIT_HOOKS(TNtDBEdit, TCustomEdit)

PXQ_REGISTER_CLASS(TNtBtnDBEdit, TNtDBEdit)
void TNtBtnDBEdit::DefineClass(TClassBuilder<TNtBtnDBEdit>& c) {
  c.Int("ButtonSpacing", &TNtBtnDBEdit::ButtonSpacing, &TNtBtnDBEdit::SetButtonSpacing);
  c.Int("GlyphIndex", &TNtBtnDBEdit::GlyphIndex, &TNtBtnDBEdit::SetGlyphIndex);
  c.Str("ButtonHint", &TNtBtnDBEdit::ButtonHint, &TNtBtnDBEdit::SetButtonHint);
  c.Event("OnDialog", &TNtBtnDBEdit::OnDialog);
}

TNtBtnDBEdit::TNtBtnDBEdit(TComponent* owner) : TNtDBEdit(owner) {
  button_ = new TGSpeedButton(this);
  button_->SetName("F2Button");
  button_->SetFlat(true);
  button_->SetGlyphIndex(8);
  button_->FreeNotification(this);
  button_->OnClick = [this](TObject*) { ButtonClick(); };
  PlaceButton();
}

void TNtBtnDBEdit::PlaceButton() {
  if (!button_) return;
  button_->SetBounds(Left() + Width() + buttonSpacing_, Top(), Height(), Height());
}

void TNtBtnDBEdit::SetButtonSpacing(int s) {
  buttonSpacing_ = s;
  PlaceButton();
}

void TNtBtnDBEdit::SetGlyphIndex(int n) {
  if (button_) button_->SetGlyphIndex(n);
}

void TNtBtnDBEdit::SetButtonHint(const std::string& hint) {
  if (button_) button_->SetHint(hint);
}

void TNtBtnDBEdit::ButtonClick() {
  if (OnDialog) {
    OnDialog(this);
    return;
  }
  if (CanFocus()) SetFocus();
  if (Focused()) SendOpenLookup(this);
}

void TNtBtnDBEdit::SetBounds(int left, int top, int width, int height) {
  TNtDBEdit::SetBounds(left, top, width, height);
  PlaceButton();
}

void TNtBtnDBEdit::SetParent(TWinControl* parent) {
  TNtDBEdit::SetParent(parent);
  if (button_) button_->SetParent(parent);
  PlaceButton();
}

void TNtBtnDBEdit::SetVisible(bool visible) {
  TNtDBEdit::SetVisible(visible);
  if (button_) button_->SetVisible(visible);
}

void TNtBtnDBEdit::EnabledChanged() {
  TNtDBEdit::EnabledChanged();
  if (button_) button_->SetEnabled(Enabled());
}

void TNtBtnDBEdit::Notification(TComponent* c, TOperation op) {
  TNtDBEdit::Notification(c, op);
  if (op == opRemove && c == button_) button_ = nullptr;
}

// --- TDBLabel ------------------------------------------------------------------------------

PXQ_REGISTER_CLASS(TDBLabel, TLabel)
void TDBLabel::DefineClass(TClassBuilder<TDBLabel>& c) {
  c.Reference<TWinControl>("FocusControl", &TDBLabel::FocusControl, &TDBLabel::SetFocusControl);
  c.Bool("AutoAlign", &TDBLabel::AutoAlign, &TDBLabel::SetAutoAlign);
  c.Bool("AutoCaption", &TDBLabel::AutoCaption, &TDBLabel::SetAutoCaption);
  c.Enum("Pos", &TDBLabel::Pos, &TDBLabel::SetPos);
  c.Int("Gap", &TDBLabel::Gap, &TDBLabel::SetGap);
}

TDBLabel::TDBLabel(TComponent* owner) : TLabel(owner) { SetCaption(os::Ansi("挂靠标签")); }

TDBLabel::~TDBLabel() {
  if (control_) control_->RemoveFreeNotification(this);
}

void TDBLabel::SetFocusControl(TWinControl* c) {
  if (c) {
    for (TDBLabel* l : Neighbours<TDBLabel>(this)) {
      if (l->control_ != c) continue;
      if (l != this) {
        MessageDlg(os::Ansi("不能同时有两个 DBLabel 指到同一个 Control."), mtError, {mbOK});
      }
      return;
    }
  }
  if (control_) control_->RemoveFreeNotification(this);
  control_ = c;
  if (c) c->FreeNotification(this);
  Refresh();
}

void TDBLabel::SetAutoAlign(bool v) {
  autoAlign_ = v;
  Refresh();
}

void TDBLabel::SetAutoCaption(bool v) {
  autoCaption_ = v;
  Refresh();
}

void TDBLabel::SetPos(TPos p) {
  if (p == pos_) return;
  pos_ = p;
  Refresh();
}

void TDBLabel::SetGap(uint8_t g) {
  if (g == gap_) return;
  gap_ = g;
  Refresh();
}

void TDBLabel::Refresh() {
  // The caption step reads the display label of the control's data field; the dialogs'
  // controls are bound to no data set, so the caption stays as it is.
  if (!autoAlign_ || !control_) return;
  const int l = control_->Left(), t = control_->Top(), w = control_->Width(),
            h = control_->Height();
  const int lw = Width(), lh = Height();
  const int beside = std::max(0, lh == h ? t : t + h / 2 - lh / 2);
  switch (pos_) {
    case psTop:
      SetBounds(l, std::max(0, t - lh - gap_), lw, lh);
      break;
    case psLeft:
      SetBounds(std::max(0, l - lw - gap_), beside, lw, lh);
      break;
    case psRight:
      SetBounds(std::max(0, l + w + gap_), beside, lw, lh);
      break;
    case psBottom:
      SetBounds(l, std::max(0, t + h + gap_), lw, lh);
      break;
  }
}

void TDBLabel::Loaded() {
  TLabel::Loaded();
  Refresh();
}

void TDBLabel::Notification(TComponent* c, TOperation op) {
  TLabel::Notification(c, op);
  if (op == opRemove && c == control_) control_ = nullptr;
}

// --- TNtSpinEdit ---------------------------------------------------------------------------

PXQ_REGISTER_CLASS(TNtSpinEdit, TSpinEdit)
void TNtSpinEdit::DefineClass(TClassBuilder<TNtSpinEdit>&) {}

void TNtSpinEdit::Change() {
  if (adjusting_) return;
  std::string text = Text();
  for (char sign : {'+', '-'}) {
    if (text.size() > 1 && text.find(sign, 1) != std::string::npos) text.pop_back();
  }
  if (text != Text()) {
    adjusting_ = true;
    SetText(text);
    adjusting_ = false;
  }
  if (!os::Trim(Text()).empty()) TSpinEdit::Change();
}

}  // namespace pxq::vcl
