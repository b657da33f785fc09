// Date texts ("YYYYMMDD", year-month "YYYYMM"), date values (day counts: 0 is 1899-12-30 and
// stands for "no date") and the company's date display types 1 to 5:
//   1 Y M D, 2 M D Y, 3 D M Y (four-digit years); 4 and 5 Y M D with the year minus 1911
//   (at least two and three digits).
// Invalid input gives 0 or an empty text; nothing here raises.
#pragma once

#include <string>
#include <string_view>

#include "platform/variant/variant.h"

namespace pxq::util {

using DateDays = double;

// Calendar helpers.
bool IsLeapYear(int year);
// 28..31; 0 for a month outside 1..12.
int DaysInMonth(int year, int month);
bool IsValidDate(int year, int month, int day);  // years 1..9999
// Day count of a valid date; 0 when the date is not valid.
DateDays EncodeDate(int year, int month, int day);
// Splits a day count (its integral part) into year, month, day; false when out of range.
bool DecodeDate(DateDays date, int& year, int& month, int& day);
// Day of the week, Sunday = 1 .. Saturday = 7.
int DayOfWeek(DateDays date);
// "YYYYMMDD" of a day count; empty when the day count is out of range.
std::string DateToText(DateDays date);

// "YYYYMMDD" -> day count; 0 unless exactly 8 characters forming a valid date.
DateDays TextToDate(std::string_view text);
// Empty is valid; else at least 8 characters whose first 8 form a valid date, the whole text
// lying between "17530101" and "99991231" (plain comparison).
bool IsValidDateText(std::string_view text);
// Date shown in a display type; the separator is the first character of `separator`.
std::string FormatDateText(int displayType, std::string_view separator, DateDays date);
std::string FormatYearMonthText(int displayType, std::string_view separator, DateDays date);
// A shown date read back; 0 when it cannot be read. Days past the month's end roll over (within
// the years 1..9999); parts above 32767 are not read.
DateDays ParseDisplayDate(std::string_view text, int displayType, std::string_view separator);
// Moves a date (a date text or a date value) by n units "Y", "M" or "D" (any letter case);
// days that do not exist step back to the month's last day. Empty for anything invalid and when
// the result would leave the years 1..9999.
std::string ShiftDateText(const Variant& date, std::string_view unit, int n);

}  // namespace pxq::util
