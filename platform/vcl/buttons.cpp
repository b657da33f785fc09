#include "platform/vcl/buttons.h"

#include <algorithm>

#include "platform/vcl/form.h"

namespace pxq::vcl {

const TEnumInfo& EnumInfoOf(TBitBtnKind*) {
  static const TEnumInfo info{"TBitBtnKind",
                              {"bkCustom", "bkOK", "bkCancel", "bkHelp", "bkYes", "bkNo", "bkClose",
                               "bkAbort", "bkRetry", "bkIgnore", "bkAll"}};
  return info;
}
const TEnumInfo& EnumInfoOf(TButtonLayout*) {
  static const TEnumInfo info{"TButtonLayout",
                              {"blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom"}};
  return info;
}

// --- TBitBtn -------------------------------------------------------------------------------

PXQ_REGISTER_CLASS(TBitBtn, TButton)
void TBitBtn::DefineClass(TClassBuilder<TBitBtn>& c) {
  c.Enum("Kind", &TBitBtn::Kind, &TBitBtn::SetKind);
  c.Int("NumGlyphs", &TBitBtn::NumGlyphs, &TBitBtn::SetNumGlyphs);
  c.Enum("Layout", &TBitBtn::Layout, &TBitBtn::SetLayout);
  c.Int("Margin", &TBitBtn::Margin, &TBitBtn::SetMargin);
  c.Int("Spacing", &TBitBtn::Spacing, &TBitBtn::SetSpacing);
}

TBitBtn::TBitBtn(TComponent* owner) : TButton(owner) {}

void TBitBtn::SetKind(TBitBtnKind kind) {
  if (kind == kind_) return;
  kind_ = kind;
  if (kind == bkCustom) return;
  struct Standard {
    const char* caption;
    TModalResult result;
  };
  static constexpr Standard kStandard[] = {
      {"", mrNone},        {"OK", mrOk},          {"Cancel", mrCancel}, {"&Help", mrNone},
      {"&Yes", mrYes},     {"&No", mrNo},         {"&Close", mrNone},   {"Abort", mrAbort},
      {"&Retry", mrRetry}, {"&Ignore", mrIgnore}, {"&All", mrAll}};
  const Standard& s = kStandard[kind];
  SetDefault(kind == bkOK || kind == bkYes);
  SetCancel(kind == bkCancel || kind == bkNo);
  // A description gives its own caption; the standard one fills an empty caption only.
  if (!Loading() || Caption().empty()) SetCaption(s.caption);
  SetModalResult(s.result);
}

void TBitBtn::SetGlyph(const TBitmap& glyph) {
  glyph_ = glyph;
  if (glyph_.Height() > 0 && glyph_.Width() % glyph_.Height() == 0) {
    SetNumGlyphs(glyph_.Width() / glyph_.Height());
  }
  Changed("Glyph");
}

void TBitBtn::SetNumGlyphs(int n) {
  n = std::clamp(n, 1, 4);
  if (n == numGlyphs_) return;
  numGlyphs_ = n;
  Changed("NumGlyphs");
}

void TBitBtn::Click() {
  if (kind_ == bkClose) {
    if (TCustomForm* form = ParentForm()) {
      form->Close();
      TControl::Click();
      return;
    }
  }
  TButton::Click();
}

// --- TSpeedButton --------------------------------------------------------------------------

PXQ_REGISTER_CLASS(TSpeedButton, TGraphicControl)
void TSpeedButton::DefineClass(TClassBuilder<TSpeedButton>& c) {
  c.Str("Caption", &TControl::Caption, &TControl::SetCaption);
  c.Int("GroupIndex", &TSpeedButton::GroupIndex, &TSpeedButton::SetGroupIndex);
  c.Bool("Down", &TSpeedButton::Down, &TSpeedButton::SetDown);
  c.Bool("AllowAllUp", &TSpeedButton::AllowAllUp, &TSpeedButton::SetAllowAllUp);
  c.Bool("Flat", &TSpeedButton::Flat, &TSpeedButton::SetFlat);
  c.Int("NumGlyphs", &TSpeedButton::NumGlyphs, &TSpeedButton::SetNumGlyphs);
  c.Enum("Layout", &TSpeedButton::Layout, &TSpeedButton::SetLayout);
  c.Int("Margin", &TSpeedButton::Margin, &TSpeedButton::SetMargin);
  c.Int("Spacing", &TSpeedButton::Spacing, &TSpeedButton::SetSpacing);
  c.Bool("Transparent", &TSpeedButton::Transparent, &TSpeedButton::SetTransparent);
  c.Unpublish("Color");
}

TSpeedButton::TSpeedButton(TComponent* owner) : TGraphicControl(owner) { SetBounds(0, 0, 23, 22); }

void TSpeedButton::ForEachInGroup(const std::function<void(TSpeedButton*)>& f) {
  if (!Parent() || groupIndex_ == 0) return;
  for (int i = 0; i < Parent()->ControlCount(); ++i) {
    auto* b = dynamic_cast<TSpeedButton*>(Parent()->Controls(i));
    if (b && b != this && b->groupIndex_ == groupIndex_) f(b);
  }
}

void TSpeedButton::SetGroupIndex(int g) {
  if (g == groupIndex_) return;
  groupIndex_ = g;
  if (g == 0) down_ = false;
}

void TSpeedButton::SetDown(bool v) {
  if (groupIndex_ == 0) v = false;
  if (v == down_) return;
  if (down_ && !allowAllUp_ && !Loading()) return;  // the group keeps one button down
  down_ = v;
  if (v) {
    ForEachInGroup([](TSpeedButton* b) {
      b->down_ = false;
      b->Changed("Down");
    });
  }
  Changed("Down");
}

void TSpeedButton::SetAllowAllUp(bool v) {
  allowAllUp_ = v;
  ForEachInGroup([v](TSpeedButton* b) { b->allowAllUp_ = v; });
}

void TSpeedButton::SetFlat(bool v) {
  if (v == flat_) return;
  flat_ = v;
  Changed("Flat");
}

void TSpeedButton::SetGlyph(const TBitmap& glyph) {
  glyph_ = glyph;
  if (glyph_.Height() > 0 && glyph_.Width() % glyph_.Height() == 0) {
    SetNumGlyphs(glyph_.Width() / glyph_.Height());
  }
  Changed("Glyph");
}

void TSpeedButton::SetNumGlyphs(int n) {
  n = std::clamp(n, 1, 4);
  if (n == numGlyphs_) return;
  numGlyphs_ = n;
  Changed("NumGlyphs");
}

bool TSpeedButton::DialogChar(char ch) {
  if (!IsAccel(ch, Caption()) || !Showing() || !Enabled()) return false;
  Click();
  return true;
}

void TSpeedButton::Click() {
  if (groupIndex_ != 0) {
    if (down_) {
      if (allowAllUp_) SetDown(false);
    } else {
      SetDown(true);
    }
  }
  TControl::Click();
}

}  // namespace pxq::vcl
