#include "lib/controls/radio_controls.h"

#include <algorithm>

#include "lib/controls/text_extent.h"

namespace pxq::vcl {

// --- TNtRadioButton ------------------------------------------------------------------------

PXQ_REGISTER_CLASS(TNtRadioButton, TRadioButton)
void TNtRadioButton::DefineClass(TClassBuilder<TNtRadioButton>& c) {
  c.Bool("Ctl3D", &TNtRadioButton::Ctl3D, &TNtRadioButton::SetCtl3D);
}

TNtRadioButton::TNtRadioButton(TComponent* owner) : TRadioButton(owner) {}

void TNtRadioButton::SetCtl3D(bool v) {
  if (v == ctl3D_) return;
  ctl3D_ = v;
  Changed("Ctl3D");
}

void TNtRadioButton::SetCheckedQuietly(bool v) {
  const bool was = clicksDisabled_;
  clicksDisabled_ = true;
  SetChecked(v);
  clicksDisabled_ = was;
}

int TNtRadioButton::CaptionOffset(int pointSize) {
  struct Step {
    int upTo;
    int offset;
  };
  static constexpr Step kSteps[] = {{8, 17},  {15, 19}, {17, 20}, {23, 21}, {29, 23},
                                    {35, 25}, {41, 27}, {43, 29}, {60, 31}, {80, 39}};
  if (pointSize < 1) return 44;
  for (const Step& s : kSteps) {
    if (pointSize <= s.upTo) return s.offset;
  }
  return 44;
}

TRadioCaptionPaint TNtRadioButton::CaptionPaint() const {
  TRadioCaptionPaint p;
  const TRect client = ClientRect();
  p.TextLeft = client.Left + CaptionOffset(Font()->Size());
  p.Fill = {p.TextLeft - 4, client.Top - 4, client.Right + 4, client.Bottom + 4};
  p.Color = Color();
  p.Caption = Caption();
  return p;
}

// --- TNtGroupButton ------------------------------------------------------------------------

PXQ_REGISTER_CLASS(TNtGroupButton, TNtRadioButton)
void TNtGroupButton::DefineClass(TClassBuilder<TNtGroupButton>&) {}

TNtGroupButton::TNtGroupButton(TNtRadioGroup* group) : TNtRadioButton(group), group_(group) {
  SetParent(group);
  SetEnabled(group->Enabled());
  SetShowHint(false);
  SetParentShowHint(false);
  OnClick = Bind<&TNtRadioGroup::ButtonClicked>(group);
}

void TNtGroupButton::KeyDown(Word& key, TShiftState shift) {
  TNtRadioButton::KeyDown(key, shift);
  if (group_ && key != 0) group_->OnKeyDown(group_, key, shift);
}

void TNtGroupButton::KeyPress(char& key) {
  TNtRadioButton::KeyPress(key);
  if (group_ && key != 0) group_->OnKeyPress(group_, key);
}

// --- TNtRadioGroup -------------------------------------------------------------------------

PXQ_REGISTER_CLASS(TNtRadioGroup, TGroupBox)
void TNtRadioGroup::DefineClass(TClassBuilder<TNtRadioGroup>& c) {
  c.Strings("Items", &TNtRadioGroup::Items);
  c.Int("ItemIndex", &TNtRadioGroup::ItemIndex, &TNtRadioGroup::SetItemIndex);
  c.Int("Columns", &TNtRadioGroup::Columns, &TNtRadioGroup::SetColumns);
}

TNtRadioGroup::TNtRadioGroup(TComponent* owner)
    : TGroupBox(owner), items_(std::make_unique<TStringList>()) {
  items_->OnChange = Bind<&TNtRadioGroup::ItemsChanged>(this);
}

TNtRadioGroup::~TNtRadioGroup() { items_->OnChange = nullptr; }

void TNtRadioGroup::ItemsChanged(TObject*) {
  if (Loading()) return;  // done once reading ends
  if (itemIndex_ >= items_->Count()) itemIndex_ = items_->Count() - 1;
  UpdateButtons();
}

void TNtRadioGroup::UpdateButtons() {
  updating_ = true;
  const int count = items_->Count();
  while (static_cast<int>(buttons_.size()) < count) buttons_.push_back(new TNtGroupButton(this));
  while (static_cast<int>(buttons_.size()) > count) {
    TNtGroupButton* last = buttons_.back();
    buttons_.pop_back();
    delete last;
  }
  for (int i = 0; i < count; ++i) buttons_[static_cast<size_t>(i)]->SetCaption(items_->Strings(i));
  if (itemIndex_ >= 0 && itemIndex_ < count) {
    buttons_[static_cast<size_t>(itemIndex_)]->SetCheckedQuietly(true);
  }
  updating_ = false;
  ArrangeButtons();
  Changed("Paint");
}

void TNtRadioGroup::SetItemIndex(int i) {
  if (Loading()) {
    itemIndex_ = i;
    return;
  }
  i = std::clamp(i, -1, items_->Count() - 1);
  if (i == itemIndex_) return;
  updating_ = true;
  if (itemIndex_ >= 0 && itemIndex_ < ButtonCount()) {
    buttons_[static_cast<size_t>(itemIndex_)]->SetCheckedQuietly(false);
  }
  itemIndex_ = i;
  if (i >= 0 && i < ButtonCount()) buttons_[static_cast<size_t>(i)]->SetCheckedQuietly(true);
  updating_ = false;
  Changed("ItemIndex");
}

void TNtRadioGroup::SetColumns(int n) {
  n = std::clamp(n, 1, 16);
  if (n == columns_) return;
  columns_ = n;
  ArrangeButtons();
}

void TNtRadioGroup::ButtonClicked(TObject* sender) {
  if (updating_) return;
  const auto it = std::find(buttons_.begin(), buttons_.end(), sender);
  if (it == buttons_.end()) return;
  itemIndex_ = static_cast<int>(it - buttons_.begin());
  Changed("ItemIndex");
  OnClick(this);
}

void TNtRadioGroup::ArrangeButtons() {
  if (buttons_.empty() || Loading()) return;
  const int count = ButtonCount();
  const int t = TextHeightOf(*Font());
  const int rows = (count + columns_ - 1) / columns_;
  const int width = (Width() - 10) / columns_;
  const int free = Height() - t - 5;
  const int height = free / rows;
  const int margin = (free % rows) / 2 + t + 1;
  for (int i = 0; i < count; ++i) {
    TNtGroupButton* b = buttons_[static_cast<size_t>(i)];
    b->SetBounds((i / rows) * width + 8, (i % rows) * height + margin, width, height);
    b->Show();
  }
}

void TNtRadioGroup::SetEnabled(bool enabled) {
  TGroupBox::SetEnabled(enabled);
  for (TNtGroupButton* b : buttons_) b->SetEnabled(enabled);
}

void TNtRadioGroup::Loaded() {
  TGroupBox::Loaded();
  const int count = items_->Count();
  itemIndex_ = std::clamp(itemIndex_, -1, count - 1);
  UpdateButtons();
}

void TNtRadioGroup::Resize() {
  TGroupBox::Resize();
  ArrangeButtons();
}

void TNtRadioGroup::FontChanged() {
  TGroupBox::FontChanged();
  ArrangeButtons();
}

void TNtRadioGroup::Notification(TComponent* c, TOperation op) {
  TGroupBox::Notification(c, op);
  if (op == opRemove) std::erase(buttons_, c);
}

// --- TExtPageControl -----------------------------------------------------------------------

PXQ_REGISTER_CLASS(TExtPageControl, TPageControl)
void TExtPageControl::DefineClass(TClassBuilder<TExtPageControl>& c) {
  c.Event("OnDrawTab", &TExtPageControl::OnDrawTab, "TDrawTabEvent");
}

std::optional<TTabPaint> TExtPageControl::DrawTab(int tabIndex, const TRect& rect, bool active) {
  if (OnDrawTab) {
    OnDrawTab(this, tabIndex, rect, active);
    return std::nullopt;
  }
  TTabPaint p;
  if (const TTabSheet* page = PageForTab(tabIndex)) p.Text = page->Caption();
  if (active) {
    p.Fill = {rect.Left + 2, rect.Top + 2, rect.Right - 2, rect.Bottom - 2};
    p.FillColor = clActiveCaption;
    p.TextColor = clCaptionText;
    p.Bold = true;
    p.TextRect = p.Fill;
  } else {
    p.Fill = rect;
    p.TextRect = {rect.Left, rect.Top + 2, rect.Right, rect.Bottom};
  }
  return p;
}

}  // namespace pxq::vcl
