#include "lib/util/date_rules.h"

#include <climits>
#include <cstdint>
#include <cstdio>
#include <exception>

#include "lib/util/dates.h"
#include "lib/util/strings.h"
#include "platform/os/profile.h"

namespace pxq::util {
namespace {

constexpr std::string_view kSep(&kFieldSep, 1);

// A number field read the way the platform reads integers; anything else is the caller's error.
int ReadInt(std::string_view text) {
  int32_t value = 0;
  if (!os::ParseInt32(text, value))
    throw DateRuleError("'" + std::string(text) + "' is not a valid integer value");
  return value;
}

// A date text moved by a day count; empty when the date is not one or the shift leaves the
// range of dates.
std::string AddDays(std::string_view date, int64_t days) {
  if (days < INT_MIN || days > INT_MAX) return {};
  return ShiftDateText(Variant(std::string(date)), "D", static_cast<int>(days));
}

std::string AddMonths(std::string_view date, int months) {
  return ShiftDateText(Variant(std::string(date)), "M", months);
}

// Sunday = 1 .. Saturday = 7 of a valid date text.
int Weekday(const std::string& date) { return DayOfWeek(TextToDate(date)); }

// "YYYYMMDD" of the last day of a valid date text's month.
std::string LastDayOfMonth(const std::string& date) {
  int year = 0, month = 0, day = 0;
  DecodeDate(TextToDate(date), year, month, day);
  return date.substr(0, 6) + std::to_string(DaysInMonth(year, month));
}

std::string WeekBoundaryOf(std::string_view base, int amount, int mode) {
  const std::string t = AddDays(base, int64_t{amount} * 7);
  if (t.empty()) return t;
  return AddDays(t, (mode == 1 ? 1 : 7) - Weekday(t));
}

// Every n weeks on a weekday: the first such weekday on or after the start, n - 1 weeks on.
std::string WeeklyRun(const std::string& start, const VarArray& params) {
  const int n = params[0].ToInt32();
  const int weekday = params[1].ToInt32();
  if (n < 1 || weekday < 0 || weekday > 6) return {};
  const int c = weekday + 1;
  const int64_t weeks = c >= Weekday(start) ? int64_t{n} - 1 : n;
  const std::string m = AddDays(start, weeks * 7);
  if (m.empty()) return m;
  return AddDays(m, c - Weekday(m));
}

// Every n months on a day: that day n - 1 months on when it has not passed in the start's
// month, else n months on; the month's last day when the month is shorter.
std::string MonthlyOnDay(const std::string& start, int n, int day) {
  if (day < 1 || day > 31) return {};
  int year = 0, month = 0, startDay = 0;
  DecodeDate(TextToDate(start), year, month, startDay);
  const std::string t = AddMonths(start, day >= startDay ? n - 1 : n);
  if (t.empty()) return t;
  char dd[12];
  std::snprintf(dd, sizeof dd, "%.2d", day);
  const std::string candidate = t.substr(0, 6) + dd;
  return IsValidDateText(candidate) ? candidate : LastDayOfMonth(t);
}

// Every n months on the first to fourth (occurrence 0..3) or last (4) weekday: in the month
// n - 1 months on, or n months on when that one lies before the start.
std::string MonthlyOnWeekday(const std::string& start, int n, int occurrence, int weekday) {
  if (occurrence < 0 || occurrence > 4 || weekday < 0 || weekday > 6) return {};
  const int c = weekday + 1;
  for (int months : {n - 1, n}) {
    const std::string t = AddMonths(start, months);
    if (t.empty()) return t;
    std::string result;
    if (occurrence < 4) {
      const std::string first = t.substr(0, 6) + "01";
      const int k = c - Weekday(first);
      result = AddDays(first, (k >= 0 ? k : k + 7) + 7 * occurrence);
    } else {
      const std::string last = LastDayOfMonth(t);
      const int d = Weekday(last) - c;
      result = AddDays(last, d >= 0 ? -d : -d - 7);
    }
    if (result.empty() || result >= start) return result;
  }
  return {};
}

std::string MonthlyRun(const std::string& start, const VarArray& params) {
  const int form = params[0].ToInt32();
  const int n = params[1].ToInt32();
  if (n < 1) return {};
  if (form == 0) return MonthlyOnDay(start, n, params[2].ToInt32());
  if (form == 1) return MonthlyOnWeekday(start, n, params[2].ToInt32(), params[3].ToInt32());
  return {};
}

}  // namespace

std::string DateRuleLine::Apply(std::string_view base) const {
  if (amount == "0" && mode == "0" && extra == "0") return std::string(base);
  return ApplyDateRule(base, amount, unit, extra, mode);
}

DateRule DateRule::Read(std::string_view record) {
  auto field = [record](int n) { return GetField(record, kSep, n); };
  DateRule rule;
  rule.shape = field(1);
  rule.component = field(2);
  rule.begin = {field(3), field(4), field(5), field(6), field(7)};
  if (rule.IsRange()) {
    rule.end = {field(8), field(9), field(10), field(11), field(12)};
    rule.dateKind = field(13);
    rule.valueIndex = field(14);
  } else {
    rule.dateKind = field(8);
    rule.valueIndex = field(9);
  }
  return rule;
}

std::string DateRule::Text() const {
  std::string text = shape + kFieldSep + component;
  auto addLine = [&text](const DateRuleLine& line) {
    for (const std::string* f : {&line.on, &line.amount, &line.unit, &line.mode, &line.extra})
      text += kFieldSep + *f;
  };
  addLine(begin);
  if (IsRange()) addLine(end);
  text += kFieldSep + dateKind;
  if (!valueIndex.empty()) text += kFieldSep + valueIndex;
  return text;
}

DateRule DateRule::ForPanel(std::string_view name) {
  DateRule rule;
  rule.shape = "0";
  rule.component = std::string(name);
  return rule;
}

DateRule DateRule::ForEdit(std::string_view name) {
  DateRule rule;
  rule.shape = "1";
  rule.component = std::string(name);
  return rule;
}

std::string ApplyDateRule(std::string_view base, std::string_view amount, std::string_view unit,
                          std::string_view extra, std::string_view mode) {
  const int n = ReadInt(amount);
  const int u = ReadInt(unit);
  const int x = ReadInt(extra);
  const int m = ReadInt(mode);
  if (base.size() < 7) return AddMonths(std::string(base) + "01", n).substr(0, 6);
  if (u != 0) {
    const std::string d = AddMonths(base, n);
    if (d.empty()) return d;
    switch (m) {
      case 0:
        return AddDays(d, x);
      case 1:
        return d.substr(0, 6) + "01";
      case 2:
        return LastDayOfMonth(d);
      default:
        return d;
    }
  }
  if (m != 0) return WeekBoundaryOf(base, n, m);
  return AddDays(base, int64_t{n} * 7 + x);
}

std::string WeekBoundary(std::string_view base, std::string_view amount, std::string_view mode) {
  return WeekBoundaryOf(base, ReadInt(amount), ReadInt(mode));
}

Variant ApplyDateRules(const Variant& package, std::string_view runDate) {
  try {
    const VarArray& parts = package.Array();
    Variant values = parts[1];
    VarArray& slots = values.Array();
    const VarArray& list = parts[3].Array();
    const int count = list[0].ToInt32();
    for (int i = 1; i <= count; ++i) {
      const DateRule rule = DateRule::Read(list[i].ToAnsi());
      const std::string_view base = rule.IsFullDate() ? runDate : runDate.substr(0, 6);
      const int k = ReadInt(rule.valueIndex);
      if (rule.IsRange()) {
        Variant range = slots[k];
        if (rule.begin.IsOn()) range.Array()[1] = rule.begin.Apply(base);
        if (rule.end.IsOn()) range.Array()[2] = rule.end.Apply(base);
        slots[k] = std::move(range);
      } else if (rule.begin.IsOn()) {
        slots[k] = rule.begin.Apply(base);
      }
    }
    return values;
  } catch (const std::exception&) {
    return Variant(std::string());
  }
}

std::string NextRunDate(std::string_view start, const Variant& pattern) {
  try {
    const std::string from = AddDays(start, 0);
    if (from.empty()) return from;
    const VarArray& parts = pattern.Array();
    const Variant& params = parts[1];
    switch (parts[0].ToInt32()) {
      case 0:
        return from;
      case 1:
        return WeeklyRun(from, params.Array());
      case 2:
        return MonthlyRun(from, params.Array());
      default:
        return {};
    }
  } catch (const std::exception&) {
    return {};
  }
}

}  // namespace pxq::util
