#include "lib/controls/select_panel.h"

#include <algorithm>

#include "lib/controls/lookup.h"
#include "lib/controls/text_extent.h"
#include "lib/util/strings.h"
#include "platform/os/codepage.h"
#include "platform/os/profile.h"
#include "platform/os/text.h"
#include "platform/vcl/form.h"

namespace pxq::vcl {

const TEnumInfo& EnumInfoOf(TSelectStyle*) {
  static const TEnumInfo info{"TSelectStyle", {"sp_Range", "sp_Discrete", "sp_UserChoice"}};
  return info;
}
const TEnumInfo& EnumInfoOf(TValueType*) {
  static const TEnumInfo info{
      "TValueType", {"vt_String", "vt_Number", "vt_Date", "vt_Time", "vt_Float", "vt_OtherMask"}};
  return info;
}
const TEnumInfo& EnumInfoOf(TDateType*) {
  static const TEnumInfo info{
      "TDateType",
      {"dt_NoneCare", "dt_YYYYMMDD", "dt_MMDDYYYY", "dt_DDMMYYYY", "dt_YYMMDD", "dt_YYYMMDD"}};
  return info;
}

namespace {

// The integer value of a text, 0 when it is not one.
int IntOf(std::string_view text) {
  int32_t v = 0;
  return os::ParseInt32(text, v) ? v : 0;
}

// Entry i of a word list, else its last entry, else empty.
std::string WordAt(const TStrings& words, int i) {
  if (words.Count() == 0) return {};
  return words.Strings(std::min(i, words.Count() - 1));
}

int Right(const TControl* c) { return c->Left() + c->Width(); }

// A number text of the float range rewritten as whole part "." fraction digits.
std::string FloatRangeText(std::string_view text) {
  const std::string t = os::Trim(text);
  const size_t dot = t.find('.');
  std::string whole = dot == std::string::npos ? t : os::Trim(t.substr(0, dot));
  std::string fraction = dot == std::string::npos ? std::string() : os::Trim(t.substr(dot + 1));
  const bool negative = !whole.empty() && whole[0] == '-';
  const int w = IntOf(whole);
  bool digits = !fraction.empty();
  for (char c : fraction) digits = digits && c >= '0' && c <= '9';
  std::string result = negative && w == 0 ? "-0" : std::to_string(w);
  return result + "." + (digits ? fraction : "0");
}

}  // namespace

util::DateDays ParseDateText(std::string_view text, std::string_view sign, TDateType type,
                             std::string_view blankText) {
  std::string t = os::Trim(text);
  if (t.empty() || t == os::Trim(blankText) || sign.empty()) return 0;
  int signs = 0;
  for (size_t p = t.find(sign); p != std::string::npos; p = t.find(sign, p + sign.size())) ++signs;
  if (signs < 1 || signs > 2) return 0;
  const std::string s(sign);
  if (signs == 1) {
    switch (type) {
      case dt_YYYYMMDD:
      case dt_YYMMDD:
      case dt_YYYMMDD:
        t += s + "01";
        break;
      case dt_MMDDYYYY:
        t = t.substr(0, std::min<size_t>(2, t.size())) + s + "01" +
            (t.size() > 2 ? t.substr(2) : std::string());
        break;
      case dt_DDMMYYYY:
        t = "01" + s + t;
        break;
      case dt_NoneCare:
        break;
    }
  }
  std::vector<int64_t> parts;
  size_t start = 0;
  for (;;) {
    const size_t p = t.find(s, start);
    const std::string piece = os::Trim(t.substr(start, p == std::string::npos ? p : p - start));
    int32_t v = 0;
    if (!os::ParseInt32(piece, v)) return 0;
    parts.push_back(v);
    if (p == std::string::npos) break;
    start = p + s.size();
  }
  if (parts.size() != 3) return 0;
  int64_t y = 0, m = 0, d = 0;
  switch (type) {
    case dt_YYYYMMDD:
      y = parts[0], m = parts[1], d = parts[2];
      break;
    case dt_MMDDYYYY:
      y = parts[2], m = parts[0], d = parts[1];
      break;
    case dt_DDMMYYYY:
      y = parts[2], m = parts[1], d = parts[0];
      break;
    case dt_YYMMDD:
    case dt_YYYMMDD:
      y = parts[0] + 1911, m = parts[1], d = parts[2];
      break;
    default:
      return 0;
  }
  if (y < 1 || y > 9999 || m < 1 || m > 12 || d < 1 || d > 31) return 0;
  return util::EncodeDate(static_cast<int>(y), static_cast<int>(m), static_cast<int>(d));
}

// --- TKipMaskEdit ----------------------------------------------------------------------------

PXQ_REGISTER_CLASS(TKipMaskEdit, TMaskEdit)
void TKipMaskEdit::DefineClass(TClassBuilder<TKipMaskEdit>&) {}

void TKipMaskEdit::Change() {
  if (!NoChangeEvent) TMaskEdit::Change();
}

// --- TSelectPanel ----------------------------------------------------------------------------

namespace {

// A string-list property whose writes go through the panel's setter.
template <class Get, class Set>
void WordsProperty(TClassBuilder<TSelectPanel>& c, std::string_view name, Get get, Set set) {
  TPropInfo& p = c.Add(name, TTypeKind::StringList, "TStrings");
  p.ObjectClass = &TStrings::StaticClass;
  p.GetObject = [get](const TObject& o) -> TObject* {
    return std::invoke(get, static_cast<const TSelectPanel&>(o));
  };
  p.SetObject = [set](TObject& o, TObject* v) {
    auto* source = dynamic_cast<TStrings*>(v);
    if (!source) return false;
    std::invoke(set, static_cast<TSelectPanel&>(o), source);
    return true;
  };
}

}  // namespace

PXQ_REGISTER_CLASS(TSelectPanel, TGroupBox)
void TSelectPanel::DefineClass(TClassBuilder<TSelectPanel>& c) {
  c.Enum("Style", &TSelectPanel::Style, &TSelectPanel::SetStyle);
  c.Bool("UserChoice", &TSelectPanel::UserChoice, &TSelectPanel::SetUserChoice);
  c.Enum("ValueType", &TSelectPanel::ValueType, &TSelectPanel::SetValueType);
  c.Enum("DateType", &TSelectPanel::DateType, &TSelectPanel::SetDateType);
  c.Str("DateSign", &TSelectPanel::DateSign, &TSelectPanel::SetDateSign);
  c.Bool("AutoChangeDateSite", &TSelectPanel::AutoChangeDateSite,
         &TSelectPanel::SetAutoChangeDateSite);
  c.Str("EditMask", &TSelectPanel::EditMask, &TSelectPanel::SetEditMask);
  c.Bool("UseDiscard", &TSelectPanel::UseDiscard, &TSelectPanel::SetUseDiscard);
  c.Str("Discard", &TSelectPanel::Discard, &TSelectPanel::SetDiscard);
  WordsProperty(c, "BeginWords", &TSelectPanel::BeginWords, &TSelectPanel::SetBeginWords);
  WordsProperty(c, "FinalWords", &TSelectPanel::FinalWords, &TSelectPanel::SetFinalWords);
  c.Str("HintWord", &TSelectPanel::HintWord, &TSelectPanel::SetHintWord);
  WordsProperty(c, "ChildHints", &TSelectPanel::ChildHints, &TSelectPanel::SetChildHints);
  c.Bool("CanOpenWin", &TSelectPanel::CanOpenWin, &TSelectPanel::SetCanOpenWin);
  c.Int("GlyphIndex", &TSelectPanel::GlyphIndex, &TSelectPanel::SetGlyphIndex);
  c.Bool("UseVertical", &TSelectPanel::UseVertical, &TSelectPanel::SetUseVertical);
  c.Int("OtherWidth", &TSelectPanel::OtherWidth, &TSelectPanel::SetOtherWidth);
  c.Int("OtherHeight", &TSelectPanel::OtherHeight, &TSelectPanel::SetOtherHeight);
  c.Enum("CheckDuplicate", &TSelectPanel::CheckDuplicate, &TSelectPanel::SetCheckDuplicate);
  c.Bool("SortListBox", &TSelectPanel::SortListBox, &TSelectPanel::SetSortListBox);
  {
    TPropInfo& p = c.Add("Items", TTypeKind::Class, "TListItems");
    p.ObjectClass = &TListItems::StaticClass;
    p.GetObject = [](const TObject& o) -> TObject* {
      return static_cast<const TSelectPanel&>(o).Items();
    };
  }
  {
    TPropInfo& p = c.Add("Columns", TTypeKind::Class, "TListColumns");
    p.ObjectClass = &TListColumns::StaticClass;
    p.GetObject = [](const TObject& o) -> TObject* {
      return static_cast<const TSelectPanel&>(o).Columns();
    };
  }
  {
    // Read: the captions as a list; changing that list (or writing one) replaces the columns.
    TPropInfo& p = c.Add("ColumnCaptions", TTypeKind::StringList, "TStrings");
    p.ObjectClass = &TStrings::StaticClass;
    p.GetObject = [](const TObject& o) -> TObject* {
      return static_cast<const TSelectPanel&>(o).ColumnCaptionList();
    };
    p.SetObject = [](TObject& o, TObject* v) {
      auto* source = dynamic_cast<TStrings*>(v);
      if (!source) return false;
      static_cast<TSelectPanel&>(o).SetColumnCaptions(source->ToVector());
      return true;
    };
  }
  c.Bool("ShowColumnHeader", &TSelectPanel::ShowColumnHeader, &TSelectPanel::SetShowColumnHeader);
  c.Bool("HideSelection", &TSelectPanel::HideSelection, &TSelectPanel::SetHideSelection);
  c.Bool("ColumnsAutoSize", &TSelectPanel::ColumnsAutoSize, &TSelectPanel::SetColumnsAutoSize);
  c.Event("OnOpenWinClick", &TSelectPanel::OnOpenWinClick, "TOpenWinEvent");
  c.Event("OnClearClick", &TSelectPanel::OnClearClick);
  c.Event("OnDeleteClick", &TSelectPanel::OnDeleteClick, "TDeleteClickEvent");
  c.Event("OnTypeClick", &TSelectPanel::OnTypeClick);
  c.Event("OnStyleChanging", &TSelectPanel::OnStyleChanging, "TStyleChangingEvent");
  c.Event("OnStyleChange", &TSelectPanel::OnStyleChange, "TStyleChangeEvent");
  c.Event("OnItemSelect", &TSelectPanel::OnItemSelect, "TItemSelectEvent");
  c.Event("OnItemChange", &TSelectPanel::OnItemChange, "TLVChangeEvent");
  c.Event("OnItemChanging", &TSelectPanel::OnItemChanging, "TItemChangingEvent");
}

TSelectPanel::TSelectPanel(TComponent* owner)
    : TGroupBox(owner),
      beginWords_(std::make_unique<TStringList>()),
      finalWords_(std::make_unique<TStringList>()),
      childHints_(std::make_unique<TStringList>()),
      columnCaptions_(std::make_unique<TStringList>()) {
  arranging_ = true;  // no layout until every part exists
  SetBounds(Left(), Top(), 353, 45);
  CreateParts();
  const std::string begin = os::Ansi("起");
  const std::string final = os::Ansi("止");
  for (int i = 0; i < 2; ++i) {
    beginWords_->Add(begin);
    finalWords_->Add(final);
  }
  for (const char* hint : {"用户自定输入方式", "区间选择-起始信息", "区间选择-起始信息开窗",
                           "区间选择-截止信息", "区间选择-截止信息开窗", "多选-己选择的信息",
                           "多选-信息开窗", "多选-删除一笔信息", "多选-删除己选信息"}) {
    childHints_->Add(os::Ansi(hint));
  }
  beginWords_->OnChange = Bind<&TSelectPanel::WordsChanged>(this);
  finalWords_->OnChange = Bind<&TSelectPanel::WordsChanged>(this);
  childHints_->OnChange = Bind<&TSelectPanel::HintsChanged>(this);
  columnCaptions_->OnChange = [this](TObject*) {
    if (!refreshingCaptions_) SetColumnCaptions(columnCaptions_->ToVector());
  };
  HintsChanged(this);
  SetHintWord(os::Ansi("区间选择"));
  arranging_ = false;
  ApplyVisibility(style_);
  Arrange();
}

TSelectPanel::~TSelectPanel() {
  beginWords_->OnChange = nullptr;
  finalWords_->OnChange = nullptr;
  childHints_->OnChange = nullptr;
  columnCaptions_->OnChange = nullptr;
}

void TSelectPanel::CreateParts() {
  const bool designing = Owner() && Owner()->ComponentState().Contains(csDesigning);
  auto named = [](auto* c, const char* name) {
    c->SetName(name);
    return c;
  };
  chkUserChoice = named(new TKipCheckBox(this), "chkUserChoice");
  chkUserChoice->SetParent(this);
  chkUserChoice->SetChecked(designing);
  userChoice_ = designing;
  chkUserChoice->OnClick = Bind<&TSelectPanel::ModeBoxClick>(this);

  auto innerPanel = [this, &named](const char* name) {
    TPanel* p = named(new TPanel(this), name);
    p->SetParent(this);
    p->SetBevelInner(bvNone);
    p->SetBevelOuter(bvNone);
    p->SetCaption(" ");
    return p;
  };
  auto lookupButton = [this, &named](const char* name, TWinControl* parent) {
    TF2Button* b = named(new TF2Button(this), name);
    b->SetParent(parent);
    b->SetFlat(true);
    b->SetBounds(0, 0, 23, 23);
    b->SetGlyphIndex(glyphIndex_);
    b->OnClick = Bind<&TSelectPanel::LookupClick>(this);
    return b;
  };
  pnlRange = innerPanel("pnlRange");
  lblBegin = named(new TLabel(this), "lblBegin");
  lblBegin->SetParent(pnlRange);
  lblBegin->SetAutoSize(true);
  edBegin = named(new TKipMaskEdit(this), "edBegin");
  edBegin->SetParent(pnlRange);
  edBegin->SetHeight(24);
  btnBegin = lookupButton("btnBegin", pnlRange);
  lblFinal = named(new TLabel(this), "lblFinal");
  lblFinal->SetParent(pnlRange);
  lblFinal->SetAutoSize(true);
  edFinal = named(new TKipMaskEdit(this), "edFinal");
  edFinal->SetParent(pnlRange);
  edFinal->SetHeight(edBegin->Height());
  btnFinal = lookupButton("btnFinal", pnlRange);

  pnlList = innerPanel("pnlList");
  ListBox = named(new TKipListView(this), "ListBox");
  ListBox->SetParent(pnlList);
  ListBox->SetViewStyle(vsReport);
  ListBox->SetMultiSelect(true);
  ListBox->SetRowSelect(true);
  ListBox->SetReadOnly(true);
  ListBox->SetShowColumnHeaders(false);
  ListBox->SetHideSelection(false);
  ListBox->SetCursor(-21);  // crHandPoint
  ListBox->SetSortType(stNone);
  btnList = lookupButton("btnList", pnlList);
  btnDelete = named(new TGSpeedButton(this), "btnDelete");
  btnClear = named(new TGSpeedButton(this), "btnClear");
  for (TGSpeedButton* b : {btnDelete, btnClear}) {
    b->SetParent(pnlList);
    b->SetFlat(true);
    b->SetBounds(0, 0, 23, 23);
  }
  btnDelete->SetGlyphIndex(47);
  btnDelete->SetNumGlyphs(1);
  btnClear->SetGlyphIndex(4);
  btnClear->SetNumGlyphs(2);
  btnDelete->OnClick = Bind<&TSelectPanel::DeleteClick>(this);
  btnClear->OnClick = Bind<&TSelectPanel::ClearClick>(this);
  ListBox->OnColumnClick = Bind<&TSelectPanel::ColumnClick>(this);
  ForwardEvents();
}

// --- value -------------------------------------------------------------------------------

bool TSelectPanel::InRangeMode() const {
  return style_ == sp_Range || (style_ == sp_UserChoice && chkUserChoice->Checked());
}

Variant TSelectPanel::ConditionValue() const {
  std::vector<Variant> elements;
  if (InRangeMode()) {
    elements = {Variant(std::string(1, '\x04')), Variant(edBegin->Text()),
                Variant(edFinal->Text())};
  } else {
    elements.push_back(Variant(std::string(1, '\x05')));
    for (int i = 0; i < Items()->Count(); ++i) {
      const TListItem* item = Items()->Item(i);
      std::vector<Variant> row{Variant(item->Caption())};
      for (int s = 0; s < item->SubItems()->Count(); ++s) {
        row.emplace_back(item->SubItems()->Strings(s));
      }
      elements.emplace_back(VarArray::Of(std::move(row)));
    }
  }
  return Variant(VarArray::Of(std::move(elements)));
}

// --- style, mode box, size ----------------------------------------------------------------

void TSelectPanel::ApplyVisibility(TSelectStyle s) {
  if (Designing()) return;
  chkUserChoice->SetVisible(s == sp_UserChoice);
  const bool range = s == sp_Range || (chkUserChoice->Visible() && chkUserChoice->Checked());
  pnlRange->SetVisible(range);
  pnlList->SetVisible(!range);
}

void TSelectPanel::SetStyle(TSelectStyle style) {
  TSelectStyle n = style;
  bool accept = true;
  if (!Designing()) OnStyleChanging(this, style_, n, accept);
  if (!accept) return;
  ApplyVisibility(n);
  if (n != style_ && (n == sp_Range || style_ == sp_Range) && !useVertical_) ExchangeSize();
  Arrange(n);
  if (!Designing()) OnStyleChange(this, style_, n);
  style_ = n;
}

void TSelectPanel::SetUserChoice(bool v) {
  if (style_ != sp_UserChoice) return;
  chkUserChoice->SetChecked(v);
  ModeBoxClick(chkUserChoice);
}

void TSelectPanel::ModeBoxClick(TObject*) {
  if (style_ != sp_UserChoice) return;
  userChoice_ = chkUserChoice->Checked();
  Arrange(sp_UserChoice);
  ApplyVisibility(style_);
  if (!Designing()) OnTypeClick(this);
}

void TSelectPanel::ExchangeSize() {
  if (Loading()) return;
  if (const TComponent* parent = Parent()) {
    const TComponentState s = parent->ComponentState();
    if (s == TComponentState{csLoading, csReading} ||
        s == TComponentState{csLoading, csReading, csDesigning, csAncestor}) {
      return;
    }
  }
  const int w = Width(), h = Height();
  SetBounds(Left(), Top(), otherWidth_, otherHeight_);
  otherWidth_ = w;
  otherHeight_ = h;
}

void TSelectPanel::SetUseVertical(bool v) {
  if (v == useVertical_ || style_ != sp_Range) return;
  useVertical_ = v;
  ExchangeSize();
  Arrange();
}

// --- layout ------------------------------------------------------------------------------

void TSelectPanel::SizeModeBox() {
  const TSize text = TextExtentOf(*chkUserChoice->Font(), chkUserChoice->Caption());
  chkUserChoice->SetBounds(chkUserChoice->Left(), chkUserChoice->Top(), text.cx + 24, text.cy + 2);
}

void TSelectPanel::Arrange() { Arrange(style_); }

void TSelectPanel::Arrange(TSelectStyle s) {
  if (arranging_) return;
  arranging_ = true;
  SizeModeBox();
  const int captionHeight = TextExtentOf(*Font(), Caption()).cy;
  auto place = [](TPanel* front, TPanel* back, int l, int t, int w, int h) {
    front->SetBounds(l, t, w, h);
    front->BringToFront();
    back->SetBounds(l, t, w, h);
  };
  switch (s) {
    case sp_Range:
    case sp_Discrete: {
      chkUserChoice->Hide();
      const int top = captionHeight + 3;
      const int width = Width() - 2 - 3, height = Height() - top - 3;
      if (s == sp_Range) {
        place(pnlRange, pnlList, 2, top, width, height);
        if (useVertical_) {
          ArrangeTwoRows();
        } else {
          ArrangeOneRow();
        }
      } else {
        place(pnlList, pnlRange, 2, top, width, height);
        ArrangeList();
      }
      break;
    }
    case sp_UserChoice: {
      if (!Designing()) chkUserChoice->Show();
      chkUserChoice->SetBounds(16, captionHeight + 1, chkUserChoice->Width(),
                               chkUserChoice->Height());
      const int checkText = TextExtentOf(*chkUserChoice->Font(), chkUserChoice->Caption()).cy;
      const int top = chkUserChoice->Top() + checkText + 2;
      const int width = Width() - 2 - 2, height = Height() - top - 2;
      if (userChoice_) {
        place(pnlRange, pnlList, 2, top, width, height);
      } else {
        place(pnlList, pnlRange, 2, top, width, height);
      }
      ArrangeTwoRows();
      ArrangeList();
      break;
    }
  }
  arranging_ = false;
}

void TSelectPanel::ArrangeOneRow() {
  const int w = pnlRange->Width(), h = pnlRange->Height();
  lblBegin->SetCaption(WordAt(*beginWords_, 0));
  const int t = (h - edBegin->Height()) / 2;
  lblBegin->SetBounds(2, t, lblBegin->Width(), lblBegin->Height());
  lblFinal->SetCaption(WordAt(*finalWords_, 0));
  int e = 0;
  if (canOpenWin_) {
    e = (w - lblBegin->Left() - lblBegin->Width() - 2 - btnBegin->Width() - 2 - lblFinal->Width() -
         2 - btnFinal->Width() - 2) /
            2 -
        1;
  } else {
    e = (w - lblBegin->Left() - lblBegin->Width() - 2 - lblFinal->Width() - 2) / 2 - 1;
  }
  edBegin->SetBounds(Right(lblBegin) + 1, t, e, edBegin->Height());
  if (canOpenWin_) {
    btnBegin->SetBounds(Right(edBegin) + 2, t, btnBegin->Width(), btnBegin->Height());
    lblFinal->SetBounds(Right(btnBegin) + 2, t, lblFinal->Width(), lblFinal->Height());
  } else {
    lblFinal->SetBounds(Right(edBegin) + 4, t, lblFinal->Width(), lblFinal->Height());
  }
  edFinal->SetBounds(Right(lblFinal) + 2, t, e, edFinal->Height());
  if (canOpenWin_) {
    btnFinal->SetBounds(Right(edFinal) + 2, t, btnFinal->Width(), btnFinal->Height());
  }
}

void TSelectPanel::ArrangeTwoRows() {
  const int w = pnlRange->Width(), h = pnlRange->Height();
  lblBegin->SetCaption(WordAt(*beginWords_, 1));
  const int g = (h - edBegin->Height() - edFinal->Height()) / 3;
  lblBegin->SetBounds(2, g, lblBegin->Width(), lblBegin->Height());
  if (canOpenWin_) {
    const int width = w - lblBegin->Left() - lblBegin->Width() - btnBegin->Width() - 4;
    edBegin->SetBounds(Right(lblBegin) + 2, g, width, edBegin->Height());
    btnBegin->SetBounds(Right(edBegin) + 1, g, btnBegin->Width(), btnBegin->Height());
  } else {
    const int width = w - lblBegin->Left() - lblBegin->Width() - 2;
    edBegin->SetBounds(Right(lblBegin) + 2, g, width, edBegin->Height());
  }
  lblFinal->SetCaption(WordAt(*finalWords_, 1));
  const int top = g + lblBegin->Top() + edBegin->Height();
  lblFinal->SetBounds(lblBegin->Left(), top, lblFinal->Width(), lblFinal->Height());
  edFinal->SetBounds(edBegin->Left(), top, edBegin->Width(), edFinal->Height());
  if (canOpenWin_) {
    btnFinal->SetBounds(btnBegin->Left(), top, btnFinal->Width(), btnFinal->Height());
  }
}

void TSelectPanel::ArrangeList() {
  ListBox->SetBounds(ListBox->Left(), 0, pnlList->Width() - ListBox->Left() - btnList->Width() - 3,
                     pnlList->Height());
  btnList->SetBounds(ListBox->Width() + 2, ListBox->Top(), btnList->Width(), btnList->Height());
  btnDelete->SetBounds(btnList->Left(), btnList->Top() + btnList->Height(), btnDelete->Width(),
                       btnDelete->Height());
  btnClear->SetBounds(btnList->Left(), btnDelete->Top() + btnDelete->Height(), btnClear->Width(),
                      btnClear->Height());
}

void TSelectPanel::Resize() {
  TGroupBox::Resize();
  Arrange();
}

void TSelectPanel::FontChanged() {
  TGroupBox::FontChanged();
  Arrange();
}

void TSelectPanel::Loaded() {
  TGroupBox::Loaded();
  Arrange();
}

// --- other properties --------------------------------------------------------------------

void TSelectPanel::SetEditMask(const std::string& mask) {
  editMask_ = mask;
  const std::string kept = edBegin->Text();
  edBegin->NoChangeEvent = true;
  edBegin->SetText(std::string());
  edBegin->SetEditMask(mask);
  edFinal->SetEditMask(mask);
  blankText_ = edBegin->Text();
  edBegin->SetText(kept);
  edBegin->NoChangeEvent = false;
}

void TSelectPanel::SetWords(TStrings& list, TLabel* label, const TStrings* words) {
  settingWords_ = true;
  list.BeginUpdate();
  list.Clear();
  if (words && words->Count() == 1) {
    list.Add(words->Strings(0));
    label->SetCaption(words->Strings(0));
  } else if (words && words->Count() >= 2) {
    list.Add(words->Strings(0));
    list.Add(words->Strings(1));
    label->SetCaption(words->Strings(style_ == sp_UserChoice ? 1 : 0));
  }
  list.EndUpdate();
  settingWords_ = false;
  Arrange();
}

void TSelectPanel::SetBeginWords(const TStrings* words) { SetWords(*beginWords_, lblBegin, words); }
void TSelectPanel::SetFinalWords(const TStrings* words) { SetWords(*finalWords_, lblFinal, words); }

void TSelectPanel::WordsChanged(TObject* sender) {
  if (settingWords_) return;
  if (auto* list = dynamic_cast<TStrings*>(sender); list && list->Count() >= 2) Arrange();
}

void TSelectPanel::SetHintWord(const std::string& v) {
  chkUserChoice->SetCaption(v);
  SizeModeBox();
}

void TSelectPanel::SetChildHints(const TStrings* hints) {
  if (hints && hints != childHints_.get()) childHints_->Assign(*hints);
}

void TSelectPanel::HintsChanged(TObject*) {
  TControl* parts[] = {chkUserChoice, edBegin, btnBegin,  edFinal, btnFinal,
                       ListBox,       btnList, btnDelete, btnClear};
  const int n = std::min<int>(childHints_->Count(), 9);
  for (int i = 0; i < n; ++i) parts[i]->SetHint(childHints_->Strings(i));
}

void TSelectPanel::SetCanOpenWin(bool v) {
  if (v == canOpenWin_) return;
  canOpenWin_ = v;
  btnList->SetVisible(v);
  btnBegin->SetVisible(v);
  btnFinal->SetVisible(v);
  Arrange();
}

void TSelectPanel::SetGlyphIndex(int n) {
  if (n == glyphIndex_) return;
  try {
    btnBegin->SetGlyphIndex(n);
    btnFinal->SetGlyphIndex(btnBegin->GlyphIndex());
    btnList->SetGlyphIndex(btnBegin->GlyphIndex());
    glyphIndex_ = n;
  } catch (const std::exception&) {
    for (TF2Button* b : {btnBegin, btnFinal, btnList}) b->SetGlyphIndex(0);
  }
}

void TSelectPanel::SetCheckDuplicate(TCheckDuplicate v) {
  TRowOrder order = ListBox->RowOrder();
  if (v != cd_None) order.Sorted = true;
  order.Duplicates = v;
  ListBox->SetRowOrder(order);
  if (!InRangeMode()) RemoveDuplicates();
}

void TSelectPanel::SetSortListBox(bool v) {
  TRowOrder order = ListBox->RowOrder();
  order.Sorted = v;
  ListBox->SetRowOrder(order);
}

std::vector<std::string> TSelectPanel::ColumnCaptions() const {
  std::vector<std::string> captions;
  for (int i = 0; i < Columns()->Count(); ++i) captions.push_back(Columns()->Items(i)->Caption());
  return captions;
}

TStrings* TSelectPanel::ColumnCaptionList() const {
  refreshingCaptions_ = true;
  columnCaptions_->Clear();
  for (const std::string& s : ColumnCaptions()) columnCaptions_->Add(s);
  refreshingCaptions_ = false;
  return columnCaptions_.get();
}

void TSelectPanel::SetColumnCaptions(const std::vector<std::string>& captions) {
  Columns()->Clear();
  for (const std::string& caption : captions) Columns()->Add()->SetCaption(caption);
  ListBox->AutoSizeColumns();
}

void TSelectPanel::SetEnabled(bool enabled) {
  TGroupBox::SetEnabled(enabled);
  panelEnabled_ = enabled;
  std::vector<TWinControl*> containers{this};
  while (!containers.empty()) {
    TWinControl* w = containers.back();
    containers.pop_back();
    for (int i = 0; i < w->ControlCount(); ++i) {
      TControl* c = w->Controls(i);
      c->SetEnabled(enabled);
      if (auto* inner = dynamic_cast<TWinControl*>(c)) containers.push_back(inner);
    }
  }
}

void TSelectPanel::SetFocus() {
  TGroupBox::SetFocus();
  if (!InRangeMode() && ListBox->CanFocus()) ListBox->SetFocus();
}

// --- ordering on exit --------------------------------------------------------------------

util::DateDays TSelectPanel::ParseDateText(std::string_view text) const {
  return pxq::vcl::ParseDateText(text, dateSign_, dateType_, blankText_);
}

void TSelectPanel::OrderRange() {
  if (edBegin->EditMask().empty() || edBegin->EditMask()[0] != '!') {
    edBegin->SetText(os::Trim(edBegin->Text()));
    edFinal->SetText(os::Trim(edFinal->Text()));
  }
  std::string b = edBegin->Text();
  std::string f = edFinal->Text();
  if (b.empty() || f.empty()) return;
  auto excluded = [&] {
    if (b == blankText_ || f == blankText_) return true;
    return useDiscard_ && (os::Trim(b) == discard_ || os::Trim(f) == discard_);
  };
  bool swap = false;
  switch (valueType_) {
    case vt_String:
    case vt_Time:
      swap = !excluded() && b > f;
      break;
    case vt_Number:
      swap = IntOf(b) > IntOf(f);
      break;
    case vt_Date:
      if (!autoChangeDateSite_ || excluded()) break;
      swap = dateType_ == dt_NoneCare ? b > f : ParseDateText(b) > ParseDateText(f);
      break;
    case vt_Float:
      b = FloatRangeText(b);
      f = FloatRangeText(f);
      edBegin->SetText(b);
      edFinal->SetText(f);
      swap = util::StrToFloatDef(b, 0) > util::StrToFloatDef(f, 0);
      break;
    case vt_OtherMask:
      break;
  }
  if (swap) {
    edBegin->SetText(f);
    edFinal->SetText(b);
  }
}

void TSelectPanel::DoExit() {
  OrderRange();
  TGroupBox::DoExit();
}

// --- buttons -----------------------------------------------------------------------------

void TSelectPanel::LookupClick(TObject* sender) {
  if (Designing()) return;
  TWinControl* target = sender == btnBegin   ? static_cast<TWinControl*>(edBegin)
                        : sender == btnFinal ? static_cast<TWinControl*>(edFinal)
                                             : static_cast<TWinControl*>(ListBox);
  if (target->CanFocus()) target->SetFocus();
  SendOpenLookup(target);
  OnOpenWinClick(this, target);
}

void TSelectPanel::DeleteClick(TObject*) {
  bool accept = true;
  if (!Designing()) OnDeleteClick(this, accept);
  if (!accept) return;
  for (int i = Items()->Count() - 1; i >= 0; --i) {
    if (i < Items()->Count() && Items()->Item(i)->Selected()) Items()->Delete(i);
  }
}

void TSelectPanel::ClearClick(TObject*) {
  ListBox->ClearRows();
  if (ListBox->CanFocus()) ListBox->SetFocus();
  if (!Designing()) OnClearClick(this);
}

void TSelectPanel::ColumnClick(TObject*, TListColumn* column) {
  if (!column) return;
  TRowOrder order = ListBox->RowOrder();
  const int index = column->Index();
  if (order.SortColumn == index) {
    order.Ascending = !order.Ascending;
  } else {
    order.SortColumn = index;
    order.Ascending = true;
  }
  ListBox->SetRowOrder(order);
  ListBox->SortRows();
}

// --- event forwarding --------------------------------------------------------------------

TPoint TSelectPanel::ToPanel(const TControl* part, int x, int y) const {
  for (const TControl* c = part; c && c != this; c = c->Parent()) {
    x += c->Left();
    y += c->Top();
  }
  return {x, y};
}

void TSelectPanel::ForwardEvents() {
  // Edits and the list are the senders of their own events; other parts speak as the panel.
  for (TWinControl* part : {static_cast<TWinControl*>(edBegin), static_cast<TWinControl*>(edFinal),
                            static_cast<TWinControl*>(ListBox)}) {
    part->OnClick = [this](TObject* s) { OnClick(s); };
    part->OnDblClick = [this](TObject* s) { OnDblClick(s); };
    part->OnMouseDown = [this](TObject* s, TMouseButton b, TShiftState sh, int x, int y) {
      OnMouseDown(s, b, sh, x, y);
    };
    part->OnMouseUp = [this](TObject* s, TMouseButton b, TShiftState sh, int x, int y) {
      OnMouseUp(s, b, sh, x, y);
    };
    part->OnMouseMove = [this](TObject* s, TShiftState sh, int x, int y) {
      OnMouseMove(s, sh, x, y);
    };
    part->OnKeyDown = [this](TObject* s, Word& key, TShiftState sh) { OnKeyDown(s, key, sh); };
    part->OnKeyUp = [this](TObject* s, Word& key, TShiftState sh) { OnKeyUp(s, key, sh); };
    part->OnKeyPress = [this](TObject* s, char& key) { OnKeyPress(s, key); };
  }
  for (TControl* part : {static_cast<TControl*>(pnlRange), static_cast<TControl*>(pnlList),
                         static_cast<TControl*>(lblBegin), static_cast<TControl*>(lblFinal)}) {
    part->OnClick = [this](TObject*) { OnClick(this); };
    part->OnDblClick = [this](TObject*) { OnDblClick(this); };
    part->OnMouseDown = [this, part](TObject*, TMouseButton b, TShiftState sh, int x, int y) {
      const TPoint p = ToPanel(part, x, y);
      OnMouseDown(this, b, sh, p.X, p.Y);
    };
    part->OnMouseUp = [this, part](TObject*, TMouseButton b, TShiftState sh, int x, int y) {
      const TPoint p = ToPanel(part, x, y);
      OnMouseUp(this, b, sh, p.X, p.Y);
    };
    part->OnMouseMove = [this, part](TObject*, TShiftState sh, int x, int y) {
      const TPoint p = ToPanel(part, x, y);
      OnMouseMove(this, sh, p.X, p.Y);
    };
  }
  ListBox->OnSelectItem = [this](TObject* s, TListItem* item, bool selected) {
    OnItemSelect(s, item, item ? item->Index() : -1, selected);
  };
  ListBox->OnChange = [this](TObject* s, TListItem* item, TItemChange change) {
    OnItemChange(s, item, change);
  };
}

}  // namespace pxq::vcl
