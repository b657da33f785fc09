#include "lib/controls/radio_controls.h"

#include <gtest/gtest.h>

#include "lib/controls/register.h"
#include "platform/vcl/extctrls.h"
#include "platform/vcl/form_description.h"
#include "platform/vcl/headless_test.h"

namespace pxq::vcl {
namespace {

class RadioTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form = CreateForm<TForm>(nullptr);
    form->Font()->SetHeight(-12);
  }
  void TearDown() override { delete form; }
  testing::HeadlessApp app;
  TForm* form = nullptr;
};

TEST_F(RadioTest, CheckingOneUnchecksItsSiblings) {
  auto* panel = new TPanel(form);
  panel->SetParent(form);
  std::vector<TNtRadioButton*> buttons;
  std::vector<TObject*> clicked;
  for (int i = 0; i < 3; ++i) {
    auto* b = new TNtRadioButton(form);
    b->SetParent(panel);
    b->OnClick = [&](TObject* s) { clicked.push_back(s); };
    buttons.push_back(b);
  }
  EXPECT_EQ(buttons[0]->Width(), 113);
  EXPECT_FALSE(buttons[0]->TabStop());
  buttons[0]->SetChecked(true);
  buttons[2]->SetChecked(true);
  EXPECT_FALSE(buttons[0]->Checked());
  EXPECT_FALSE(buttons[1]->Checked());
  EXPECT_TRUE(buttons[2]->TabStop());
  EXPECT_EQ(clicked, (std::vector<TObject*>{buttons[0], buttons[2]}));
}

TEST(RadioCaptionTest, OffsetByFontSize) {
  const std::pair<int, int> cases[] = {{1, 17},  {8, 17},  {9, 19},  {15, 19}, {16, 20}, {17, 20},
                                       {18, 21}, {23, 21}, {24, 23}, {29, 23}, {30, 25}, {35, 25},
                                       {36, 27}, {41, 27}, {42, 29}, {43, 29}, {44, 31}, {60, 31},
                                       {61, 39}, {80, 39}, {81, 44}, {0, 44},  {-3, 44}};
  for (auto [size, offset] : cases) EXPECT_EQ(TNtRadioButton::CaptionOffset(size), offset) << size;
}

TEST_F(RadioTest, CaptionPaintArea) {
  auto* b = new TNtRadioButton(form);
  b->SetParent(form);
  b->Font()->SetSize(9);
  b->SetCaption("Item");
  const TRadioCaptionPaint p = b->CaptionPaint();
  EXPECT_EQ(p.TextLeft, 19);
  EXPECT_EQ(p.Fill, Rect(15, -4, 117, 21));
}

TEST_F(RadioTest, GroupArrangesItemsInColumns) {
  auto* g = new TNtRadioGroup(form);
  g->SetParent(form);
  g->SetBounds(0, 0, 210, 105);
  for (const char* s : {"a", "b", "c", "d", "e"}) g->Items()->Add(s);
  g->SetColumns(2);
  ASSERT_EQ(g->ButtonCount(), 5);
  // t = 12, rows 3, width (210-10)/2 = 100, free 105-12-5 = 88, height 29, margin 0+13.
  const std::array<TPoint, 5> at{{{8, 13}, {8, 42}, {8, 71}, {108, 13}, {108, 42}}};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ((TPoint{g->Buttons(i)->Left(), g->Buttons(i)->Top()}), at[static_cast<size_t>(i)])
        << i;
    EXPECT_EQ(g->Buttons(i)->Width(), 100);
    EXPECT_EQ(g->Buttons(i)->Caption(), g->Items()->Strings(i));
  }
  g->SetColumns(0);
  EXPECT_EQ(g->Columns(), 1);
  g->SetColumns(20);
  EXPECT_EQ(g->Columns(), 16);
}

TEST_F(RadioTest, ItemIndexClampsAndFollowsClicks) {
  auto* g = new TNtRadioGroup(form);
  g->SetParent(form);
  int clicks = 0;
  g->OnClick = [&](TObject*) { ++clicks; };
  for (const char* s : {"a", "b", "c", "d"}) g->Items()->Add(s);
  g->SetItemIndex(9);
  EXPECT_EQ(g->ItemIndex(), 3);
  EXPECT_TRUE(g->Buttons(3)->Checked());
  g->SetItemIndex(-7);
  EXPECT_EQ(g->ItemIndex(), -1);
  EXPECT_FALSE(g->Buttons(3)->Checked());
  EXPECT_EQ(clicks, 0) << "code does not click";

  g->Buttons(2)->Click();
  EXPECT_EQ(g->ItemIndex(), 2);
  EXPECT_EQ(clicks, 1);
  g->Items()->Delete(3);
  g->Items()->Delete(2);
  EXPECT_EQ(g->ItemIndex(), 1);
  EXPECT_TRUE(g->Buttons(1)->Checked());
  EXPECT_EQ(g->ButtonCount(), 2);
  EXPECT_EQ(clicks, 1);

  g->SetEnabled(false);
  EXPECT_FALSE(g->Buttons(0)->Enabled());
  g->Items()->Add("new");
  EXPECT_FALSE(g->Buttons(2)->Enabled()) << "new buttons take the group's Enabled";
}

TEST_F(RadioTest, GroupKeysReachTheGroup) {
  auto* g = new TNtRadioGroup(form);
  g->SetParent(form);
  g->Items()->Add("a");
  std::vector<char> pressed;
  g->OnKeyPress = [&](TObject* s, char& key) {
    EXPECT_EQ(s, g);
    pressed.push_back(key);
  };
  g->Buttons(0)->Perform(WM_CHAR, 'x');
  EXPECT_EQ(pressed, std::vector<char>{'x'});
}

TEST_F(RadioTest, TabsAreDrawnByRuleOrByTheHandler) {
  auto* pc = new TExtPageControl(form);
  pc->SetParent(form);
  std::vector<TTabSheet*> pages;
  for (const char* caption : {"One", "Two", "Three"}) {
    auto* ts = new TTabSheet(form);
    ts->SetPageControl(pc);
    ts->SetCaption(caption);
    pages.push_back(ts);
  }
  pages[0]->SetTabVisible(false);
  std::optional<TTabPaint> p = pc->DrawTab(1, Rect(0, 0, 60, 20), false);
  ASSERT_TRUE(p);
  EXPECT_EQ(p->Text, "Three") << "tabs count only visible pages";
  EXPECT_FALSE(p->Bold);
  EXPECT_EQ(p->FillColor, clInactiveCaption);
  EXPECT_EQ(p->TextRect, Rect(0, 2, 60, 20));
  p = pc->DrawTab(0, Rect(0, 0, 60, 20), true);
  EXPECT_EQ(p->Text, "Two");
  EXPECT_TRUE(p->Bold);
  EXPECT_EQ(p->Fill, Rect(2, 2, 58, 18));
  EXPECT_EQ(p->TextColor, clCaptionText);

  std::vector<int> drawn;
  pc->OnDrawTab = [&](TObject*, int tab, const TRect&, bool) { drawn.push_back(tab); };
  EXPECT_FALSE(pc->DrawTab(1, Rect(0, 0, 60, 20), false));
  EXPECT_EQ(drawn, std::vector<int>{1});
}

}  // namespace
}  // namespace pxq::vcl
