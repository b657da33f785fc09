// Relative and recurring dates of periodic report jobs.
//
// A date rule says how one date condition of a dialog moves with each run of a periodic job:
// the run date shifted by weeks or months, then by extra days or to the first or last day of
// that week or month. Rules are stored as texts of fields separated by 0x03 (numbered from 1):
//
//   range panel  "0" name  begin(on amount unit mode extra)  end(on amount unit mode extra)
//                kind [index]
//   date edit    "1" name  on amount unit mode extra  kind [index]
//
// on is "Y" or "N"; unit "0" weeks, "1" months; mode "0" add the extra days, "1" first day,
// "2" last day of the week or month; kind "D" for a full date, anything else for a year-month;
// index, present only in the rule lists of a condition package, is the position of the
// condition's value in the option info.
//
// Weeks run from Sunday (weekday number 1) to Saturday (7).
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

#include "platform/variant/variant.h"

namespace pxq::util {

// Raised by ApplyDateRule and WeekBoundary for a field that is not an integer.
class DateRuleError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The rule for one date: a panel's begin or end date, or an edit's date.
struct DateRuleLine {
  std::string on = "N";      // "Y" when the rule moves the date
  std::string amount = "0";  // weeks or months from the run date, signed integer text
  std::string unit = "0";    // "0" weeks, "1" months
  std::string mode = "0";    // "0" add the extra days, "1" first day, "2" last day
  std::string extra = "0";   // extra days (signed integer text), used with mode "0"

  bool IsOn() const { return on == "Y"; }
  // The date the rule gives for a base date: the base itself when amount, mode and extra days
  // are all "0", else ApplyDateRule. DateRuleError for a field that is not an integer.
  std::string Apply(std::string_view base) const;
};

// A date rule record read into named fields.
struct DateRule {
  std::string shape = "1";     // field 1: "0" a range panel, anything else a date edit
  std::string component;       // field 2: the component name of the panel or edit
  DateRuleLine begin;          // the begin date of a range, or the date of an edit
  DateRuleLine end;            // the end date of a range (not stored for an edit)
  std::string dateKind = "D";  // "D" a full date, anything else a year-month
  std::string valueIndex;      // empty when the record has none

  bool IsRange() const { return shape == "0"; }
  bool IsFullDate() const { return dateKind == "D"; }

  // Missing fields read as empty texts; fields after the value index are not kept.
  static DateRule Read(std::string_view record);
  // The record text; the value index is appended only when it is not empty.
  std::string Text() const;

  // Rules in their initial state (off, no shift, full date) for a range panel and an edit.
  static DateRule ForPanel(std::string_view name);
  static DateRule ForEdit(std::string_view name);
};

// One rule applied to a base "YYYYMMDD" or year-month "YYYYMM"; all arguments are texts.
// A year-month base moves by `amount` months alone. Otherwise months (unit other than "0")
// move the base and then add the extra days (mode "0") or go to the month's first ("1") or
// last ("2") day; weeks go to a week boundary (mode other than "0") or add amount x 7 + extra
// days. Days that do not exist step back to the month's last day. A base that is not a date
// gives an empty text; a number field that is not an integer raises DateRuleError.
std::string ApplyDateRule(std::string_view base, std::string_view amount, std::string_view unit,
                          std::string_view extra, std::string_view mode);

// The Sunday (mode "1") or Saturday (any other mode) of the week `amount` weeks from the base.
// Empty when the base is not a date; DateRuleError for a number that is not an integer.
std::string WeekBoundary(std::string_view base, std::string_view amount, std::string_view mode);

// Applies every rule of a job to its condition values for a run date "YYYYMMDD".
// package: an array [1..3] of the option info (the condition values, indexed by the rules'
// value index), the schedule (not read) and the rule list [count, rule 1, ..., rule count].
// A range rule sets elements 1 and 2 (begin and end) of its value; an edit rule sets the value.
// Rules that are off leave values as saved. The result is the changed option info, or an empty
// text when anything is wrong (a field that is not a number, an index outside an array, a
// value that is not an array); it never raises.
Variant ApplyDateRules(const Variant& package, std::string_view runDate);

// The first run date of a periodic job that starts on `start`, for a cycle pattern
// [kind, parameters] (numbers as texts or integers):
//   [0, n]                   every n days: the start itself
//   [1, [n, weekday]]        every n weeks: the first such weekday (0 Sunday .. 6 Saturday) on
//                            or after the start, n - 1 weeks on
//   [2, [0, n, day]]         every n months on a day 1..31 (the month's last day when shorter):
//                            n - 1 months on when the day has not passed in the start's month,
//                            else n months on
//   [2, [1, n, k, weekday]]  every n months on the first to fourth (k 0..3) or last (4) weekday:
//                            in the month n - 1 months on, or n months on when that one lies
//                            before the start
//   [3, hours], other kinds  empty (hourly runs are the caller's business)
// Empty for a start that is not a date and for patterns of the wrong shape, including n < 1
// and a weekday, day or occurrence outside its range. Never raises.
std::string NextRunDate(std::string_view start, const Variant& pattern);

}  // namespace pxq::util
