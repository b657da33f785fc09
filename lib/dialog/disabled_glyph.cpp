#include "lib/dialog/disabled_glyph.h"

#include <array>
#include <string_view>
#include <vector>

#include "platform/vcl/buttons.h"
#include "platform/vcl/component.h"

namespace pxq::dialog {

using namespace vcl;

TBitmap DisabledImage(const TBitmap& glyph) {
  const int w = glyph.Width();
  const int h = glyph.Height();
  const TColor transparent = ColorToRGB(glyph.TransparentColor());
  auto isTransparent = [&](int x, int y) { return glyph.Pixel(x, y) == transparent; };
  // The shape as a monochrome mask: black where the picture is drawn.
  TBitmap mask(w, h);
  mask.Fill(clWhite);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      if (isTransparent(x, y)) continue;
      const TColor c = glyph.Pixel(x, y);
      bool marked = GetRValue(c) + GetGValue(c) + GetBValue(c) < 384;
      if (!marked) {
        const std::array<std::array<int, 2>, 4> around{{{x, y > 0 ? y - 1 : y},
                                                        {x, y < h - 1 ? y + 1 : y},
                                                        {x > 0 ? x - 1 : x, y},
                                                        {x < w - 1 ? x + 1 : x, y}}};
        for (const auto& n : around) marked = marked || isTransparent(n[0], n[1]);
      }
      if (marked) mask.SetPixel(x, y, clBlack);
    }
  }
  mask.SetMonochrome(true);
  TBitmap disabled(w, h);
  disabled.Fill(clBtnFace);
  disabled.DrawMask(1, 1, mask, clBtnHighlight);
  disabled.DrawMask(0, 0, mask, clBtnShadow);
  return disabled;
}

bool AddDisabledImage(TBitmap& glyph, int numGlyphs) {
  if (numGlyphs != 1 || glyph.Empty()) return false;
  const int w = glyph.Width();
  const int h = glyph.Height();
  TBitmap both = glyph;
  both.SetWidth(2 * w);
  both.CopyRect(Rect(w, 0, 2 * w, h), DisabledImage(glyph), Rect(0, 0, w, h));
  glyph = both;
  return true;
}

namespace {

template <class Button>
bool AddToButton(TComponent* c) {
  auto* button = dynamic_cast<Button*>(c);
  if (!button) return false;
  TBitmap glyph = button->Glyph();
  if (AddDisabledImage(glyph, button->NumGlyphs())) {
    button->SetGlyph(glyph);
    button->SetNumGlyphs(2);
  }
  return true;
}

void AddToButton(TComponent* c) {
  if (!AddToButton<TSpeedButton>(c)) AddToButton<TBitBtn>(c);
}

// Controls that own their buttons, by class, and the names of those buttons.
struct ButtonParts {
  std::string_view className;
  std::vector<std::string_view> parts;
};
const std::vector<ButtonParts>& OwnedButtons() {
  static const std::vector<ButtonParts> table{
      {"TSelectPanel", {"btnBegin", "btnFinal", "btnList"}},
      {"TNtBtnDBEdit", {"F2Button"}},
  };
  return table;
}

}  // namespace

void AddDisabledImages(TComponent* component) {
  for (const ButtonParts& entry : OwnedButtons()) {
    if (!component->InheritsFrom(entry.className)) continue;
    for (std::string_view part : entry.parts) {
      if (TComponent* button = component->FindComponent(part)) AddToButton(button);
    }
    return;
  }
  AddToButton(component);
}

}  // namespace pxq::dialog
