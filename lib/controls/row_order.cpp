#include "lib/controls/row_order.h"

#include <algorithm>
#include <bit>
#include <numeric>

namespace pxq::vcl {

const TEnumInfo& EnumInfoOf(TCheckDuplicate*) {
  static const TEnumInfo info{"TCheckDuplicate", {"cd_None", "cd_CheckCase", "cd_CaseInsensitive"}};
  return info;
}

namespace {

inline unsigned char Fold(unsigned char c) {
  return c >= 'a' && c <= 'z' ? static_cast<unsigned char>(c - 32) : c;
}

// A set of positions 0..n-1 with the nearest member before and after a position, in a few
// word operations (a 64-way tree of bit words).
class PresenceSet {
 public:
  static constexpr size_t npos = static_cast<size_t>(-1);

  explicit PresenceSet(size_t n) {
    size_t words = n;
    do {
      words = (words + 63) / 64;
      levels_.emplace_back(words, 0);
    } while (words > 1);
  }
  bool Contains(size_t i) const { return (levels_[0][i / 64] >> (i % 64)) & 1; }
  void Insert(size_t i) {
    for (auto& level : levels_) {
      level[i / 64] |= uint64_t{1} << (i % 64);
      i /= 64;
    }
  }
  void Erase(size_t i) {
    for (auto& level : levels_) {
      level[i / 64] &= ~(uint64_t{1} << (i % 64));
      if (level[i / 64] != 0) break;
      i /= 64;
    }
  }
  // The smallest member above i, or npos.
  size_t Next(size_t i) const {
    size_t level = 0;
    for (;; ++level) {
      if (level == levels_.size()) return npos;
      const size_t bit = i % 64;
      const uint64_t above = bit == 63 ? 0 : levels_[level][i / 64] & (~uint64_t{0} << (bit + 1));
      if (above) {
        i = i / 64 * 64 + static_cast<size_t>(std::countr_zero(above));
        break;
      }
      i /= 64;
    }
    while (level-- > 0) i = i * 64 + static_cast<size_t>(std::countr_zero(levels_[level][i]));
    return i;
  }
  // The largest member below i, or npos.
  size_t Prev(size_t i) const {
    size_t level = 0;
    for (;; ++level) {
      if (level == levels_.size()) return npos;
      const size_t bit = i % 64;
      const uint64_t below = levels_[level][i / 64] & ((uint64_t{1} << bit) - 1);
      if (below) {
        i = i / 64 * 64 + 63 - static_cast<size_t>(std::countl_zero(below));
        break;
      }
      i /= 64;
    }
    while (level-- > 0) i = i * 64 + 63 - static_cast<size_t>(std::countl_zero(levels_[level][i]));
    return i;
  }

 private:
  std::vector<std::vector<uint64_t>> levels_;
};

}  // namespace

int CompareRowText(std::string_view a, std::string_view b) {
  const size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    const unsigned char x = Fold(static_cast<unsigned char>(a[i]));
    const unsigned char y = Fold(static_cast<unsigned char>(b[i]));
    if (x != y) return x < y ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

bool SameCaption(std::string_view a, std::string_view b, TCheckDuplicate mode) {
  switch (mode) {
    case cd_CheckCase:
      return a == b;
    case cd_CaseInsensitive:
      return a.size() == b.size() && CompareRowText(a, b) == 0;
    default:
      return false;
  }
}

TRowKey MakeRowKey(std::string_view sort, std::string_view caption, std::string_view first) {
  // Shorter texts sort first, so missing bytes count as the lowest byte: a prefix that differs
  // orders the texts as the whole comparison does.
  uint64_t prefix = 0;
  for (size_t i = 0; i < 8; ++i) {
    const unsigned char c = i < sort.size() ? Fold(static_cast<unsigned char>(sort[i])) : 0;
    prefix = (prefix << 8) | c;
  }
  return {sort, caption, first, prefix};
}

int CompareRows(const TRowOrder& order, const TRowKey& a, const TRowKey& b) {
  if (a.SortPrefix != b.SortPrefix) {
    const int result = a.SortPrefix < b.SortPrefix ? -1 : 1;
    return order.Ascending ? result : -result;
  }
  int result = CompareRowText(a.Sort, b.Sort);
  if (result == 0) {
    if (order.SortColumn == 0) {
      result = CompareRowText(a.First, b.First);
    } else if (order.SortColumn == 1) {
      result = CompareRowText(a.Caption, b.Caption);
    } else {
      result = CompareRowText(a.Caption, b.Caption);
      if (result == 0) result = CompareRowText(a.First, b.First);
    }
  }
  return order.Ascending ? result : -result;
}

std::vector<int> PlanAddedRows(const TRowOrder& order, const std::vector<TRowKey>& keys,
                               int existing) {
  const int n = static_cast<int>(keys.size());
  existing = std::clamp(existing, 0, n);
  // The final order of every row that ever takes part: added rows go after the rows they
  // compare equal to, which a stable sort of [existing rows, added rows] gives.
  std::vector<int> sorted(static_cast<size_t>(n));
  std::iota(sorted.begin(), sorted.end(), 0);
  if (existing == n) return sorted;
  if (order.Sorted) {
    // Sorted as (prefix, row) pairs, which keeps the quick first look in one compact array.
    struct Entry {
      uint64_t prefix;
      int row;
    };
    std::vector<Entry> entries(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i)
      entries[static_cast<size_t>(i)] = {keys[static_cast<size_t>(i)].SortPrefix, i};
    std::stable_sort(entries.begin(), entries.end(), [&](const Entry& a, const Entry& b) {
      if (a.prefix != b.prefix) return order.Ascending ? a.prefix < b.prefix : a.prefix > b.prefix;
      return CompareRows(order, keys[static_cast<size_t>(a.row)],
                         keys[static_cast<size_t>(b.row)]) < 0;
    });
    for (int i = 0; i < n; ++i)
      sorted[static_cast<size_t>(i)] = entries[static_cast<size_t>(i)].row;
  }
  if (order.Duplicates == cd_None) return sorted;

  std::vector<int> rank(static_cast<size_t>(n));
  for (int p = 0; p < n; ++p) rank[static_cast<size_t>(sorted[static_cast<size_t>(p)])] = p;
  auto same = [&](size_t p, size_t q) {
    return SameCaption(keys[static_cast<size_t>(sorted[p])].Caption,
                       keys[static_cast<size_t>(sorted[q])].Caption, order.Duplicates);
  };

  // The first added row: the rows present until then are compared all through, so each run
  // of neighbours with repeated captions keeps only its first row.
  PresenceSet present(static_cast<size_t>(n));
  for (int r = 0; r <= existing; ++r)
    present.Insert(static_cast<size_t>(rank[static_cast<size_t>(r)]));
  size_t kept = PresenceSet::npos;
  for (size_t p = 0; p < static_cast<size_t>(n); ++p) {
    if (!present.Contains(p)) continue;
    if (kept != PresenceSet::npos && same(kept, p)) {
      present.Erase(p);
    } else {
      kept = p;
    }
  }
  // Every later row: the rows are clean (no repeated neighbours), so only the new row's two
  // neighbours can repeat it. The one after it goes first, else the new row itself.
  for (int r = existing + 1; r < n; ++r) {
    const auto p = static_cast<size_t>(rank[static_cast<size_t>(r)]);
    present.Insert(p);
    const size_t next = present.Next(p);
    if (next != PresenceSet::npos && same(p, next)) {
      present.Erase(next);
      continue;
    }
    const size_t prev = present.Prev(p);
    if (prev != PresenceSet::npos && same(prev, p)) present.Erase(p);
  }

  std::vector<int> result;
  result.reserve(static_cast<size_t>(n));
  for (size_t p = 0; p < static_cast<size_t>(n); ++p) {
    if (present.Contains(p)) result.push_back(sorted[p]);
  }
  return result;
}

}  // namespace pxq::vcl
