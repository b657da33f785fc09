#include "platform/vcl/menus.h"

#include <algorithm>

#include "platform/vcl/application.h"

namespace pxq::vcl {

PXQ_REGISTER_CLASS(TMenuItem, TComponent)
void TMenuItem::DefineClass(TClassBuilder<TMenuItem>& c) {
  c.Str("Caption", &TMenuItem::Caption, &TMenuItem::SetCaption);
  c.Bool("Checked", &TMenuItem::Checked, &TMenuItem::SetChecked);
  c.Bool("RadioItem", &TMenuItem::RadioItem, &TMenuItem::SetRadioItem);
  c.Bool("AutoCheck", &TMenuItem::AutoCheck, &TMenuItem::SetAutoCheck);
  c.Int("GroupIndex", &TMenuItem::GroupIndex, &TMenuItem::SetGroupIndex);
  c.Bool("Enabled", &TMenuItem::Enabled, &TMenuItem::SetEnabled);
  c.Bool("Visible", &TMenuItem::Visible, &TMenuItem::SetVisible);
  c.Str("Hint", &TMenuItem::Hint, &TMenuItem::SetHint);
  c.Int("ImageIndex", &TMenuItem::ImageIndex, &TMenuItem::SetImageIndex);
  c.Int("ShortCut", &TMenuItem::ShortCut, &TMenuItem::SetShortCut);
  c.Bool("Default", &TMenuItem::Default, &TMenuItem::SetDefault);
  c.Event("OnClick", &TMenuItem::OnClick);
}

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner) {}

TMenuItem::~TMenuItem() {
  if (parent_) parent_->Remove(this);
}

void TMenuItem::BeforeDestruction() {
  // Sub-items go with their item, whoever owns them.
  while (!items_.empty()) {
    TMenuItem* item = items_.back();
    items_.pop_back();
    item->parent_ = nullptr;
    delete item;
  }
  TComponent::BeforeDestruction();
  if (parent_) parent_->Remove(this);
}

void TMenuItem::SetCaption(const std::string& c) {
  if (c == caption_) return;
  caption_ = c;
  NotifyPropertyChanged(*this, "Caption");
}

void TMenuItem::SetChecked(bool v) {
  if (v == checked_) return;
  checked_ = v;
  if (v && radioItem_ && parent_) {
    for (TMenuItem* other : parent_->items_) {
      if (other != this && other->radioItem_ && other->groupIndex_ == groupIndex_) {
        other->SetChecked(false);
      }
    }
  }
  NotifyPropertyChanged(*this, "Checked");
}

void TMenuItem::SetEnabled(bool v) {
  if (v == enabled_) return;
  enabled_ = v;
  NotifyPropertyChanged(*this, "Enabled");
}

void TMenuItem::SetVisible(bool v) {
  if (v == visible_) return;
  visible_ = v;
  NotifyPropertyChanged(*this, "Visible");
}

TMenuItem* TMenuItem::Items(int i) const {
  if (i < 0 || i >= Count()) throw EListError("Menu index out of range");
  return items_[static_cast<size_t>(i)];
}

void TMenuItem::Add(TMenuItem* item) { Insert(Count(), item); }

void TMenuItem::Insert(int i, TMenuItem* item) {
  if (!item || item == this) return;
  for (TMenuItem* p = this; p; p = p->parent_) {
    if (p == item) throw EInvalidOperation("A menu item cannot hold itself");
  }
  if (item->parent_) throw EInvalidOperation("Menu inserted twice");
  i = std::clamp(i, 0, Count());
  items_.insert(items_.begin() + i, item);
  item->parent_ = this;
  NotifyPropertyChanged(*this, "Items");
}

void TMenuItem::Remove(TMenuItem* item) {
  auto it = std::find(items_.begin(), items_.end(), item);
  if (it == items_.end()) return;
  items_.erase(it);
  item->parent_ = nullptr;
  if (!ComponentState().Contains(csDestroying)) NotifyPropertyChanged(*this, "Items");
}

void TMenuItem::Delete(int i) { Remove(Items(i)); }

void TMenuItem::Clear() {
  while (!items_.empty()) delete items_.back();
}

int TMenuItem::IndexOf(const TMenuItem* item) const {
  auto it = std::find(items_.begin(), items_.end(), item);
  return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

TPersistent* TMenuItem::IndexedItem(int index) {
  return index >= 0 && index < Count() ? items_[static_cast<size_t>(index)] : nullptr;
}

TComponent* TMenuItem::GetParentComponent() const {
  if (parent_ && parent_->menu_) return parent_->menu_;
  return parent_;
}

void TMenuItem::SetParentComponent(TComponent* parent) {
  if (parent_) parent_->Remove(this);
  if (auto* menu = dynamic_cast<TMenu*>(parent)) {
    menu->Items()->Add(this);
  } else if (auto* item = dynamic_cast<TMenuItem*>(parent)) {
    item->Add(this);
  }
}

void TMenuItem::Click() {
  if (!enabled_) return;
  if (autoCheck_) SetChecked(!checked_ || radioItem_);
  OnClick(this);
}

// --- Menus ---------------------------------------------------------------------------------

PXQ_REGISTER_CLASS(TMenu, TComponent)
void TMenu::DefineClass(TClassBuilder<TMenu>& c) {
  c.Bool("OwnerDraw", &TMenu::OwnerDraw, &TMenu::SetOwnerDraw);
  c.Reference<TComponent>("Images", &TMenu::Images, &TMenu::SetImages);
}

TMenu::TMenu(TComponent* owner) : TComponent(owner), items_(new TMenuItem(this)) {
  items_->menu_ = this;
}

TMenu::~TMenu() = default;

void TMenu::SetImages(TComponent* images) {
  if (images_) images_->RemoveFreeNotification(this);
  images_ = images;
  if (images) images->FreeNotification(this);
}

void TMenu::Notification(TComponent* c, TOperation op) {
  TComponent::Notification(c, op);
  if (op == opRemove && c == images_) images_ = nullptr;
}

namespace {
std::string WithoutAccel(std::string_view s) {
  std::string r;
  for (char ch : s) {
    if (ch != '&') r += ch;
  }
  return r;
}
TMenuItem* Find(TMenuItem* item, const std::string& caption) {
  for (int i = 0; i < item->Count(); ++i) {
    TMenuItem* sub = item->Items(i);
    if (WithoutAccel(sub->Caption()) == caption) return sub;
    if (TMenuItem* found = Find(sub, caption)) return found;
  }
  return nullptr;
}
}  // namespace

TMenuItem* TMenu::FindItem(std::string_view caption) const {
  return Find(items_, WithoutAccel(caption));
}

PXQ_REGISTER_CLASS(TPopupMenu, TMenu)
void TPopupMenu::DefineClass(TClassBuilder<TPopupMenu>& c) {
  c.Bool("AutoPopup", &TPopupMenu::AutoPopup, &TPopupMenu::SetAutoPopup);
  c.Event("OnPopup", &TPopupMenu::OnPopup);
}

void TPopupMenu::Popup(int, int) { OnPopup(this); }

PXQ_REGISTER_CLASS(TMainMenu, TMenu)
void TMainMenu::DefineClass(TClassBuilder<TMainMenu>&) {}

}  // namespace pxq::vcl
