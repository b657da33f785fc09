#include "lib/controls/bit_check_box.h"

#include <gtest/gtest.h>

#include "lib/controls/register.h"
#include "lib/controls/text_extent.h"
#include "platform/vcl/form.h"
#include "platform/vcl/headless_test.h"

namespace pxq::vcl {
namespace {

class BitCheckBoxTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form = CreateForm<TForm>(nullptr);
    box = new TBitCheckBox(form);
    box->SetParent(form);
    box->OnClick = [this](TObject*) { ++clicks; };
  }
  void TearDown() override { delete form; }
  testing::HeadlessApp app;
  TForm* form = nullptr;
  TBitCheckBox* box = nullptr;
  int clicks = 0;
};

TEST_F(BitCheckBoxTest, CreationDefaults) {
  EXPECT_EQ(box->Width(), 97);
  EXPECT_EQ(box->Height(), 17);
  EXPECT_TRUE(box->TabStop());
  EXPECT_EQ(box->State(), cbUnchecked);
  EXPECT_EQ(box->Alignment(), lrRightJustify);
  for (auto s : {cbUnchecked, cbChecked, cbGrayed}) {
    EXPECT_EQ(box->Glyph(s).Width(), 19);
    EXPECT_EQ(box->Glyph(s).Height(), 14);
    EXPECT_EQ(box->NumGlyphs(s), 1);
  }
}

TEST_F(BitCheckBoxTest, ClickCycleWithAndWithoutGrayed) {
  box->Click();
  box->Click();
  EXPECT_EQ(box->State(), cbUnchecked);
  EXPECT_EQ(clicks, 2);

  box->SetAllowGrayed(true);
  std::vector<TCheckBoxState> seen;
  for (int i = 0; i < 3; ++i) {
    box->Click();
    seen.push_back(box->State());
  }
  EXPECT_EQ(seen, (std::vector<TCheckBoxState>{cbGrayed, cbChecked, cbUnchecked}));
  EXPECT_EQ(clicks, 5);
}

TEST_F(BitCheckBoxTest, StateWritesAndCheckedReads) {
  box->SetState(cbGrayed);
  EXPECT_FALSE(box->Checked());
  EXPECT_EQ(GetPropText(box, "State"), "cbGrayed");
  EXPECT_TRUE(SetPropText(box, "Checked", "True"));
  EXPECT_EQ(box->State(), cbChecked);
  EXPECT_EQ(clicks, 0) << "setting the state is not a click";
}

TEST_F(BitCheckBoxTest, SpaceAndAcceleratorKey) {
  form->Show();
  box->SetCaption("&Print");
  box->SetFocus();
  box->Perform(WM_CHAR, ' ');
  EXPECT_TRUE(box->Checked());
  EXPECT_EQ(clicks, 1);
  EXPECT_FALSE(box->DialogChar('x'));
  EXPECT_TRUE(box->DialogChar('p'));
  EXPECT_FALSE(box->Checked());
  EXPECT_EQ(clicks, 1) << "the accelerator toggles without OnClick";
}

TEST_F(BitCheckBoxTest, PictureFramesFollowTheirShape) {
  TBitmap two(38, 19);
  box->SetGlyph(cbChecked, two);
  EXPECT_EQ(box->NumGlyphs(cbChecked), 2);
  TBitmap three(30, 10);
  box->SetGlyph(cbGrayed, three);
  EXPECT_EQ(box->NumGlyphs(cbGrayed), 2) << "frame counts are clamped to 1..2";
  box->SetGlyph(cbChecked, TBitmap());
  EXPECT_EQ(box->Glyph(cbChecked), TBitCheckBox::BuiltInGlyph(cbChecked));
  EXPECT_EQ(box->NumGlyphs(cbChecked), 1);
  box->SetUncheckedNumGlyphs(0);
  EXPECT_EQ(box->UncheckedNumGlyphs(), 1);
}

TEST_F(BitCheckBoxTest, PaintLayoutRightAndLeftJustified) {
  box->SetCaption("Ab&c");
  const TFont& font = *box->Font();
  const int tw = TextWidthOf(font, "Ab&c") - TextWidthOf(font, "&");
  const int th = TextHeightOf(font);

  TBitCheckBoxPaint p = box->PaintLayout();
  EXPECT_EQ(p.FrameWidth, 19);
  EXPECT_EQ(p.TextRect.Left, 23);
  EXPECT_EQ(p.TextRect.Right, 23 + tw);
  EXPECT_EQ(p.TextRect.Top, std::max(0, (17 - th) / 2 - 2));
  EXPECT_EQ(p.PictureAt, (TPoint{0, (17 - 14) / 2}));
  EXPECT_FALSE(p.FocusRect);

  box->SetAlignment(lrLeftJustify);
  p = box->PaintLayout();
  EXPECT_EQ(p.TextRect.Left, 1);
  EXPECT_EQ(p.PictureAt.X, 97 - 19);
}

TEST_F(BitCheckBoxTest, PaintLayoutDisabledAndFocused) {
  TBitmap two(38, 19);
  box->SetGlyph(cbUnchecked, two);
  box->SetCaption("Print");
  box->SetEnabled(false);
  TBitCheckBoxPaint p = box->PaintLayout();
  EXPECT_EQ(p.Frame, 1);
  EXPECT_TRUE(p.ShadowText);
  EXPECT_EQ(p.TextColor, clGrayText);
  box->SetCtl3D(false);
  EXPECT_FALSE(box->PaintLayout().ShadowText);

  box->SetEnabled(true);
  form->Show();
  box->SetFocus();
  p = box->PaintLayout();
  EXPECT_EQ(p.Frame, 0);
  ASSERT_TRUE(p.FocusRect);
  EXPECT_EQ(p.FocusRect->Left, p.TextRect.Left - 1);
  EXPECT_EQ(p.FocusRect->Right, p.TextRect.Right + 1);
}

TEST_F(BitCheckBoxTest, KipCheckBoxIsCreatedByName) {
  RegisterControlClasses();
  const TMetaClass* cls = FindClass("TKipCheckBox");
  ASSERT_NE(cls, nullptr);
  TComponent* c = cls->Create(form);
  EXPECT_NE(dynamic_cast<TBitCheckBox*>(c), nullptr);
}

}  // namespace
}  // namespace pxq::vcl
