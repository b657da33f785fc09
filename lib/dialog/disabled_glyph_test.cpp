#include "lib/dialog/disabled_glyph.h"

#include <gtest/gtest.h>

#include <memory>

#include "lib/controls/labelled_edits.h"
#include "lib/controls/select_panel.h"
#include "platform/vcl/buttons.h"
#include "platform/vcl/form.h"

namespace pxq::dialog {
namespace {

using namespace vcl;

// A 5 x 5 glyph: a transparent (fuchsia) border around a white 3 x 3 square whose centre is
// `centre`.
TBitmap SquareGlyph(TColor centre) {
  TBitmap glyph(5, 5);
  glyph.Fill(clFuchsia);
  glyph.FillRect(Rect(1, 1, 4, 4), clWhite);
  glyph.SetPixel(2, 2, centre);
  return glyph;
}

TEST(DisabledImage, MarksDarkPixelsAndLightEdgesOnly) {
  const TColor face = ColorToRGB(clBtnFace);
  const TColor light = ColorToRGB(clBtnHighlight);
  const TColor shadow = ColorToRGB(clBtnShadow);
  // A white centre surrounded by white is not marked: it only gets the highlight of the marked
  // edge pixel above and left of it.
  TBitmap white = DisabledImage(SquareGlyph(clWhite));
  EXPECT_EQ(white.Pixel(1, 1), shadow);  // white next to transparent: an edge
  EXPECT_EQ(white.Pixel(3, 3), shadow);
  EXPECT_EQ(white.Pixel(2, 2), light);
  EXPECT_EQ(white.Pixel(4, 4), light);  // the shifted highlight of (3, 3)
  EXPECT_EQ(white.Pixel(0, 0), face);   // transparent pixels are never marked
  EXPECT_EQ(white.Pixel(4, 0), face);
  // A dark centre is marked whatever its neighbours.
  EXPECT_EQ(DisabledImage(SquareGlyph(RGB(100, 100, 100))).Pixel(2, 2), shadow);
  // Light grey just at the threshold (384) is not dark.
  EXPECT_EQ(DisabledImage(SquareGlyph(RGB(128, 128, 128))).Pixel(2, 2), light);
}

TEST(DisabledImage, AtTheBorderThePixelStandsInForMissingNeighbours) {
  TBitmap glyph(3, 1);  // no transparent pixel at all except the bottom-left one
  glyph.SetPixel(0, 0, clFuchsia);
  glyph.SetPixel(1, 0, clWhite);
  glyph.SetPixel(2, 0, clWhite);
  const TBitmap disabled = DisabledImage(glyph);
  EXPECT_EQ(disabled.Pixel(1, 0), ColorToRGB(clBtnShadow));  // left neighbour is transparent
  EXPECT_EQ(disabled.Pixel(2, 0), ColorToRGB(clBtnFace));    // right edge: itself, not marked
}

TEST(DisabledImage, ButtonsWithOneImageGetTheDisabledOneBesideIt) {
  std::unique_ptr<TForm> form(CreateForm<TForm>(nullptr));
  auto* speed = new TSpeedButton(form.get());
  speed->SetGlyph(SquareGlyph(clWhite));
  auto* bit = new TBitBtn(form.get());
  bit->SetGlyph(SquareGlyph(clBlack));
  auto* two = new TSpeedButton(form.get());
  TBitmap pair(10, 5);
  pair.Fill(clRed);
  two->SetGlyph(pair);
  auto* none = new TSpeedButton(form.get());

  for (int i = 0; i < form->ComponentCount(); ++i) AddDisabledImages(form->Components(i));

  EXPECT_EQ(speed->NumGlyphs(), 2);
  ASSERT_EQ(speed->Glyph().Width(), 10);
  EXPECT_EQ(speed->Glyph().Pixel(2, 2), clWhite);  // the normal image stays on the left
  EXPECT_EQ(speed->Glyph().Pixel(7, 2), ColorToRGB(clBtnHighlight));
  EXPECT_EQ(bit->NumGlyphs(), 2);
  EXPECT_EQ(bit->Glyph().Pixel(7, 2), ColorToRGB(clBtnShadow));
  EXPECT_EQ(two->Glyph(), pair);  // already two images: left alone
  EXPECT_EQ(two->NumGlyphs(), 2);
  EXPECT_TRUE(none->Glyph().Empty());
  EXPECT_EQ(none->NumGlyphs(), 1);
}

TEST(DisabledImage, ControlsThatOwnLookupButtons) {
  std::unique_ptr<TForm> form(CreateForm<TForm>(nullptr));
  auto* panel = new TSelectPanel(form.get());
  TSpeedButton* parts[] = {panel->btnBegin, panel->btnFinal, panel->btnList, panel->btnDelete,
                           panel->btnClear};
  for (TSpeedButton* b : parts) b->SetGlyph(SquareGlyph(clWhite));
  auto* edit = new TNtBtnDBEdit(form.get());
  edit->Button()->SetGlyph(SquareGlyph(clWhite));

  AddDisabledImages(panel);
  AddDisabledImages(edit);
  // The three lookup buttons of the panel; its delete and clear buttons keep one image.
  const int expected[] = {2, 2, 2, 1, 1};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(parts[i]->NumGlyphs(), expected[i]) << parts[i]->Name();
  EXPECT_EQ(edit->Button()->NumGlyphs(), 2);
}

}  // namespace
}  // namespace pxq::dialog
