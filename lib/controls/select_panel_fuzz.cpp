// Date texts of a selection panel's range: every layout and separator, any bytes. The result
// is no date (0) or a real date.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "lib/controls/select_panel.h"
#include "lib/util/dates.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  const auto type = static_cast<pxq::vcl::TDateType>(data[0] % 6);
  static constexpr std::string_view kSigns[] = {"/", "-", ".", "", "//", "\x81\x40"};
  const std::string_view sign = kSigns[(data[0] / 6) % 6];
  const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
  const pxq::util::DateDays d = pxq::vcl::ParseDateText(text, sign, type, "  /  /  ");
  int y = 0, m = 0, day = 0;
  if (d != 0 && !pxq::util::DecodeDate(d, y, m, day)) std::abort();
  return 0;
}
