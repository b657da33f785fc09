// Menus: menu items in a tree, pop-up menus and main menus.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "platform/vcl/component.h"

namespace pxq::vcl {

class TMenu;

class TMenuItem : public TComponent {
  PXQ_CLASS(TMenuItem)
 public:
  explicit TMenuItem(TComponent* owner);
  ~TMenuItem() override;
  void BeforeDestruction() override;

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& c);
  bool Checked() const { return checked_; }
  // Checking a radio item unchecks the other radio items of its group under the same parent.
  void SetChecked(bool v);
  bool RadioItem() const { return radioItem_; }
  void SetRadioItem(bool v) { radioItem_ = v; }
  bool AutoCheck() const { return autoCheck_; }
  void SetAutoCheck(bool v) { autoCheck_ = v; }
  int GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(int g) { groupIndex_ = std::clamp(g, 0, 255); }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool v);
  bool Visible() const { return visible_; }
  void SetVisible(bool v);
  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& h) { hint_ = h; }
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int i) { imageIndex_ = i; }
  int ShortCut() const { return shortCut_; }
  void SetShortCut(int s) { shortCut_ = s; }
  bool Default() const { return default_; }
  void SetDefault(bool v) { default_ = v; }

  // Sub-items (owned by this item's owner; freed with this item).
  int Count() const { return static_cast<int>(items_.size()); }
  TMenuItem* Items(int i) const;
  void Add(TMenuItem* item);
  void Insert(int i, TMenuItem* item);
  void Remove(TMenuItem* item);
  void Delete(int i);
  void Clear();
  int IndexOf(const TMenuItem* item) const;
  TMenuItem* Parent() const { return parent_; }
  TPersistent* IndexedItem(int index) override;

  TComponent* GetParentComponent() const override;
  void SetParentComponent(TComponent* parent) override;

  // The user chose the item: auto-check items toggle, then OnClick.
  virtual void Click();

  TNotifyEvent OnClick;

 private:
  friend class TMenu;
  std::string caption_;
  bool checked_ = false;
  bool radioItem_ = false;
  bool autoCheck_ = false;
  int groupIndex_ = 0;
  bool enabled_ = true;
  bool visible_ = true;
  std::string hint_;
  int imageIndex_ = -1;
  int shortCut_ = 0;
  bool default_ = false;
  std::vector<TMenuItem*> items_;
  TMenuItem* parent_ = nullptr;
  TMenu* menu_ = nullptr;
};

class TMenu : public TComponent {
  PXQ_CLASS(TMenu)
 public:
  explicit TMenu(TComponent* owner);
  ~TMenu() override;
  // The root item whose sub-items are the menu's items.
  TMenuItem* Items() const { return items_; }
  bool OwnerDraw() const { return ownerDraw_; }
  void SetOwnerDraw(bool v) { ownerDraw_ = v; }
  TComponent* Images() const { return images_; }
  void SetImages(TComponent* images);
  // The item with that caption at any depth (accelerator marks ignored), or nullptr.
  TMenuItem* FindItem(std::string_view caption) const;

 protected:
  void Notification(TComponent* c, TOperation op) override;

 private:
  TMenuItem* items_;
  bool ownerDraw_ = false;
  TComponent* images_ = nullptr;
};

class TPopupMenu : public TMenu {
  PXQ_CLASS(TPopupMenu)
 public:
  using TMenu::TMenu;
  // Shows the menu at a screen point (raises OnPopup; the view shows it).
  virtual void Popup(int x, int y);
  TComponent* PopupComponent() const { return popupComponent_; }
  void SetPopupComponent(TComponent* c) { popupComponent_ = c; }
  bool AutoPopup() const { return autoPopup_; }
  void SetAutoPopup(bool v) { autoPopup_ = v; }

  TNotifyEvent OnPopup;

 private:
  TComponent* popupComponent_ = nullptr;
  bool autoPopup_ = true;
};

class TMainMenu : public TMenu {
  PXQ_CLASS(TMainMenu)
 public:
  using TMenu::TMenu;
};

}  // namespace pxq::vcl
