#include "lib/controls/kip_list_view.h"

#include <gtest/gtest.h>

#include <random>

#include "platform/vcl/form.h"
#include "platform/vcl/headless_test.h"

namespace pxq::vcl {
namespace {

using Table = std::vector<std::vector<std::string>>;

Table Rows(const TKipListView& list) {
  Table rows;
  for (int i = 0; i < list.Items()->Count(); ++i) {
    const TListItem* item = list.Items()->Item(i);
    std::vector<std::string> row{item->Caption()};
    for (int s = 0; s < item->SubItems()->Count(); ++s) row.push_back(item->SubItems()->Strings(s));
    rows.push_back(row);
  }
  return rows;
}

std::vector<int> Widths(const TKipListView& list) {
  std::vector<int> widths;
  for (int c = 0; c < list.Columns()->Count(); ++c)
    widths.push_back(list.Columns()->Items(c)->Width());
  return widths;
}

// Rows drawn from a few captions in both letter cases, with 0 to 3 sub-items, so that
// repeats, case variants and ties in every column are frequent.
Table RandomRows(std::mt19937& rng, int n) {
  const std::vector<std::string> words{"a", "A", "b", "B", "ab", "AB", "c", ""};
  Table rows;
  for (int i = 0; i < n; ++i) {
    std::vector<std::string> row{words[rng() % words.size()]};
    const int subs = static_cast<int>(rng() % 4);
    for (int s = 0; s < subs; ++s) row.push_back(words[rng() % 4]);
    rows.push_back(row);
  }
  return rows;
}

TEST(KipListViewBatchTest, BatchEqualsAddingRowsOneByOne) {
  testing::HeadlessApp app;
  std::mt19937 rng(20240611);
  int configurations = 0;
  for (bool sorted : {false, true}) {
    for (int column : {0, 1, 2}) {
      for (bool ascending : {true, false}) {
        for (TCheckDuplicate dup : {cd_None, cd_CheckCase, cd_CaseInsensitive}) {
          for (int existing : {0, 7}) {
            const TRowOrder order{sorted, column, ascending, dup};
            const Table before = RandomRows(rng, existing);
            const Table added = RandomRows(rng, 60);
            TKipListView single(nullptr), batch(nullptr);
            // Rows already there, in any order and with repeats, as other code may leave them.
            for (TKipListView* list : {&single, &batch}) {
              for (const auto& row : before) {
                TListItem* item = list->Items()->Add();
                item->SetCaption(row[0]);
                for (size_t s = 1; s < row.size(); ++s) item->SubItems()->Add(row[s]);
              }
              list->SetRowOrder(order);
            }
            for (const auto& row : added) single.AddRow(row);
            batch.BeginUpdate();
            for (const auto& row : added) EXPECT_TRUE(batch.AddRow(row));
            batch.EndUpdate();
            const std::string where = "sorted " + std::to_string(sorted) + " column " +
                                      std::to_string(column) + " ascending " +
                                      std::to_string(ascending) + " dup " + std::to_string(dup) +
                                      " existing " + std::to_string(existing);
            EXPECT_EQ(Rows(batch), Rows(single)) << where;
            EXPECT_EQ(Widths(batch), Widths(single)) << where;
            ++configurations;
          }
        }
      }
    }
  }
  EXPECT_EQ(configurations, 72);
}

TEST(KipListViewBatchTest, BatchKeepsRowDataAndNestedBatchesApplyOnce) {
  testing::HeadlessApp app;
  TKipListView list(nullptr);
  list.SetRowOrder({true, 0, true, cd_CheckCase});
  list.AddRow({"m"});
  int marker = 0;
  list.Items()->Item(0)->SetData(&marker);
  list.BeginUpdate();
  list.BeginUpdate();
  list.AddRow({"z"});
  list.AddRow({"a"});
  list.EndUpdate();
  EXPECT_EQ(Rows(list), (Table{{"m"}})) << "still collecting";
  list.AddRow({"m"});
  list.EndUpdate();
  EXPECT_EQ(Rows(list), (Table{{"a"}, {"m"}, {"z"}}));
  EXPECT_EQ(list.Items()->Item(1)->Data(), &marker);
  list.EndUpdate();  // unbalanced: ignored
  list.BeginUpdate();
  list.AddRow({"q"});
  list.ClearRows();
  list.AddRow({"r"});
  list.EndUpdate();
  EXPECT_EQ(Rows(list), (Table{{"r"}}));
}

}  // namespace
}  // namespace pxq::vcl
