// Fuzzes the application of stored date rules and the cycle patterns of periodic jobs.
// Input lines: the run date; a cycle pattern as 0x03-separated fields (kind, then one
// parameter or a parameter list); the rule count; then one rule record per line.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "lib/util/date_rules.h"
#include "platform/os/text.h"

using pxq::VarArray;
using pxq::Variant;

namespace {

Variant Pattern(std::string_view text) {
  const std::vector<std::string> fields = pxq::os::SplitAny(text, "\x03");
  if (fields.size() < 2) return Variant(std::string(text));
  if (fields.size() == 2) return VarArray::Of({Variant(fields[0]), Variant(fields[1])});
  std::vector<Variant> params(fields.begin() + 1, fields.end());
  return VarArray::Of({Variant(fields[0]), VarArray::Of(std::move(params))});
}

Variant OptionInfo() {
  return VarArray::Of({
      Variant("2"),
      VarArray::Of({Variant(4), Variant("20240101"), Variant("20240131")}),
      Variant("20240105"),
      VarArray::Of({Variant(4), Variant("202401")}),
      Variant(),
  });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::vector<std::string> lines = pxq::os::SplitAny(input, "\n");
  auto line = [&lines](size_t i) { return i < lines.size() ? lines[i] : std::string(); };

  const std::string runDate = line(0);
  pxq::util::NextRunDate(runDate, Pattern(line(1)));

  std::vector<Variant> list{Variant(line(2))};
  for (size_t i = 3; i < lines.size(); ++i) {
    list.emplace_back(lines[i]);
    pxq::util::DateRule::Read(lines[i]).Text();
  }
  Variant package = VarArray::Of({OptionInfo(), Variant(), VarArray::Of(std::move(list))}, 1);
  pxq::util::ApplyDateRules(package, runDate);
  return 0;
}
