// Feeds arbitrary texts to the date-text readers. Layout of an input: byte 0 picks the shift
// unit, bytes 1-4 the shift count, byte 5 the separator length; the separator and then the date
// text follow.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "lib/util/dates.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace pxq;
  std::string_view in(reinterpret_cast<const char*>(data), size);

  // The whole input as a date text.
  util::TextToDate(in);
  util::IsValidDateText(in);
  for (int type = -1; type <= 6; ++type) util::ParseDisplayDate(in, type, "/");

  if (size < 6) return 0;
  static constexpr const char* kUnits[] = {"Y", "M", "D", "y", "m", "d", "", "YM"};
  const char* unit = kUnits[data[0] % 8];
  int32_t n = 0;
  std::memcpy(&n, data + 1, sizeof n);
  const size_t sepLength = std::min<size_t>(data[5] % 4, size - 6);
  const std::string_view separator = in.substr(6, sepLength);
  const std::string_view text = in.substr(6 + sepLength);

  for (int type = -1; type <= 6; ++type) {
    const double date = util::ParseDisplayDate(text, type, separator);
    // What was read must format back without trouble.
    util::FormatDateText(type, separator, date);
    util::FormatYearMonthText(type, separator, date);
  }
  util::ShiftDateText(Variant(std::string(text)), unit, n);
  util::ShiftDateText(Variant(std::u16string(text.begin(), text.end())), unit, n);
  util::ShiftDateText(Variant::Date(util::TextToDate(text) + n), unit, n);
  return 0;
}
