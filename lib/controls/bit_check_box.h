// TBitCheckBox: the check box of the condition dialogs. It draws itself: a small picture per
// state (built-in 19 x 14 pictures unless others are given) and the caption beside it.
// TKipCheckBox is the same control under the name the selection panel uses for its mode box.
//
// The model does not paint; PaintLayout() computes what a view paints (rectangles, colours,
// picture frame) so that the painting rules live here, in one place.
#pragma once

#include <optional>
#include <string>

#include "platform/vcl/bitmap.h"
#include "platform/vcl/control.h"
#include "platform/vcl/stdctrls.h"

namespace pxq::vcl {

// What a view paints for a bit check box, in client coordinates.
struct TBitCheckBoxPaint {
  TRect Client;
  TColor Background = clBtnFace;
  std::string Caption;  // drawn on one line, vertically centred in TextRect ("&" marks a key)
  TRect TextRect;
  TColor TextColor = clWindowText;
  bool ShadowText = false;  // disabled with Ctl3D: the text first at +1,+1 in clBtnHighlight
  std::optional<TRect> FocusRect;
  const TBitmap* Picture = nullptr;
  int FrameWidth = 0;
  int Frame = 0;     // which frame of the picture
  TPoint PictureAt;  // top-left corner of the frame
};

class TBitCheckBox : public TCustomControl {
  PXQ_CLASS(TBitCheckBox)
 public:
  explicit TBitCheckBox(TComponent* owner);

  TCheckBoxState State() const { return state_; }
  void SetState(TCheckBoxState s);
  bool Checked() const { return state_ == cbChecked; }
  void SetChecked(bool v) { SetState(v ? cbChecked : cbUnchecked); }
  bool AllowGrayed() const { return allowGrayed_; }
  void SetAllowGrayed(bool v) { allowGrayed_ = v; }
  TLeftRight Alignment() const { return alignment_; }
  void SetAlignment(TLeftRight a);
  bool Ctl3D() const { return ctl3D_; }
  void SetCtl3D(bool v);

  // Pictures per state; an empty bitmap loads the built-in picture of that state. A picture
  // whose width is an exact multiple of its height sets the state's frame count (1..2).
  const TBitmap& Glyph(TCheckBoxState s) const { return glyphs_[s]; }
  void SetGlyph(TCheckBoxState s, const TBitmap& picture);
  int NumGlyphs(TCheckBoxState s) const { return numGlyphs_[s]; }
  void SetNumGlyphs(TCheckBoxState s, int n);
  int CheckedNumGlyphs() const { return numGlyphs_[cbChecked]; }
  void SetCheckedNumGlyphs(int n) { SetNumGlyphs(cbChecked, n); }
  int GrayedNumGlyphs() const { return numGlyphs_[cbGrayed]; }
  void SetGrayedNumGlyphs(int n) { SetNumGlyphs(cbGrayed, n); }
  int UncheckedNumGlyphs() const { return numGlyphs_[cbUnchecked]; }
  void SetUncheckedNumGlyphs(int n) { SetNumGlyphs(cbUnchecked, n); }

  // Unchecked -> grayed (with AllowGrayed) or checked; checked -> unchecked; grayed -> checked.
  void Toggle();
  // The user's click (mouse or space): toggle, OnClick, then take the focus when possible.
  void Click() override;
  // The caption's accelerator: true when `key` is it (the box is then focused and, once
  // focused, toggled without OnClick).
  bool DialogChar(char key) override;

  // What a view paints now.
  TBitCheckBoxPaint PaintLayout() const;
  // The built-in 19 x 14 picture of a state.
  static const TBitmap& BuiltInGlyph(TCheckBoxState s);

 protected:
  void DefaultChar(char ch) override;
  void TextChanged() override;
  void EnabledChanged() override;
  void FontChanged() override;
  void DoEnter() override;
  void DoExit() override;

 private:
  TCheckBoxState state_ = cbUnchecked;
  bool allowGrayed_ = false;
  TLeftRight alignment_ = lrRightJustify;
  bool ctl3D_ = true;
  TBitmap glyphs_[3];
  int numGlyphs_[3] = {1, 1, 1};
};

class TKipCheckBox : public TBitCheckBox {
  PXQ_CLASS(TKipCheckBox)
 public:
  using TBitCheckBox::TBitCheckBox;
};

}  // namespace pxq::vcl
