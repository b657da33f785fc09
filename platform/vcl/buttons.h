// Buttons with pictures: the bitmap button and the speed button.
#pragma once

#include <functional>
#include <string>

#include "platform/vcl/bitmap.h"
#include "platform/vcl/stdctrls.h"

namespace pxq::vcl {

enum TBitBtnKind : uint8_t {
  bkCustom,
  bkOK,
  bkCancel,
  bkHelp,
  bkYes,
  bkNo,
  bkClose,
  bkAbort,
  bkRetry,
  bkIgnore,
  bkAll
};
const TEnumInfo& EnumInfoOf(TBitBtnKind*);
enum TButtonLayout : uint8_t { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
const TEnumInfo& EnumInfoOf(TButtonLayout*);

// A push button with a glyph. Its Kind gives a standard caption, modal result and
// default/cancel role; bkClose closes the form.
class TBitBtn : public TButton {
  PXQ_CLASS(TBitBtn)
 public:
  explicit TBitBtn(TComponent* owner);

  TBitBtnKind Kind() const { return kind_; }
  void SetKind(TBitBtnKind kind);
  // The picture: NumGlyphs frames side by side (normal, disabled, ...).
  TBitmap& Glyph() { return glyph_; }
  const TBitmap& Glyph() const { return glyph_; }
  void SetGlyph(const TBitmap& glyph);
  int NumGlyphs() const { return numGlyphs_; }
  void SetNumGlyphs(int n);
  TButtonLayout Layout() const { return layout_; }
  void SetLayout(TButtonLayout l) { layout_ = l; }
  int Margin() const { return margin_; }
  void SetMargin(int m) { margin_ = m; }
  int Spacing() const { return spacing_; }
  void SetSpacing(int s) { spacing_ = s; }
  void Click() override;

 private:
  TBitBtnKind kind_ = bkCustom;
  TBitmap glyph_;
  int numGlyphs_ = 1;
  TButtonLayout layout_ = blGlyphLeft;
  int margin_ = -1;
  int spacing_ = 4;
};

// A button drawn by its parent, never focused. Buttons of one parent with the same
// GroupIndex (not 0) act as a group: one is down at a time.
class TSpeedButton : public TGraphicControl {
  PXQ_CLASS(TSpeedButton)
 public:
  explicit TSpeedButton(TComponent* owner);

  int GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(int g);
  bool Down() const { return down_; }
  // Only a grouped button can be down; the others of its group go up. A down button of a
  // group that does not allow all up stays down.
  void SetDown(bool v);
  bool AllowAllUp() const { return allowAllUp_; }
  void SetAllowAllUp(bool v);
  bool Flat() const { return flat_; }
  void SetFlat(bool v);
  TBitmap& Glyph() { return glyph_; }
  const TBitmap& Glyph() const { return glyph_; }
  void SetGlyph(const TBitmap& glyph);
  int NumGlyphs() const { return numGlyphs_; }
  void SetNumGlyphs(int n);
  TButtonLayout Layout() const { return layout_; }
  void SetLayout(TButtonLayout l) { layout_ = l; }
  int Margin() const { return margin_; }
  void SetMargin(int m) { margin_ = m; }
  int Spacing() const { return spacing_; }
  void SetSpacing(int s) { spacing_ = s; }
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool v) { transparent_ = v; }
  // A click of a grouped button puts it down (or up, when all may be up), then OnClick.
  void Click() override;
  bool DialogChar(char ch) override;

 private:
  void ForEachInGroup(const std::function<void(TSpeedButton*)>& f);
  int groupIndex_ = 0;
  bool down_ = false;
  bool allowAllUp_ = false;
  bool flat_ = false;
  TBitmap glyph_;
  int numGlyphs_ = 1;
  TButtonLayout layout_ = blGlyphLeft;
  int margin_ = -1;
  int spacing_ = 4;
  bool transparent_ = true;
};

}  // namespace pxq::vcl
