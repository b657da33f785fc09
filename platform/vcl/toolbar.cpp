#include "platform/vcl/toolbar.h"

#include <algorithm>

#include "platform/vcl/menus.h"

namespace pxq::vcl {

const TEnumInfo& EnumInfoOf(TToolButtonStyle*) {
  static const TEnumInfo info{
      "TToolButtonStyle", {"tbsButton", "tbsCheck", "tbsDropDown", "tbsSeparator", "tbsDivider"}};
  return info;
}

// --- TToolButton ---------------------------------------------------------------------------

PXQ_REGISTER_CLASS(TToolButton, TGraphicControl)
void TToolButton::DefineClass(TClassBuilder<TToolButton>& c) {
  c.Str("Caption", &TControl::Caption, &TControl::SetCaption);
  c.Int("ImageIndex", &TToolButton::ImageIndex, &TToolButton::SetImageIndex);
  c.Enum("Style", &TToolButton::Style, &TToolButton::SetStyle);
  c.Bool("Down", &TToolButton::Down, &TToolButton::SetDown);
  c.Bool("Grouped", &TToolButton::Grouped, &TToolButton::SetGrouped);
  c.Bool("AllowAllUp", &TToolButton::AllowAllUp, &TToolButton::SetAllowAllUp);
  c.Reference<TPopupMenu>("DropdownMenu", &TToolButton::DropdownMenu,
                          &TToolButton::SetDropdownMenu);
  c.Bool("Wrap", &TToolButton::Wrap, &TToolButton::SetWrap);
  c.Bool("Indeterminate", &TToolButton::Indeterminate, &TToolButton::SetIndeterminate);
  c.Unpublish("Color");
  c.Unpublish("Font");
  c.Unpublish("Align");
}

TToolButton::TToolButton(TComponent* owner) : TGraphicControl(owner) { SetBounds(0, 0, 23, 22); }

void TToolButton::SetParent(TWinControl* parent) {
  TGraphicControl::SetParent(parent);
  TToolBar* bar = ToolBar();
  if (!bar || Loading()) return;
  int right = 0;
  for (int i = 0; i < bar->ControlCount(); ++i) {
    TControl* c = bar->Controls(i);
    if (c != this && dynamic_cast<TToolButton*>(c)) right = std::max(right, c->Left() + c->Width());
  }
  SetLeft(right);
  bar->ArrangeButtons();
}

TToolBar* TToolButton::ToolBar() const { return dynamic_cast<TToolBar*>(Parent()); }

void TToolButton::SetImageIndex(int i) {
  if (i == imageIndex_) return;
  imageIndex_ = i;
  Changed("ImageIndex");
}

void TToolButton::SetStyle(TToolButtonStyle s) {
  if (s == style_) return;
  style_ = s;
  Changed("Style");
  if (TToolBar* bar = ToolBar()) bar->ArrangeButtons();
}

void TToolButton::SetDown(bool v) {
  if (v == down_) return;
  down_ = v;
  if (v && grouped_ && Parent()) {
    // The group: neighbouring grouped check buttons.
    for (int i = 0; i < Parent()->ControlCount(); ++i) {
      auto* b = dynamic_cast<TToolButton*>(Parent()->Controls(i));
      if (b && b != this && b->grouped_ && b->style_ == tbsCheck && b->down_) {
        b->down_ = false;
        b->Changed("Down");
      }
    }
  }
  Changed("Down");
}

void TToolButton::SetDropdownMenu(TPopupMenu* menu) {
  if (menu == dropdownMenu_) return;
  if (dropdownMenu_) dropdownMenu_->RemoveFreeNotification(this);
  dropdownMenu_ = menu;
  if (menu) menu->FreeNotification(this);
}

void TToolButton::Notification(TComponent* c, TOperation op) {
  TGraphicControl::Notification(c, op);
  if (op == opRemove && c == dropdownMenu_) dropdownMenu_ = nullptr;
}

void TToolButton::Click() {
  if (style_ == tbsCheck) {
    if (!down_) {
      SetDown(true);
    } else if (!grouped_ || allowAllUp_) {
      SetDown(false);
    }
  }
  TControl::Click();
}

bool TToolButton::DialogChar(char ch) {
  if (!IsAccel(ch, Caption()) || !Showing() || !Enabled()) return false;
  Click();
  return true;
}

void TToolButton::DropDown() {
  if (dropdownMenu_) dropdownMenu_->Popup(Left(), Top() + Height());
}

// --- TToolBar ------------------------------------------------------------------------------

PXQ_REGISTER_CLASS(TToolBar, TCustomControl)
void TToolBar::DefineClass(TClassBuilder<TToolBar>& c) {
  c.Str("Caption", &TControl::Caption, &TControl::SetCaption);
  c.Int("ButtonWidth", &TToolBar::ButtonWidth, &TToolBar::SetButtonWidth);
  c.Int("ButtonHeight", &TToolBar::ButtonHeight, &TToolBar::SetButtonHeight);
  c.Bool("Flat", &TToolBar::Flat, &TToolBar::SetFlat);
  c.Bool("ShowCaptions", &TToolBar::ShowCaptions, &TToolBar::SetShowCaptions);
  c.Bool("List", &TToolBar::List, &TToolBar::SetList);
  c.Bool("Wrapable", &TToolBar::Wrapable, &TToolBar::SetWrapable);
  c.Reference<TComponent>("Images", &TToolBar::Images, &TToolBar::SetImages);
}

TToolBar::TToolBar(TComponent* owner) : TCustomControl(owner) {
  SetBounds(0, 0, 150, 29);
  SetAlign(alTop);
}

std::vector<TToolButton*> TToolBar::SortedButtons() const {
  std::vector<TToolButton*> buttons;
  for (int i = 0; i < ControlCount(); ++i) {
    if (auto* b = dynamic_cast<TToolButton*>(Controls(i))) buttons.push_back(b);
  }
  std::stable_sort(buttons.begin(), buttons.end(),
                   [](TToolButton* a, TToolButton* b) { return a->Left() < b->Left(); });
  return buttons;
}

int TToolBar::ButtonCount() const { return static_cast<int>(SortedButtons().size()); }

TToolButton* TToolBar::Buttons(int i) const {
  auto buttons = SortedButtons();
  if (i < 0 || i >= static_cast<int>(buttons.size())) {
    throw EListError("List index out of bounds (" + std::to_string(i) + ")");
  }
  return buttons[static_cast<size_t>(i)];
}

void TToolBar::SetButtonWidth(int w) {
  buttonWidth_ = std::clamp(w, 1, 10000);
  ArrangeButtons();
}

void TToolBar::SetButtonHeight(int h) {
  buttonHeight_ = std::clamp(h, 1, 10000);
  ArrangeButtons();
}

void TToolBar::SetImages(TComponent* images) {
  if (images_) images_->RemoveFreeNotification(this);
  images_ = images;
  if (images) images->FreeNotification(this);
}

void TToolBar::Notification(TComponent* c, TOperation op) {
  TCustomControl::Notification(c, op);
  if (op == opRemove && c == images_) images_ = nullptr;
}

void TToolBar::ArrangeButtons() {
  if (arranging_ || Loading()) return;
  arranging_ = true;
  int x = 0;
  for (TToolButton* b : SortedButtons()) {
    if (!b->Visible()) continue;
    const bool separator = b->Style() == tbsSeparator || b->Style() == tbsDivider;
    const int w = separator ? 8 : buttonWidth_;
    b->SetBounds(x, 0, w, buttonHeight_);
    x += w;
  }
  arranging_ = false;
}

void TToolBar::AlignControls(TRect& rect) {
  TCustomControl::AlignControls(rect);
  ArrangeButtons();
}

void TToolBar::Loaded() {
  TCustomControl::Loaded();
  ArrangeButtons();
}

}  // namespace pxq::vcl
