// Small byte-text helpers shared by the OS services (ASCII rules only: these texts may hold
// double-byte characters, whose bytes must never be case-folded or split).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace pxq::os {

bool EqualsIgnoreCase(std::string_view a, std::string_view b);
std::string UpperAscii(std::string_view text);
std::string LowerAscii(std::string_view text);
// Removes leading and trailing blanks and control characters (bytes up to 0x20).
std::string Trim(std::string_view text);
// Splits at any of the separator bytes; empty pieces are kept.
std::vector<std::string> SplitAny(std::string_view text, std::string_view separators);

}  // namespace pxq::os
