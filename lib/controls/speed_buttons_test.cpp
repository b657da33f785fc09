#include "lib/controls/speed_buttons.h"

#include <gtest/gtest.h>

#include "lib/controls/glyphs.h"
#include "lib/controls/test_forms.h"
#include "platform/os/codepage.h"
#include "platform/vcl/headless_test.h"
#include "testing/testing.h"

namespace pxq::vcl {
namespace {

class SpeedButtonTest : public ::testing::Test {
 protected:
  void SetUp() override {
    controls::SetGlyphFolder(std::filesystem::path(PXQ_DATA_DIR) / "glyphs");
    form = CreateForm<testing::TLookupForm>(nullptr);
    edit = new TEdit(form);
    edit->SetParent(form);
    edit->SetBounds(10, 20, 100, 21);
  }
  void TearDown() override {
    delete form;
    controls::SetGlyphFolder({});
  }
  testing::HeadlessApp app;
  testing::TLookupForm* form = nullptr;
  TEdit* edit = nullptr;
};

TEST_F(SpeedButtonTest, GlyphNumbersPicturesAndCaptions) {
  auto* b = new TGSpeedButton(form);
  EXPECT_EQ(b->GlyphIndex(), 0);
  EXPECT_TRUE(b->Flat());
  b->SetGlyphIndex(4);
  EXPECT_EQ(b->Caption(), "");
  EXPECT_EQ(b->NumGlyphs(), 2) << "a 32 x 16 glyph has two frames";
  b->SetGlyphIndex(8);
  EXPECT_EQ(b->NumGlyphs(), 1);
  EXPECT_EQ(b->Glyph().Width(), 16);
  b->SetGlyphIndex(0);
  EXPECT_EQ(b->Caption(), "0");
  EXPECT_TRUE(b->Glyph().Empty());
  for (int n : {82, 5, -3}) {
    b->SetGlyphIndex(n);
    EXPECT_EQ(b->Caption(), std::to_string(n));
    EXPECT_EQ(b->GlyphIndex(), n);
  }
  EXPECT_TRUE(app->Boxes().empty());
}

TEST_F(SpeedButtonTest, UnreadableGlyphShowsTheMessage) {
  pxq::testing::TempDir dir;
  pxq::testing::WriteFile(dir / "3.bmp", "BM broken");
  controls::SetGlyphFolder(dir.path());
  auto* b = new TGSpeedButton(form);
  b->SetGlyphIndex(3);
  ASSERT_EQ(app->Boxes().size(), 1u);
  EXPECT_EQ(app->Boxes()[0].Request.Text, os::Ansi("读取 BMP 发生错误"));
  EXPECT_EQ(b->GlyphIndex(), 3);
  EXPECT_EQ(b->Caption(), "3");
}

TEST_F(SpeedButtonTest, F2ButtonAlignsBesideItsControl) {
  auto* b = new TF2Button(form);
  b->SetParent(form);
  EXPECT_EQ(b->GlyphIndex(), 8);
  EXPECT_EQ(b->Gap(), 2);
  b->SetF2Control(edit);
  EXPECT_EQ(b->BoundsRect(), Bounds(112, 20, 21, 21));
  edit->SetLeft(0);
  b->SetGap(2);
  EXPECT_EQ(b->Left(), 112) << "an unchanged gap does not re-align";
  b->SetAutoAlign(true);
  EXPECT_EQ(b->Left(), 102) << "AutoAlign always re-aligns";
  EXPECT_TRUE(SetPropText(b, "Gap", "5"));
  EXPECT_EQ(b->Left(), 105);
  EXPECT_FALSE(SetPropText(b, "Gap", "300"));
  b->SetAutoAlign(false);
  b->SetGap(9);
  EXPECT_EQ(b->Left(), 105);
}

TEST_F(SpeedButtonTest, SecondButtonForTheSameControlIsRefused) {
  auto* first = new TF2Button(form);
  first->SetParent(form);
  auto* second = new TF2Button(form);
  second->SetParent(form);
  auto* edit2 = new TEdit(form);
  edit2->SetParent(form);
  first->SetF2Control(edit);
  second->SetF2Control(edit2);
  second->SetF2Control(edit);
  EXPECT_EQ(second->F2Control(), edit2) << "keeps its binding";
  ASSERT_EQ(app->Boxes().size(), 1u);
  EXPECT_EQ(app->Boxes()[0].Request.Text, os::Ansi("不能同时有两个 F2Button 指到同一个 Edit."));
  first->SetF2Control(edit);
  EXPECT_EQ(app->Boxes().size(), 1u) << "rebinding the same control is silent";
  EXPECT_TRUE(TrySetObjectProp(second, "F2Control", nullptr));
  EXPECT_EQ(second->F2Control(), nullptr);
  delete edit;
  edit = nullptr;
  EXPECT_EQ(first->F2Control(), nullptr) << "lets go of a control that is freed";
}

TEST_F(SpeedButtonTest, ClickAsksForTheLookupOfAFocusableControl) {
  auto* b = new TF2Button(form);
  b->SetParent(form);
  b->SetF2Control(edit);
  int clicks = 0;
  b->OnClick = [&](TObject*) { ++clicks; };
  form->Show();
  b->Click();
  EXPECT_TRUE(edit->Focused());
  EXPECT_EQ(form->Lookups, std::vector<TControl*>{edit});
  edit->SetEnabled(false);
  b->Click();
  EXPECT_EQ(form->Lookups.size(), 1u);
  EXPECT_EQ(clicks, 2);
  edit->SetEnabled(true);
  edit->SetVisible(false);
  b->Click();
  EXPECT_EQ(form->Lookups.size(), 1u) << "a control that cannot take the focus gets no lookup";
}

}  // namespace
}  // namespace pxq::vcl
