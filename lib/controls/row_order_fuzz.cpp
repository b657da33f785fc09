// Rows added to a selection list in one batch must give the rows that adding them one at a
// time gives. The input is read as rows (lines; columns separated by tabs); its first byte
// chooses the order rules and how many rows were there before.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "lib/controls/row_order.h"

namespace {

using Row = std::vector<std::string>;

std::string_view Cell(const Row& row, int column) {
  return column < static_cast<int>(row.size()) ? std::string_view(row[static_cast<size_t>(column)])
                                               : std::string_view();
}

pxq::vcl::TRowKey Key(const pxq::vcl::TRowOrder& order, const Row& row) {
  return pxq::vcl::MakeRowKey(Cell(row, order.SortColumn), row[0], Cell(row, 1));
}

// Adding one row as the list does: append, sort stably, drop the later of repeated neighbours.
void AddOne(const pxq::vcl::TRowOrder& order, std::vector<const Row*>& list, const Row* row) {
  list.push_back(row);
  if (order.Sorted) {
    std::stable_sort(list.begin(), list.end(), [&](const Row* a, const Row* b) {
      return pxq::vcl::CompareRows(order, Key(order, *a), Key(order, *b)) < 0;
    });
  }
  if (order.Duplicates == pxq::vcl::cd_None) return;
  for (size_t i = list.size(); i-- > 1;) {
    if (i < list.size() &&
        pxq::vcl::SameCaption((*list[i])[0], (*list[i - 1])[0], order.Duplicates)) {
      list.erase(list.begin() + static_cast<std::ptrdiff_t>(i));
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1 || size > 4096) return 0;
  const uint8_t rules = data[0];
  const pxq::vcl::TRowOrder order{(rules & 1) != 0, (rules >> 1) % 3, (rules & 8) == 0,
                                  static_cast<pxq::vcl::TCheckDuplicate>((rules >> 4) % 3)};
  std::vector<Row> rows;
  Row row{std::string()};
  for (size_t i = 1; i < size; ++i) {
    const char c = static_cast<char>(data[i]);
    if (c == '\n') {
      rows.push_back(row);
      row = Row{std::string()};
    } else if (c == '\t') {
      row.emplace_back();
    } else {
      row.back() += c;
    }
  }
  rows.push_back(row);
  const int existing = std::min<int>(rules >> 6, static_cast<int>(rows.size()));

  std::vector<const Row*> expected;
  for (int i = 0; i < existing; ++i) expected.push_back(&rows[static_cast<size_t>(i)]);
  for (size_t i = static_cast<size_t>(existing); i < rows.size(); ++i)
    AddOne(order, expected, &rows[i]);

  std::vector<pxq::vcl::TRowKey> keys;
  for (const Row& r : rows) keys.push_back(Key(order, r));
  const std::vector<int> plan = pxq::vcl::PlanAddedRows(order, keys, existing);
  if (plan.size() != expected.size()) std::abort();
  for (size_t p = 0; p < plan.size(); ++p) {
    if (&rows[static_cast<size_t>(plan[p])] != expected[p]) std::abort();
  }
  return 0;
}
