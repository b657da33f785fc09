#include "lib/controls/kip_list_view.h"

#include <algorithm>

#include "lib/controls/text_extent.h"

namespace pxq::vcl {

PXQ_REGISTER_CLASS(TKipListView, TListView)
void TKipListView::DefineClass(TClassBuilder<TKipListView>& c) {
  c.Bool("ColumnsAutoSize", &TKipListView::ColumnsAutoSize, &TKipListView::SetColumnsAutoSize);
}

TKipListView::TKipListView(TComponent* owner) : TListView(owner) {}

const std::string& TKipListView::CellText(const TListItem* item, int column) {
  static const std::string empty;
  if (column <= 0) return item->Caption();
  const TStrings* sub = item->SubItems();
  return column - 1 < sub->Count() ? sub->Strings(column - 1) : empty;
}

TRowKey TKipListView::KeyOf(const TListItem* item) const {
  return MakeRowKey(CellText(item, order_.SortColumn), item->Caption(), CellText(item, 1));
}

void TKipListView::SetRowOrder(const TRowOrder& order) {
  const bool resort = order.Sorted && (!order_.Sorted || order.SortColumn != order_.SortColumn ||
                                       order.Ascending != order_.Ascending);
  order_ = order;
  order_.SortColumn = std::max(order_.SortColumn, 0);
  if (resort && !Updating()) SortRows();
}

void TKipListView::AddColumnsUpTo(int count) {
  while (Columns()->Count() < count) {
    Columns()->Add()->SetCaption("Data" + std::to_string(Columns()->Count()));
  }
}

void TKipListView::PadRows(int subItems) {
  for (int i = 0; i < Items()->Count(); ++i) {
    TStrings* sub = Items()->Item(i)->SubItems();
    while (sub->Count() < subItems) sub->Add(std::string());
  }
}

TListItem* TKipListView::AppendItem(std::vector<std::string>&& values, int subItems) {
  TListItem* item = Items()->Add();
  item->SetCaption(std::move(values[0]));
  TStrings* sub = item->SubItems();
  for (size_t i = 1; i < values.size(); ++i) sub->Add(std::move(values[i]));
  while (sub->Count() < subItems) sub->Add(std::string());
  return item;
}

bool TKipListView::AddRow(const std::vector<std::string>& values) {
  if (values.empty()) return false;
  try {
    AddColumnsUpTo(static_cast<int>(values.size()));
    if (Updating()) {
      staged_.push_back(values);
      return true;
    }
    AppendItem(std::vector<std::string>(values), 0);
    SortRows();
    int most = 0;
    for (int i = 0; i < Items()->Count(); ++i) {
      most = std::max(most, Items()->Item(i)->SubItems()->Count());
    }
    PadRows(most);
    RemoveDuplicates();
    if (columnsAutoSize_) AutoSizeColumns();
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

void TKipListView::ClearRows() {
  staged_.clear();
  Items()->Clear();
}

void TKipListView::BeginUpdate() {
  if (batchDepth_++ == 0) staged_.clear();
  TListView::BeginUpdate();
}

void TKipListView::EndUpdate() {
  if (batchDepth_ == 0) return;
  if (--batchDepth_ == 0 && !staged_.empty()) {
    try {
      ApplyBatch();
    } catch (...) {
      TListView::EndUpdate();
      throw;
    }
  }
  TListView::EndUpdate();
}

void TKipListView::SortRows() {
  if (!order_.Sorted || Items()->Count() < 2) return;
  CustomSort([this](TListItem* a, TListItem* b,
                    intptr_t) { return CompareRows(order_, KeyOf(a), KeyOf(b)); },
             0);
}

void TKipListView::RemoveDuplicates() {
  if (order_.Duplicates == cd_None) return;
  for (int i = Items()->Count() - 1; i >= 1; --i) {
    if (i >= Items()->Count()) continue;
    if (SameCaption(Items()->Item(i)->Caption(), Items()->Item(i - 1)->Caption(),
                    order_.Duplicates)) {
      Items()->Delete(i);
    }
  }
}

void TKipListView::AutoSizeColumns() {
  const int w = TextWidthOf(*Font(), "W");
  const int columns = Columns()->Count();
  std::vector<size_t> longest(static_cast<size_t>(columns), 0);
  for (int c = 0; c < columns; ++c)
    longest[static_cast<size_t>(c)] = Columns()->Items(c)->Caption().size();
  for (int i = 0; i < Items()->Count(); ++i) {
    const TListItem* item = Items()->Item(i);
    if (columns > 0) longest[0] = std::max(longest[0], item->Caption().size());
    const TStrings* sub = item->SubItems();
    const int n = std::min(sub->Count(), columns - 1);
    for (int c = 0; c < n; ++c) {
      longest[static_cast<size_t>(c) + 1] =
          std::max(longest[static_cast<size_t>(c) + 1], sub->Strings(c).size());
    }
  }
  for (int c = 0; c < columns; ++c) {
    const size_t width =
        std::min<size_t>(longest[static_cast<size_t>(c)], 1000000 / std::max(w, 1));
    Columns()->Items(c)->SetWidth(w * static_cast<int>(width));
  }
}

// Orders the rows of the batch as adding them one at a time would have. Every row is padded
// to the most sub-items any row had. When the rows already there stay as they are, the added
// rows that remain are appended in their final order; otherwise all are appended, put in their
// final order by one stable sort on their final position (kept for the sort in the rows'
// Data), and the rows that go away, gathered at the end, are deleted from the end.
void TKipListView::ApplyBatch() {
  std::vector<std::vector<std::string>> staged = std::move(staged_);
  staged_.clear();
  const int existing = Items()->Count();
  int most = 0;
  for (int i = 0; i < existing; ++i) most = std::max(most, Items()->Item(i)->SubItems()->Count());
  for (const auto& row : staged) most = std::max(most, static_cast<int>(row.size()) - 1);
  PadRows(most);

  static const std::string empty;
  auto stagedText = [&](const std::vector<std::string>& row, int column) -> const std::string& {
    return column < static_cast<int>(row.size()) ? row[static_cast<size_t>(column)] : empty;
  };
  std::vector<TRowKey> keys;
  keys.reserve(static_cast<size_t>(existing) + staged.size());
  for (int i = 0; i < existing; ++i) keys.push_back(KeyOf(Items()->Item(i)));
  for (const auto& row : staged) {
    keys.push_back(MakeRowKey(stagedText(row, order_.SortColumn), row[0], stagedText(row, 1)));
  }
  const std::vector<int> plan = PlanAddedRows(order_, keys, existing);
  keys.clear();

  bool existingKept = static_cast<int>(plan.size()) >= existing;
  for (int p = 0; existingKept && p < existing; ++p)
    existingKept = plan[static_cast<size_t>(p)] == p;
  if (existingKept) {
    for (size_t p = static_cast<size_t>(existing); p < plan.size(); ++p) {
      AppendItem(std::move(staged[static_cast<size_t>(plan[p] - existing)]), most);
    }
  } else {
    const int count = existing + static_cast<int>(staged.size());
    std::vector<TListItem*> rows;
    rows.reserve(static_cast<size_t>(count));
    for (int i = 0; i < existing; ++i) rows.push_back(Items()->Item(i));
    for (auto& row : staged) rows.push_back(AppendItem(std::move(row), most));
    // Final position of each row; rows that go away follow in their present order.
    std::vector<intptr_t> position(static_cast<size_t>(count), -1);
    for (size_t p = 0; p < plan.size(); ++p) {
      position[static_cast<size_t>(plan[p])] = static_cast<intptr_t>(p);
    }
    intptr_t next = static_cast<intptr_t>(plan.size());
    std::vector<void*> data(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
      TListItem* row = rows[static_cast<size_t>(i)];
      data[static_cast<size_t>(i)] = row->Data();
      if (position[static_cast<size_t>(i)] < 0) position[static_cast<size_t>(i)] = next++;
      row->SetData(reinterpret_cast<void*>(position[static_cast<size_t>(i)]));
    }
    CustomSort(
        [](TListItem* a, TListItem* b, intptr_t) {
          const auto x = reinterpret_cast<intptr_t>(a->Data());
          const auto y = reinterpret_cast<intptr_t>(b->Data());
          return x < y ? -1 : (x > y ? 1 : 0);
        },
        0);
    for (int i = 0; i < count; ++i) {
      rows[static_cast<size_t>(i)]->SetData(data[static_cast<size_t>(i)]);
    }
    for (int i = count - 1; i >= static_cast<int>(plan.size()); --i) Items()->Delete(i);
  }
  if (columnsAutoSize_) AutoSizeColumns();
}

}  // namespace pxq::vcl
