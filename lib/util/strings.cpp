#include "lib/util/strings.h"

#include <charconv>
#include <cmath>
#include <system_error>

#include "platform/os/codepage.h"
#include "platform/os/profile.h"
#include "platform/os/sysinfo.h"
#include "platform/os/text.h"

namespace pxq::util {

std::string GetField(std::string_view text, std::string_view separator, int n) {
  std::string_view rest = text;
  std::string_view field;
  int i = 1;
  bool found = !rest.empty();
  while (i <= n && found) {
    const size_t pos = separator.empty() ? std::string_view::npos : rest.find(separator);
    if (pos != std::string_view::npos) {
      field = rest.substr(0, pos);
      rest.remove_prefix(pos + separator.size());
      ++i;
    } else {
      field = rest;
      found = false;
    }
  }
  return i >= n ? std::string(field) : std::string();
}

int CountFields(std::string_view text, std::string_view separator) {
  if (text.empty()) return 0;
  int count = 1;
  if (separator.empty()) return count;
  for (size_t pos = text.find(separator); pos != std::string_view::npos;
       pos = text.find(separator, pos + separator.size()))
    ++count;
  return count;
}

std::string NextToken(std::string& text, std::string_view separator) {
  const size_t pos = separator.empty() ? std::string::npos : text.find(separator);
  std::string token;
  if (pos == std::string::npos) {
    token.swap(text);
  } else {
    token = text.substr(0, pos);
    text.erase(0, pos + separator.size());
  }
  return token;
}

std::string ReplaceAll(std::string_view text, std::string_view oldText, std::string_view newText,
                       bool trim) {
  std::string out(text);
  if (!oldText.empty() && !os::EqualsIgnoreCase(oldText, newText)) {
    if (newText.find(oldText) != std::string_view::npos) {
      // Restarting after each replacement would never end here; one pass replaces every
      // occurrence of the original text instead.
      for (size_t pos = out.find(oldText); pos != std::string::npos;
           pos = out.find(oldText, pos + newText.size()))
        out.replace(pos, oldText.size(), newText);
    } else {
      // A replacement can complete a new occurrence that begins at most |old| - 1 bytes before
      // it; nothing earlier can match, so the search resumes there rather than at the start.
      // Some pairs (such as "ab" by "bbaa") would go on producing occurrences for ever, so the
      // replacements are bounded by a multiple of the text's length, far beyond the chains
      // that real lists produce.
      size_t budget = 64 * (text.size() + 1);
      for (size_t pos = out.find(oldText); pos != std::string::npos && budget > 0; --budget) {
        out.replace(pos, oldText.size(), newText);
        pos = out.find(oldText, pos >= oldText.size() ? pos - oldText.size() + 1 : 0);
      }
    }
  }
  return trim ? os::Trim(out) : out;
}

std::string PadRight(std::string_view text, int width, char pad) {
  std::string out(text);
  if (width > 0 && out.size() < static_cast<size_t>(width)) out.append(width - out.size(), pad);
  return out;
}

std::string PadRight(std::string_view text, const Variant& widthAndPad) {
  try {
    if (!widthAndPad.IsArray()) return std::string(text);
    const VarArray& a = widthAndPad.Array();
    if (a.DimCount() != 1 || a.Length() < 1) return std::string(text);
    const int width = a[a.Low()].ToInt32();
    char pad = ' ';
    if (a.Length() >= 2) {
      const std::string p = a[a.Low() + 1].ToAnsi();
      if (!p.empty()) pad = p.front();
    }
    return PadRight(text, width, pad);
  } catch (const VariantError&) {
    return std::string(text);
  }
}

std::string JoinCountedList(std::string_view prefix, const Variant& counted) {
  std::string out(prefix);
  out += kFieldSep;
  if (!counted.IsArray() || counted.Array().DimCount() != 1) return out;
  const VarArray& a = counted.Array();
  if (!a.Contains(0)) return out;
  int64_t n = 0;
  try {
    out += a[0].ToAnsi();
    n = a[0].ToInt();
  } catch (const VariantError&) {
    n = 0;
  }
  out += kFieldSep;
  // Only the elements the array has; a count larger than the array stops at its end.
  for (int64_t i = 1; i <= n && i <= a.High(); ++i) {
    try {
      out += a[static_cast<int>(i)].ToAnsi();
    } catch (const VariantError&) {
    }
    out += kFieldSep;
  }
  return out;
}

std::string ButtonCaption(std::string_view englishName) {
  static constexpr struct {
    std::string_view name;
    std::string_view caption;  // UTF-8
  } kCaptions[] = {
      {"Yes", "是(&Y)"},        {"No", "否(&N)"},      {"OK", "确定"},
      {"Cancel", "取消"},       {"Abort", "中断(&A)"}, {"Retry", "重试(&R)"},
      {"Ignore", "忽略(&I)"},   {"All", "全部(&A)"},   {"NoToAll", "全否(&o)"},
      {"YesToAll", "全是(&A)"}, {"Help", "帮助(&H)"},
  };
  for (const auto& c : kCaptions)
    if (c.name == englishName) return os::Ansi(c.caption);
  return std::string(englishName);
}

double StrToFloatDef(std::string_view text, double defaultValue) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  // Digits or a decimal point must come first: no "inf", "nan", hex or a second sign.
  if (text.empty() || !((text.front() >= '0' && text.front() <= '9') || text.front() == '.'))
    return defaultValue;
  double value = 0;
  const auto [end, ec] =
      std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
  if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
    return defaultValue;
  return negative ? -value : value;
}

int StrToIntDef(std::string_view text, int defaultValue) {
  int32_t value = 0;
  return os::ParseInt32(text, value) ? value : defaultValue;
}

bool IsLocalHost(std::string_view address) { return address == "127.0.0.1"; }

std::string GetLongTempPath() { return os::TempFolder(); }

Variant VarIfThen(bool condition, const Variant& a, const Variant& b) { return condition ? a : b; }

bool VarIsBlank(const Variant& value) { return value.IsBlank(); }

}  // namespace pxq::util
