#include "lib/controls/labelled_edits.h"

#include <gtest/gtest.h>

#include "lib/controls/glyphs.h"
#include "lib/controls/test_forms.h"
#include "platform/os/codepage.h"
#include "platform/vcl/headless_test.h"

namespace pxq::vcl {
namespace {

class LabelledEditTest : public ::testing::Test {
 protected:
  void SetUp() override {
    controls::SetGlyphFolder(std::filesystem::path(PXQ_DATA_DIR) / "glyphs");
    form = CreateForm<testing::TLookupForm>(nullptr);
    form->Font()->SetHeight(-12);  // headless text: 6 pixels a byte, 12 high
  }
  void TearDown() override {
    delete form;
    controls::SetGlyphFolder({});
  }
  testing::HeadlessApp app;
  testing::TLookupForm* form = nullptr;
};

TEST_F(LabelledEditTest, LabelPlacementByPosition) {
  auto* ed = new TNtEdit(form);
  ed->SetParent(form);
  ed->SetBounds(100, 50, 80, 21);
  ed->SetLabelCaption("Name");  // 24 x 12
  TLabel* label = ed->EditLabel();
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->Name(), "EditLabel");
  EXPECT_EQ(label->Owner(), ed);
  EXPECT_EQ(label->Parent(), form);
  EXPECT_EQ(label->FocusControl(), ed);
  struct Case {
    TLabelPosition pos;
    TPoint at;
  };
  const Case cases[] = {{lpLeft, {100 - 24 - 4, 50 + (21 - 12) / 2}},
                        {lpRight, {100 + 80 + 4, 54}},
                        {lpAbove, {100, 50 - 12 - 4}},
                        {lpBelow, {100, 50 + 21 + 4}}};
  for (const Case& c : cases) {
    ed->SetLabelPosition(c.pos);
    EXPECT_EQ((TPoint{label->Left(), label->Top()}), c.at) << int(c.pos);
  }
  ed->SetLabelSpacing(-1);
  EXPECT_EQ(ed->LabelSpacing(), 4);
  ed->SetLabelSpacing(0);
  ed->SetLeft(10);
  EXPECT_EQ(label->Top(), 50 + 21);
  EXPECT_EQ(label->Left(), 10);

  ed->SetEnabled(false);
  ed->SetVisible(false);
  EXPECT_FALSE(label->Enabled());
  EXPECT_FALSE(label->Visible());
  EXPECT_EQ(GetStrPropByName(ed, "Caption"), "Name");
  delete label;
  EXPECT_EQ(ed->EditLabel(), nullptr);
  EXPECT_EQ(ed->LabelCaption(), "") << "reads empty once the label is gone";
  ed->SetLabelCaption("again");
  ed->SetBounds(0, 0, 10, 10);
}

TEST_F(LabelledEditTest, ButtonEditLooksUpOrRaisesOnDialog) {
  auto* ed = new TNtBtnDBEdit(form);
  ed->SetParent(form);
  ed->SetBounds(10, 10, 100, 21);
  TGSpeedButton* b = ed->Button();
  ASSERT_NE(b, nullptr);
  EXPECT_EQ(b->Name(), "F2Button");
  EXPECT_EQ(b->GlyphIndex(), 8);
  EXPECT_EQ(b->BoundsRect(), Bounds(112, 10, 21, 21));
  ed->SetButtonSpacing(5);
  EXPECT_EQ(b->Left(), 115);
  EXPECT_TRUE(SetPropText(ed, "GlyphIndex", "9"));
  EXPECT_EQ(b->GlyphIndex(), 9);
  SetStrPropByName(ed, "ButtonHint", "pick");
  EXPECT_EQ(b->Hint(), "pick");

  form->Show();
  b->Click();
  EXPECT_EQ(form->Lookups, std::vector<TControl*>{ed});
  int dialogs = 0;
  ed->OnDialog = [&](TObject* s) {
    EXPECT_EQ(s, ed);
    ++dialogs;
  };
  b->Click();
  EXPECT_EQ(dialogs, 1);
  EXPECT_EQ(form->Lookups.size(), 1u) << "OnDialog replaces the lookup request";
  ed->SetEnabled(false);
  EXPECT_FALSE(b->Enabled());
}

TEST_F(LabelledEditTest, AttachedLabelAlignsAndStaysOnTheForm) {
  auto* ed = new TEdit(form);
  ed->SetParent(form);
  ed->SetBounds(10, 30, 80, 20);
  auto* label = new TDBLabel(form);
  label->SetParent(form);
  EXPECT_EQ(label->Caption(), os::Ansi("挂靠标签"));
  label->SetCaption("Date");  // 24 x 12
  label->SetFocusControl(ed);
  EXPECT_EQ((TPoint{label->Left(), label->Top()}), (TPoint{0, 30 + 10 - 6}))
      << "left of a control near the edge: at 0";
  struct Case {
    TPos pos;
    TPoint at;
  };
  const Case cases[] = {
      {psRight, {10 + 80 + 4, 34}}, {psTop, {10, 30 - 12 - 4}}, {psBottom, {10, 54}}};
  for (const Case& c : cases) {
    label->SetPos(c.pos);
    EXPECT_EQ((TPoint{label->Left(), label->Top()}), c.at) << int(c.pos);
  }
  ed->SetBounds(10, 2, 80, 12);
  label->SetPos(psLeft);
  EXPECT_EQ(label->Top(), 2) << "as high as the control: same top";
  label->SetPos(psTop);
  EXPECT_EQ(label->Top(), 0);
  label->SetAutoAlign(false);
  label->SetLeft(300);
  label->SetGap(9);
  EXPECT_EQ(label->Left(), 300);
}

TEST_F(LabelledEditTest, SecondAttachedLabelIsRefused) {
  auto* ed = new TEdit(form);
  ed->SetParent(form);
  auto* first = new TDBLabel(form);
  first->SetParent(form);
  auto* second = new TDBLabel(form);
  second->SetParent(form);
  first->SetFocusControl(ed);
  second->SetFocusControl(ed);
  EXPECT_EQ(second->FocusControl(), nullptr);
  ASSERT_EQ(app->Boxes().size(), 1u);
  EXPECT_EQ(app->Boxes()[0].Request.Text, os::Ansi("不能同时有两个 DBLabel 指到同一个 Control."));
  first->SetFocusControl(ed);
  EXPECT_EQ(app->Boxes().size(), 1u);
  delete ed;
  EXPECT_EQ(first->FocusControl(), nullptr);
}

TEST_F(LabelledEditTest, SpinEditSignsAndSilence) {
  auto* se = new TNtSpinEdit(form);
  se->SetParent(form);
  std::vector<std::string> changes;
  se->OnChange = [&](TObject*) { changes.push_back(se->Text()); };
  se->SetText("12+");
  EXPECT_EQ(se->Text(), "12");
  se->SetText("-5");
  EXPECT_EQ(se->Text(), "-5");
  se->SetText("");
  se->SetText("+");
  EXPECT_EQ(changes, (std::vector<std::string>{"12", "-5", "+"}));
}

}  // namespace
}  // namespace pxq::vcl
