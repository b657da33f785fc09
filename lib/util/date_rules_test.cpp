#include "lib/util/date_rules.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "lib/util/dates.h"

namespace pxq::util {
namespace {

std::string Fields(std::initializer_list<const char*> fields) {
  std::string text;
  bool first = true;
  for (const char* f : fields) {
    if (!first) text += '\x03';
    text += f;
    first = false;
  }
  return text;
}

// 15 March 2024 is a Friday; 13 March 2024 a Wednesday.
struct RuleCase {
  const char* base;
  const char* amount;
  const char* unit;
  const char* extra;
  const char* mode;
  const char* expected;
};

TEST(ApplyDateRule, MovesByMonthsWeeksAndDays) {
  const RuleCase cases[] = {
      // Months, then extra days or the month's first or last day.
      {"20240315", "-1", "1", "0", "1", "20240201"},
      {"20240315", "-1", "1", "0", "2", "20240229"},
      {"20240315", "-1", "1", "3", "0", "20240218"},
      {"20240131", "1", "1", "0", "0", "20240229"},  // 31 February steps back
      {"20240131", "1", "1", "5", "7", "20240229"},  // another mode keeps the shifted date
      {"20241215", "1", "1", "0", "2", "20250131"},
      // Weeks to a week boundary (Sunday to Saturday) or by amount x 7 + extra days.
      {"20240315", "0", "0", "0", "1", "20240310"},
      {"20240315", "0", "0", "0", "2", "20240316"},
      {"20240315", "-1", "0", "0", "1", "20240303"},
      {"20240315", "1", "0", "9", "5", "20240323"},
      {"20240310", "0", "0", "0", "1", "20240310"},  // a Sunday is its own week's first day
      {"20240316", "0", "0", "0", "2", "20240316"},
      {"20240315", "0", "0", "-1", "0", "20240314"},
      {"20231231", "1", "0", "1", "0", "20240108"},
      // A year-month base moves by months whatever the unit, mode and extra days.
      {"202403", "2", "0", "0", "1", "202405"},
      {"202403", "2", "1", "9", "2", "202405"},
      {"202401", "-1", "1", "0", "0", "202312"},
      // A base that is not a date gives no date.
      {"", "1", "1", "0", "1", ""},
      {"2024031", "0", "0", "0", "1", ""},
      {"20241341", "1", "1", "0", "1", ""},
      {"20240315", "2000000000", "0", "5", "0", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ApplyDateRule(c.base, c.amount, c.unit, c.extra, c.mode), c.expected)
        << c.base << " " << c.amount << " unit " << c.unit << " extra " << c.extra << " mode "
        << c.mode;
  }
}

TEST(ApplyDateRule, NumberFieldsThatAreNotIntegersRaise) {
  const RuleCase cases[] = {
      {"20240315", "x", "0", "0", "0", ""},   {"20240315", "1", "", "0", "0", ""},
      {"20240315", "1", "1", "1.5", "0", ""}, {"20240315", "1", "1", "0", "a", ""},
      {"202403", "1", "1", "0", "?", ""},
  };
  for (const auto& c : cases) {
    EXPECT_THROW(ApplyDateRule(c.base, c.amount, c.unit, c.extra, c.mode), DateRuleError)
        << c.amount << " " << c.unit << " " << c.extra << " " << c.mode;
  }
  EXPECT_THROW(WeekBoundary("20240315", "one", "1"), DateRuleError);
  EXPECT_THROW(WeekBoundary("20240315", "1", ""), DateRuleError);
  EXPECT_EQ(WeekBoundary("20240315", "2", "1"), "20240324");
  EXPECT_EQ(WeekBoundary("20240315", "-2", "2"), "20240302");
}

TEST(DateRule, InitialRecordsAndFieldNames) {
  EXPECT_EQ(DateRule::ForPanel("sp06").Text(),
            Fields({"0", "sp06", "N", "0", "0", "0", "0", "N", "0", "0", "0", "0", "D"}));
  EXPECT_EQ(DateRule::ForEdit("ed02").Text(), Fields({"1", "ed02", "N", "0", "0", "0", "0", "D"}));

  // A range rule as a package carries it, with its value index; a second index that a caller
  // appended is not read.
  const DateRule range = DateRule::Read(
      Fields({"0", "sp07", "Y", "-1", "1", "2", "3", "N", "4", "0", "1", "-5", "M", "7", "8"}));
  EXPECT_TRUE(range.IsRange());
  EXPECT_FALSE(range.IsFullDate());
  EXPECT_EQ(range.component, "sp07");
  EXPECT_TRUE(range.begin.IsOn());
  EXPECT_EQ(range.begin.amount, "-1");
  EXPECT_EQ(range.begin.unit, "1");
  EXPECT_EQ(range.begin.mode, "2");
  EXPECT_EQ(range.begin.extra, "3");
  EXPECT_FALSE(range.end.IsOn());
  EXPECT_EQ(range.end.amount, "4");
  EXPECT_EQ(range.end.extra, "-5");
  EXPECT_EQ(range.valueIndex, "7");
  EXPECT_EQ(range.Text(),
            Fields({"0", "sp07", "Y", "-1", "1", "2", "3", "N", "4", "0", "1", "-5", "M", "7"}));

  const std::string editText = Fields({"1", "ed02", "Y", "2", "0", "1", "0", "D", "3"});
  const DateRule edit = DateRule::Read(editText);
  EXPECT_FALSE(edit.IsRange());
  EXPECT_TRUE(edit.IsFullDate());
  EXPECT_EQ(edit.begin.amount, "2");
  EXPECT_FALSE(edit.end.IsOn());
  EXPECT_EQ(edit.valueIndex, "3");
  EXPECT_EQ(edit.Text(), editText);

  const DateRule blank = DateRule::Read("");
  EXPECT_FALSE(blank.IsRange());
  EXPECT_EQ(blank.valueIndex, "");
  EXPECT_FALSE(blank.begin.IsOn());
}

// Option info of a report: a plain value, a date range [code 4, begin, end], a date and a
// year-month range.
Variant OptionInfo() {
  return VarArray::Of({
      Variant("2"),
      VarArray::Of({Variant(4), Variant("20240101"), Variant("20240131")}),
      Variant("20240105"),
      VarArray::Of({Variant(4), Variant("202401"), Variant("202402")}),
  });
}

Variant RuleList(const std::vector<std::string>& rules) {
  VarArray list(0, static_cast<int>(rules.size()));
  list[0] = static_cast<int>(rules.size());
  for (size_t i = 0; i < rules.size(); ++i) list[static_cast<int>(i) + 1] = rules[i];
  return list;
}

Variant Package(Variant info, Variant list) {
  Variant schedule = VarArray::Of({Variant("Y"), Variant("06:05")});
  return VarArray::Of({std::move(info), std::move(schedule), std::move(list)}, 1);
}

DateRule Rule(DateRule rule, const char* index) {
  rule.valueIndex = index;
  return rule;
}

TEST(ApplyDateRules, SetsEachValueFromTheRunDate) {
  DateRule range = Rule(DateRule::ForPanel("sp06"), "1");
  range.begin = {"Y", "-1", "1", "1", "0"};
  range.end = {"Y", "-1", "1", "2", "0"};
  DateRule edit = Rule(DateRule::ForEdit("ed02"), "2");
  edit.begin.on = "Y";  // no shift: the run date itself
  DateRule months = Rule(DateRule::ForPanel("sp08"), "3");
  months.dateKind = "M";
  months.begin = {"Y", "-1", "1", "0", "0"};
  months.end.on = "Y";

  const Variant result = ApplyDateRules(
      Package(OptionInfo(), RuleList({range.Text(), edit.Text(), months.Text()})), "20240315");

  Variant expected = OptionInfo();
  expected.Array()[1] = VarArray::Of({Variant(4), Variant("20240201"), Variant("20240229")});
  expected.Array()[2] = "20240315";
  expected.Array()[3] = VarArray::Of({Variant(4), Variant("202402"), Variant("202403")});
  EXPECT_EQ(result, expected) << result.Dump();
}

TEST(ApplyDateRules, RulesThatAreOffKeepTheSavedValues) {
  DateRule endOnly = Rule(DateRule::ForPanel("sp06"), "1");
  endOnly.begin = {"N", "-1", "1", "1", "0"};
  endOnly.end = {"Y", "0", "0", "2", "0"};
  DateRule edit = Rule(DateRule::ForEdit("ed02"), "2");
  edit.begin = {"N", "3", "1", "0", "0"};

  Variant expected = OptionInfo();
  expected.Array()[1].Array()[2] = "20240316";
  EXPECT_EQ(
      ApplyDateRules(Package(OptionInfo(), RuleList({endOnly.Text(), edit.Text()})), "20240315"),
      expected);
  EXPECT_EQ(ApplyDateRules(Package(OptionInfo(), RuleList({})), "20240315"), OptionInfo());
}

TEST(ApplyDateRules, AnythingWrongGivesAnEmptyText) {
  DateRule on = Rule(DateRule::ForPanel("sp06"), "1");
  on.begin = {"Y", "1", "1", "0", "0"};
  auto with = [](DateRule rule, auto change) {
    change(rule);
    return rule.Text();
  };
  Variant shortRange = OptionInfo();
  shortRange.Array()[1] = VarArray::Of({Variant(4), Variant("20240101")});
  Variant countTooLarge = RuleList({on.Text()});
  countTooLarge.Array()[0] = 2;
  Variant countNotNumber = RuleList({on.Text()});
  countNotNumber.Array()[0] = "x";
  Variant recordNotText = RuleList({on.Text()});
  recordNotText.Array()[1] = VarArray(0, 1);

  const struct {
    const char* what;
    Variant package;
  } cases[] = {
      {"package not an array", Variant(on.Text())},
      {"package without element 3",
       VarArray::Of({OptionInfo(), Variant(), RuleList({on.Text()})}, 0)},
      {"option info not an array", Package(Variant("20240101"), RuleList({}))},
      {"rule list not an array", Package(OptionInfo(), Variant())},
      {"rule list without a count", Package(OptionInfo(), VarArray(0, -1))},
      {"count not a number", Package(OptionInfo(), countNotNumber)},
      {"count beyond the list", Package(OptionInfo(), countTooLarge)},
      {"record not a text", Package(OptionInfo(), recordNotText)},
      {"no value index",
       Package(OptionInfo(), RuleList({with(on, [](DateRule& r) { r.valueIndex = ""; })}))},
      {"value index not a number",
       Package(OptionInfo(), RuleList({with(on, [](DateRule& r) { r.valueIndex = "a"; })}))},
      {"value index outside the values",
       Package(OptionInfo(), RuleList({with(on, [](DateRule& r) { r.valueIndex = "4"; })}))},
      {"range value not an array",
       Package(OptionInfo(), RuleList({with(on, [](DateRule& r) { r.valueIndex = "0"; })}))},
      {"range value without an end",
       Package(shortRange, RuleList({with(on, [](DateRule& r) { r.end.on = "Y"; })}))},
      {"amount not a number",
       Package(OptionInfo(), RuleList({with(on, [](DateRule& r) { r.begin.amount = "1x"; })}))},
      {"unit not a number",
       Package(OptionInfo(), RuleList({with(on, [](DateRule& r) { r.begin.unit = ""; })}))},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ApplyDateRules(c.package, "20240315"), Variant(std::string())) << c.what;
  }
}

Variant Daily(const char* n) { return VarArray::Of({Variant(0), Variant(n)}); }
Variant Weekly(const char* n, int weekday) {
  return VarArray::Of({Variant(1), VarArray::Of({Variant(n), Variant(weekday)})});
}
Variant OnDay(const char* n, const char* day) {
  return VarArray::Of({Variant(2), VarArray::Of({Variant(0), Variant(n), Variant(day)})});
}
Variant OnWeekday(const char* n, int occurrence, int weekday) {
  return VarArray::Of(
      {Variant(2), VarArray::Of({Variant(1), Variant(n), Variant(occurrence), Variant(weekday)})});
}

TEST(NextRunDate, CyclePatterns) {
  const struct {
    const char* start;
    Variant pattern;
    const char* expected;
  } cases[] = {
      {"20240310", Daily("5"), "20240310"},
      // Wednesday 13 March 2024: weekday 5 Friday, 1 Monday, 3 Wednesday.
      {"20240313", Weekly("1", 5), "20240315"},
      {"20240313", Weekly("1", 1), "20240318"},
      {"20240313", Weekly("2", 5), "20240322"},
      {"20240313", Weekly("2", 1), "20240325"},
      {"20240313", Weekly("1", 3), "20240313"},
      {"20241230", Weekly("1", 6), "20250104"},
      // On a day of the month, or the month's last day.
      {"20240410", OnDay("1", "31"), "20240430"},
      {"20240131", OnDay("1", "31"), "20240131"},
      {"20240131", OnDay("1", "30"), "20240229"},
      {"20240410", OnDay("1", "5"), "20240505"},
      {"20241120", OnDay("3", "15"), "20250215"},
      {"20241105", OnDay("2", "15"), "20241215"},
      // On the first to fourth or last weekday of the month.
      {"20240330", OnWeekday("1", 4, 5), "20240426"},
      {"20240426", OnWeekday("1", 4, 5), "20240426"},
      {"20240301", OnWeekday("1", 0, 1), "20240304"},
      {"20240315", OnWeekday("1", 1, 2), "20240409"},
      {"20240101", OnWeekday("2", 4, 0), "20240225"},
      {"20241201", OnWeekday("1", 3, 6), "20241228"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(NextRunDate(c.start, c.pattern), c.expected) << c.start << " " << c.pattern.Dump();
  }
}

TEST(NextRunDate, PatternsOfTheWrongShapeGiveNoDate) {
  const struct {
    const char* start;
    Variant pattern;
  } cases[] = {
      {"20240330", VarArray::Of({Variant(3), Variant(1.5)})},  // hourly: the caller's business
      {"20240330", VarArray::Of({Variant(7), Variant("1")})},
      {"20240330", VarArray::Of({Variant(2), VarArray::Of({Variant(2), Variant("1")})})},
      {"20240330", Variant("0")},
      {"20240330", VarArray::Of({Variant(0)})},
      {"20240330", VarArray::Of({Variant(1), Variant("1")})},
      {"20240330", VarArray::Of({Variant(1), VarArray::Of({Variant("1")})})},
      {"20240330", Weekly("x", 1)},
      {"20240330", Weekly("0", 1)},
      {"20240330", Weekly("1", 7)},
      {"20240330", OnDay("0", "5")},
      {"20240330", OnDay("1", "0")},
      {"20240330", OnDay("1", "32")},
      {"20240330", OnDay("1", "100")},
      // Without an end when the candidate lies before the start, as these would loop.
      {"20240330", OnWeekday("0", 0, 1)},
      {"20240330", OnWeekday("1", 5, 1)},
      {"20240330", OnWeekday("1", -1, 1)},
      {"20240330", OnWeekday("1", 0, -1)},
      {"20240330", OnWeekday("2147483647", 0, 1)},
      // Starts that are not dates.
      {"", Daily("1")},
      {"2024033", Weekly("1", 1)},
      {"20240231", OnDay("1", "5")},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(NextRunDate(c.start, c.pattern), "") << c.start << " " << c.pattern.Dump();
  }
}

int MonthIndex(DateDays date) {
  int y = 0, m = 0, d = 0;
  DecodeDate(date, y, m, d);
  return y * 12 + m;
}

// Over many starts and patterns: the run date is never before the start, lies within the
// pattern's period, and falls on the chosen weekday or day (or the month's last day).
TEST(NextRunDate, LandsOnTheChosenDayOnOrAfterTheStart) {
  const int periods[] = {1, 2, 12};
  for (DateDays s = TextToDate("20231201"); s <= TextToDate("20250331"); ++s) {
    const std::string start = DateToText(s);
    const int startMonth = MonthIndex(s);
    for (int n : periods) {
      const std::string nText = std::to_string(n);
      auto check = [&](const Variant& pattern, auto lands) {
        const std::string run = NextRunDate(start, pattern);
        const DateDays r = TextToDate(run);
        ASSERT_NE(r, 0) << start << " " << pattern.Dump();
        ASSERT_GE(run, start) << pattern.Dump();
        int y = 0, m = 0, d = 0;
        DecodeDate(r, y, m, d);
        ASSERT_TRUE(lands(r, d, DaysInMonth(y, m))) << start << " " << run << pattern.Dump();
      };
      auto withinMonths = [&](DateDays r) {
        const int months = MonthIndex(r) - startMonth;
        return months == n - 1 || months == n;
      };
      for (int wd = 0; wd < 7; ++wd) {
        check(Weekly(nText.c_str(), wd), [&](DateDays r, int, int) {
          return DayOfWeek(r) == wd + 1 && r - s >= 7 * (n - 1) && r - s < 7 * n;
        });
        for (int occurrence = 0; occurrence <= 4; ++occurrence) {
          check(OnWeekday(nText.c_str(), occurrence, wd), [&](DateDays r, int day, int last) {
            const bool nth = occurrence < 4 ? (day - 1) / 7 == occurrence : day + 7 > last;
            return DayOfWeek(r) == wd + 1 && nth && withinMonths(r);
          });
        }
      }
      for (int day = 1; day <= 31; ++day) {
        check(OnDay(nText.c_str(), std::to_string(day).c_str()),
              [&](DateDays r, int got, int last) {
                return (got == day || (day > last && got == last)) && withinMonths(r);
              });
      }
    }
  }
}

}  // namespace
}  // namespace pxq::util
