// Radio buttons, the radio group and the page control of the dialogs.
//   TNtRadioButton  a radio button whose caption it paints itself, in its own Font and Color;
//   TNtRadioGroup   a group box with one TNtGroupButton per item, arranged in columns;
//   TExtPageControl a page control whose tabs are drawn by OnDrawTab or by fixed rules.
// As with the check box, the model computes what a view paints.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/vcl/pagecontrol.h"
#include "platform/vcl/stdctrls.h"

namespace pxq::vcl {

// What a view paints over a radio button's native caption.
struct TRadioCaptionPaint {
  TRect Fill;  // filled and outlined in Color
  TColor Color = clBtnFace;
  int TextLeft = 0;  // the caption is drawn from here on one line, vertically centred
  std::string Caption;
};

class TNtRadioButton : public TRadioButton {
  PXQ_CLASS(TNtRadioButton)
 public:
  explicit TNtRadioButton(TComponent* owner);

  bool Ctl3D() const { return ctl3D_; }
  void SetCtl3D(bool v);
  // Checks without raising OnClick (the group sets its buttons this way).
  void SetCheckedQuietly(bool v);

  // Left offset of the painted caption for a font size in points.
  static int CaptionOffset(int pointSize);
  TRadioCaptionPaint CaptionPaint() const;

 private:
  bool ctl3D_ = true;
};

class TNtRadioGroup;

class TNtGroupButton : public TNtRadioButton {
  PXQ_CLASS(TNtGroupButton)
 public:
  explicit TNtGroupButton(TNtRadioGroup* group);

 protected:
  // Keys pressed on a button reach the group as well.
  void KeyDown(Word& key, TShiftState shift) override;
  void KeyPress(char& key) override;

 private:
  TNtRadioGroup* group_;
};

class TNtRadioGroup : public TGroupBox {
  PXQ_CLASS(TNtRadioGroup)
 public:
  explicit TNtRadioGroup(TComponent* owner);
  ~TNtRadioGroup() override;

  TStrings* Items() const { return items_.get(); }
  int ItemIndex() const { return itemIndex_; }
  // Clamped to -1 .. item count - 1 (stored as given while the group is being read).
  void SetItemIndex(int i);
  int Columns() const { return columns_; }
  // Clamped to 1 .. 16.
  void SetColumns(int n);
  int ButtonCount() const { return static_cast<int>(buttons_.size()); }
  TNtGroupButton* Buttons(int i) const { return buttons_.at(static_cast<size_t>(i)); }
  // Places the buttons in columns (done after every change that moves them).
  void ArrangeButtons();

  void SetEnabled(bool enabled) override;
  void Loaded() override;

 protected:
  void Resize() override;
  void FontChanged() override;
  void Notification(TComponent* c, TOperation op) override;

 private:
  friend class TNtGroupButton;
  void ItemsChanged(TObject* sender);
  void UpdateButtons();
  void ButtonClicked(TObject* sender);

  std::unique_ptr<TStringList> items_;
  std::vector<TNtGroupButton*> buttons_;
  int itemIndex_ = -1;
  int columns_ = 1;
  bool updating_ = false;
};

// What a view paints for one tab of a TExtPageControl.
struct TTabPaint {
  TRect Fill;
  TColor FillColor = clInactiveCaption;
  TRect TextRect;  // text on one line, centred both ways
  TColor TextColor = clInactiveCaptionText;
  bool Bold = false;
  std::string Text;
};

using TDrawTabEvent = TEvent<TObject*, int, const TRect&, bool>;

class TExtPageControl : public TPageControl {
  PXQ_CLASS(TExtPageControl)
 public:
  using TPageControl::TPageControl;

  // Draws visible tab `tabIndex` in `rect`: raises OnDrawTab when set (nullopt: the handler
  // drew it), else answers what to paint.
  std::optional<TTabPaint> DrawTab(int tabIndex, const TRect& rect, bool active);

  TDrawTabEvent OnDrawTab;
};

}  // namespace pxq::vcl
