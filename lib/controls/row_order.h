// How the selection list orders its rows and drops repeated captions, and the plan that adds
// many rows at once with exactly the result of adding them one at a time.
//
// Adding one row: append it; with sorting, sort all rows stably; drop the later of two
// neighbouring rows whose captions are equal (RemoveDuplicates). A batch of k rows gives the
// same rows in the same order in O((n + k) log(n + k)): the rows are sorted once, and each
// added row is checked against its neighbours among the rows present at that moment.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/vcl/properties.h"

namespace pxq::vcl {

enum TCheckDuplicate : uint8_t { cd_None, cd_CheckCase, cd_CaseInsensitive };
const TEnumInfo& EnumInfoOf(TCheckDuplicate*);

struct TRowOrder {
  bool Sorted = false;  // keep the rows sorted
  int SortColumn = 0;   // 0 = caption, c = sub-item c - 1
  bool Ascending = true;
  TCheckDuplicate Duplicates = cd_None;
};

// Texts compared for sorting: ASCII letters without regard to case, every other byte by its
// value (the code pages order their double-byte characters the way the Chinese locales sort
// them: GB2312 by pronunciation, Big5 by stroke count).
int CompareRowText(std::string_view a, std::string_view b);
// Captions that count as repeated under `mode` (never under cd_None).
bool SameCaption(std::string_view a, std::string_view b, TCheckDuplicate mode);

// The texts of a row that its comparison reads: the sort column, then the caption and the
// first sub-item as tie-breaks (empty when the row lacks one).
struct TRowKey {
  std::string_view Sort;
  std::string_view Caption;
  std::string_view First;
  uint64_t SortPrefix = 0;  // the first 8 bytes of Sort as compared, for a quick first look
};
TRowKey MakeRowKey(std::string_view sort, std::string_view caption, std::string_view first);

// Compares two rows: the sort column, then caption and first sub-item in the order that the
// sort column gives (0: caption, first; 1: first, caption; c >= 2: c, caption, first); the
// result is negated when descending.
int CompareRows(const TRowOrder& order, const TRowKey& a, const TRowKey& b);

// The rows that remain after rows [existing, keys.size()) are added one at a time to rows
// [0, existing) (in their current order), as indexes into `keys` in their final order.
std::vector<int> PlanAddedRows(const TRowOrder& order, const std::vector<TRowKey>& keys,
                               int existing);

}  // namespace pxq::vcl
