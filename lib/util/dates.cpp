#include "lib/util/dates.h"

#include <cmath>
#include <cstdint>
#include <cstdio>

#include "lib/util/strings.h"
#include "platform/os/text.h"

namespace pxq::util {
namespace {

// Day counts of 0001-01-01 and 9999-12-31.
constexpr int64_t kMinDays = -693593;
constexpr int64_t kMaxDays = 2958465;

// Days since 1970-01-01 of a proleptic Gregorian date (H. Hinnant's civil calendar algorithm).
int64_t DaysFromCivil(int64_t y, int m, int d) {
  y -= m <= 2;
  const int64_t era = (y >= 0 ? y : y - 399) / 400;
  const int64_t yoe = y - era * 400;
  const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

void CivilFromDays(int64_t z, int& year, int& month, int& day) {
  z += 719468;
  const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const int64_t doe = z - era * 146097;
  const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const int64_t mp = (5 * doy + 2) / 153;
  day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  year = static_cast<int>(yoe + era * 400 + (month <= 2));
}

// 1899-12-30, day 0 of the date values.
const int64_t kEpoch = DaysFromCivil(1899, 12, 30);

// The whole days of a date value; nullopt outside 0001-01-01..9999-12-31 or for NaN.
bool WholeDays(DateDays date, int64_t& days) {
  if (!std::isfinite(date)) return false;
  const double whole = std::trunc(date);
  if (whole < static_cast<double>(kMinDays) || whole > static_cast<double>(kMaxDays)) return false;
  days = static_cast<int64_t>(whole);
  return true;
}

std::string FormatParts(const char* format, int a, const std::string& sep, int b) {
  char buf[64];
  std::snprintf(buf, sizeof buf, format, a, sep.c_str(), b);
  return buf;
}

std::string FormatParts(const char* format, int a, const std::string& sep, int b, int c) {
  char buf[96];
  std::snprintf(buf, sizeof buf, format, a, sep.c_str(), b, sep.c_str(), c);
  return buf;
}

// The first character of a separator text, or nothing.
std::string FirstChar(std::string_view separator) {
  return separator.empty() ? std::string() : std::string(1, separator.front());
}

}  // namespace

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  return (month == 2 && IsLeapYear(year)) ? 29 : kDays[month - 1];
}

bool IsValidDate(int year, int month, int day) {
  return year >= 1 && year <= 9999 && day >= 1 && day <= DaysInMonth(year, month);
}

DateDays EncodeDate(int year, int month, int day) {
  if (!IsValidDate(year, month, day)) return 0;
  return static_cast<DateDays>(DaysFromCivil(year, month, day) - kEpoch);
}

bool DecodeDate(DateDays date, int& year, int& month, int& day) {
  int64_t days = 0;
  if (!WholeDays(date, days)) return false;
  CivilFromDays(days + kEpoch, year, month, day);
  return true;
}

int DayOfWeek(DateDays date) {
  int64_t days = 0;
  if (!WholeDays(date, days)) return 0;
  // Day 0 was a Saturday (7).
  const int64_t r = ((days + 6) % 7 + 7) % 7;
  return static_cast<int>(r) + 1;
}

std::string DateToText(DateDays date) {
  int y = 0, m = 0, d = 0;
  if (!DecodeDate(date, y, m, d)) return {};
  char buf[16];
  std::snprintf(buf, sizeof buf, "%.4d%.2d%.2d", y, m, d);
  return buf;
}

DateDays TextToDate(std::string_view text) {
  if (text.size() != 8) return 0;
  const int y = StrToIntDef(text.substr(0, 4), 0);
  const int m = StrToIntDef(text.substr(4, 2), 0);
  const int d = StrToIntDef(text.substr(6, 2), 0);
  if (y == 0 || m == 0 || d == 0) return 0;
  return EncodeDate(y, m, d);
}

bool IsValidDateText(std::string_view text) {
  if (text.empty()) return true;
  // A shorter text cannot be a date text, although its digits may still form a date.
  if (text.size() < 8) return false;
  const int y = StrToIntDef(text.substr(0, 4), 0);
  const int m = StrToIntDef(text.substr(4, 2), 0);
  const int d = StrToIntDef(text.substr(6, 2), 0);
  return IsValidDate(y, m, d) && text >= "17530101" && text <= "99991231";
}

std::string FormatDateText(int displayType, std::string_view separator, DateDays date) {
  int y = 0, m = 0, d = 0;
  if (date == 0 || !DecodeDate(date, y, m, d)) return {};
  const std::string sep = FirstChar(separator);
  switch (displayType) {
    case 1:
      return FormatParts("%.4d%s%.2d%s%.2d", y, sep, m, d);
    case 2:
      return FormatParts("%.2d%s%.2d%s%.4d", m, sep, d, y);
    case 3:
      return FormatParts("%.2d%s%.2d%s%.4d", d, sep, m, y);
    case 4:
      return FormatParts("%.2d%s%.2d%s%.2d", y - 1911, sep, m, d);
    case 5:
      return FormatParts("%.3d%s%.2d%s%.2d", y - 1911, sep, m, d);
    default:
      return {};
  }
}

std::string FormatYearMonthText(int displayType, std::string_view separator, DateDays date) {
  int y = 0, m = 0, d = 0;
  if (date == 0 || !DecodeDate(date, y, m, d)) return {};
  const std::string sep = FirstChar(separator);
  switch (displayType) {
    case 1:
      return FormatParts("%.4d%s%.2d", y, sep, m);
    case 2:
    case 3:
      return FormatParts("%.2d%s%.4d", m, sep, y);
    case 4:
      return FormatParts("%.2d%s%.2d", y - 1911, sep, m);
    case 5:
      return FormatParts("%.3d%s%.2d", y - 1911, sep, m);
    default:
      return {};
  }
}

DateDays ParseDisplayDate(std::string_view text, int displayType, std::string_view separator) {
  if (os::Trim(text).empty() || displayType <= 0) return 0;
  std::string rest(text);
  int t[3];
  for (int& v : t) {
    v = StrToIntDef(os::Trim(NextToken(rest, separator)), -1);
    // The parts are 16-bit numbers; a larger one is not wrapped into a small one.
    if (v <= 0 || v > 32767) return 0;
  }
  int y = 0, m = 0, d = 0;
  switch (displayType) {
    case 1:
      y = t[0], m = t[1], d = t[2];
      break;
    case 2:
      y = t[2], m = t[0], d = t[1];
      break;
    case 3:
      y = t[2], m = t[1], d = t[0];
      break;
    case 4:
    case 5:
      y = t[0] + 1911, m = t[1], d = t[2];
      break;
    default:
      return 0;
  }
  if (!IsValidDate(y, m, 1)) return 0;
  // Days past the month's end roll into the following months, within the calendar's range.
  const DateDays result = EncodeDate(y, m, 1) + (d - 1);
  int64_t days = 0;
  return WholeDays(result, days) ? result : 0;
}

std::string ShiftDateText(const Variant& date, std::string_view unit, int n) {
  DateDays value = 0;
  try {
    if (date.IsText()) {
      value = TextToDate(date.IsNarrow() ? date.Narrow() : date.ToAnsi());
    } else if (date.Kind() == VarKind::Date) {
      value = date.DateDays();
    } else {
      return {};
    }
  } catch (const std::exception&) {
    return {};
  }
  int y = 0, m = 0, d = 0;
  if (value == 0 || !DecodeDate(value, y, m, d)) return {};

  const std::string u = os::UpperAscii(unit);
  if (u == "D") return DateToText(std::trunc(value) + n);
  int64_t year = y;
  int month = m;
  if (u == "Y") {
    year += n;
  } else if (u == "M") {
    const int64_t total = static_cast<int64_t>(n) + year * 12 + month;
    year = total / 12;
    month = static_cast<int>(total % 12);
    if (month == 0) {
      month = 12;
      --year;
    }
  } else {
    return {};
  }
  // No date exists outside the calendar's years.
  if (year < 1 || year > 9999 || month < 1) return {};
  while (d > 1 && !IsValidDate(static_cast<int>(year), month, d)) --d;
  return DateToText(EncodeDate(static_cast<int>(year), month, d));
}

}  // namespace pxq::util
