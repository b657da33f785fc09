// The tool bar and its buttons. Buttons sit side by side in the order of their Left
// position, each ButtonWidth x ButtonHeight (separators and dividers 8 pixels wide).
#pragma once

#include <string>
#include <vector>

#include "platform/vcl/control.h"

namespace pxq::vcl {

class TToolBar;

enum TToolButtonStyle : uint8_t { tbsButton, tbsCheck, tbsDropDown, tbsSeparator, tbsDivider };
const TEnumInfo& EnumInfoOf(TToolButtonStyle*);

class TToolButton : public TGraphicControl {
  PXQ_CLASS(TToolButton)
 public:
  explicit TToolButton(TComponent* owner);

  TToolBar* ToolBar() const;
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int i);
  TToolButtonStyle Style() const { return style_; }
  void SetStyle(TToolButtonStyle s);
  bool Down() const { return down_; }
  // A grouped check button going down puts the others of its group up.
  void SetDown(bool v);
  bool Grouped() const { return grouped_; }
  void SetGrouped(bool v) { grouped_ = v; }
  bool AllowAllUp() const { return allowAllUp_; }
  void SetAllowAllUp(bool v) { allowAllUp_ = v; }
  TPopupMenu* DropdownMenu() const { return dropdownMenu_; }
  void SetDropdownMenu(TPopupMenu* menu);
  bool Wrap() const { return wrap_; }
  void SetWrap(bool v) { wrap_ = v; }
  bool Indeterminate() const { return indeterminate_; }
  void SetIndeterminate(bool v) { indeterminate_ = v; }
  // Check buttons toggle (grouped ones go down), then OnClick.
  void Click() override;
  bool DialogChar(char ch) override;
  // The arrow of a drop-down button: shows its menu.
  void DropDown();
  // A button added to a tool bar goes after its last button.
  void SetParent(TWinControl* parent) override;

 protected:
  void Notification(TComponent* c, TOperation op) override;

 private:
  int imageIndex_ = -1;
  TToolButtonStyle style_ = tbsButton;
  bool down_ = false;
  bool grouped_ = false;
  bool allowAllUp_ = false;
  TPopupMenu* dropdownMenu_ = nullptr;
  bool wrap_ = false;
  bool indeterminate_ = false;
};

class TToolBar : public TCustomControl {
  PXQ_CLASS(TToolBar)
 public:
  explicit TToolBar(TComponent* owner);

  int ButtonCount() const;
  // Button `i` in order of position.
  TToolButton* Buttons(int i) const;
  int ButtonWidth() const { return buttonWidth_; }
  void SetButtonWidth(int w);
  int ButtonHeight() const { return buttonHeight_; }
  void SetButtonHeight(int h);
  bool Flat() const { return flat_; }
  void SetFlat(bool v) { flat_ = v; }
  bool ShowCaptions() const { return showCaptions_; }
  void SetShowCaptions(bool v) { showCaptions_ = v; }
  bool List() const { return list_; }
  void SetList(bool v) { list_ = v; }
  bool Wrapable() const { return wrapable_; }
  void SetWrapable(bool v) { wrapable_ = v; }
  TComponent* Images() const { return images_; }
  void SetImages(TComponent* images);
  // Places the buttons side by side.
  void ArrangeButtons();
  void Loaded() override;

 protected:
  void Notification(TComponent* c, TOperation op) override;
  void AlignControls(TRect& rect) override;

 private:
  std::vector<TToolButton*> SortedButtons() const;
  int buttonWidth_ = 23;
  int buttonHeight_ = 22;
  bool flat_ = false;
  bool showCaptions_ = false;
  bool list_ = false;
  bool wrapable_ = true;
  TComponent* images_ = nullptr;
  bool arranging_ = false;
};

}  // namespace pxq::vcl
