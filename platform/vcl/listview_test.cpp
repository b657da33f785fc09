#include "platform/vcl/listview.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/vcl/form.h"
#include "platform/vcl/headless_test.h"
#include "platform/vcl/pagecontrol.h"

namespace pxq::vcl {
namespace {

std::vector<std::string> Captions(const TListView& lv) {
  std::vector<std::string> v;
  for (int i = 0; i < lv.Items()->Count(); ++i) v.push_back(lv.Items()->Item(i)->Caption());
  return v;
}

class ListView : public ::testing::Test {
 protected:
  testing::HeadlessApp app;
  TForm* form = new TForm(nullptr);
  TListView* lv = new TListView(form);

  void SetUp() override {
    lv->SetParent(form);
    for (const char* c : {"b", "C", "a"}) {
      TListItem* item = lv->Items()->Add();
      item->SetCaption(c);
      item->SubItems()->Add(std::string("sub ") + c);
    }
  }
  void TearDown() override { delete form; }
};

TEST_F(ListView, SortsByCaptionOrByOnCompareAndStaysSorted) {
  lv->AlphaSort();
  EXPECT_EQ(Captions(*lv), (std::vector<std::string>{"a", "b", "C"}));

  lv->OnCompare = [](TObject*, TListItem* x, TListItem* y, intptr_t, int& result) {
    result = y->Caption().compare(x->Caption());  // byte order, descending
  };
  lv->SetSortType(stText);
  EXPECT_EQ(Captions(*lv), (std::vector<std::string>{"b", "a", "C"}));
  TListItem* added = lv->Items()->Add();
  added->SubItems()->Add("sub c");
  added->SetCaption("c");  // a sorted list keeps its order
  EXPECT_EQ(Captions(*lv), (std::vector<std::string>{"c", "b", "a", "C"}));

  lv->CustomSort(
      [](TListItem* x, TListItem* y, intptr_t data) {
        return static_cast<int>(data) *
               x->SubItems()->Strings(0).compare(y->SubItems()->Strings(0));
      },
      1);
  EXPECT_EQ(lv->Items()->Item(0)->SubItems()->Strings(0), "sub C");
}

TEST_F(ListView, SelectionAndInPlaceEditOfACaption) {
  std::vector<std::string> selections;
  lv->OnSelectItem = [&](TObject*, TListItem* item, bool selected) {
    selections.push_back(item->Caption() + (selected ? "+" : "-"));
  };
  lv->SetItemIndex(1);
  lv->Items()->Item(2)->SetSelected(true);  // single selection: the other one goes
  EXPECT_EQ(lv->ItemIndex(), 2);
  EXPECT_EQ(lv->SelCount(), 1);
  EXPECT_EQ(selections, (std::vector<std::string>{"C+", "C-", "a+"}));

  lv->OnEditing = [](TObject*, TListItem* item, bool& allow) { allow = item->Caption() != "b"; };
  lv->OnEdited = [](TObject*, TListItem*, std::string& s) { s += "!"; };
  EXPECT_FALSE(lv->Items()->Item(0)->EditCaption());
  ASSERT_TRUE(lv->Selected()->EditCaption());
  EXPECT_TRUE(lv->IsEditing());
  lv->EndEditCaption("renamed");
  EXPECT_EQ(lv->Items()->Item(2)->Caption(), "renamed!");
  ASSERT_TRUE(lv->BeginEditCaption(lv->Items()->Item(1)));
  lv->EndEditCaption("dropped", false);
  EXPECT_EQ(lv->Items()->Item(1)->Caption(), "C");

  // Deleting the row being edited ends the edit.
  lv->BeginEditCaption(lv->Items()->Item(1));
  lv->Items()->Delete(1);
  EXPECT_FALSE(lv->IsEditing());
  lv->EndEditCaption("late");
  EXPECT_EQ(Captions(*lv), (std::vector<std::string>{"b", "renamed!"}));
}

TEST_F(ListView, UpdatesAreAnnouncedOnceAndRowsReachedByPath) {
  struct Counter : TModelObserver {
    int items = 0;
    void PropertyChanged(TPersistent&, std::string_view p) override { items += p == "Items"; }
  } counter;
  Application().AddObserver(&counter);
  lv->Items()->BeginUpdate();
  for (int i = 0; i < 5; ++i) lv->Items()->Add()->SetCaption("x");
  lv->Items()->EndUpdate();
  Application().RemoveObserver(&counter);
  EXPECT_EQ(counter.items, 1);

  lv->Columns()->Add()->SetCaption("Name");
  EXPECT_TRUE(SetPropText(lv, "Items[0].Caption", "first"));
  EXPECT_TRUE(SetPropText(lv, "Items[0].SubItems[1]", "second sub"));
  EXPECT_EQ(lv->Items()->Item(0)->Caption(), "first");
  EXPECT_EQ(lv->Items()->Item(0)->SubItems()->Count(), 2);
  EXPECT_EQ(GetStrPropByName(lv, "Columns[0].Caption"), "Name");
  EXPECT_FALSE(SetPropText(lv, "Columns[9].Caption", "none"));
}

TEST(PageControl, RemovingOrHidingPagesKeepsAVisiblePage) {
  testing::HeadlessApp app;
  auto* form = new TForm(nullptr);
  auto* pg = new TPageControl(form);
  pg->SetParent(form);
  auto* ts1 = new TTabSheet(form);
  auto* ts2 = new TTabSheet(form);
  auto* ts3 = new TTabSheet(form);
  for (TTabSheet* ts : {ts1, ts2, ts3}) ts->SetPageControl(pg);
  EXPECT_EQ(pg->ActivePage(), ts1);
  EXPECT_TRUE(ts1->Visible());
  EXPECT_FALSE(ts2->Visible());

  ts2->SetTabVisible(false);
  EXPECT_EQ(ts3->TabIndex(), 1);
  EXPECT_EQ(pg->PageForTab(1), ts3);
  pg->SelectNextPage(true);  // skips the hidden tab
  EXPECT_EQ(pg->ActivePage(), ts3);
  pg->SelectNextPage(false, false);
  EXPECT_EQ(pg->ActivePage(), ts2);

  delete ts2;  // the active page goes: the next page shows
  EXPECT_EQ(pg->PageCount(), 2);
  EXPECT_EQ(pg->ActivePage(), ts3);
  EXPECT_TRUE(ts3->Visible());
  ts3->SetPageIndex(0);
  EXPECT_EQ(pg->Pages(0), ts3);
  delete form;
}

}  // namespace
}  // namespace pxq::vcl
