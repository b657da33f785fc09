#include "lib/util/dates.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace pxq::util {
namespace {

TEST(Calendar, DaysInMonthAndLeapYears) {
  struct Case {
    int year, month, days;
  } cases[] = {{1900, 2, 28},  {2000, 2, 29}, {2024, 2, 29}, {2023, 2, 28}, {2024, 4, 30},
               {2024, 12, 31}, {2024, 13, 0}, {2024, 0, 0},  {2024, -1, 0}};
  for (const auto& c : cases)
    EXPECT_EQ(DaysInMonth(c.year, c.month), c.days) << c.year << "-" << c.month;
}

TEST(Calendar, EncodeDecodeRoundTripAndEpoch) {
  EXPECT_EQ(EncodeDate(1899, 12, 30), 0);
  EXPECT_EQ(EncodeDate(1900, 1, 1), 2);
  EXPECT_EQ(EncodeDate(2024, 3, 5), 45356);
  EXPECT_EQ(EncodeDate(1, 1, 1), -693593);
  EXPECT_EQ(EncodeDate(9999, 12, 31), 2958465);
  EXPECT_EQ(EncodeDate(2023, 2, 29), 0);
  EXPECT_EQ(EncodeDate(0, 1, 1), 0);
  EXPECT_EQ(EncodeDate(10000, 1, 1), 0);

  for (double d : {-693593.0, -1.0, 0.0, 59.0, 60.0, 45356.0, 2958465.0}) {
    int y = 0, m = 0, day = 0;
    ASSERT_TRUE(DecodeDate(d, y, m, day)) << d;
    EXPECT_EQ(EncodeDate(y, m, day), d);
  }
  int y = 0, m = 0, day = 0;
  EXPECT_TRUE(DecodeDate(45356.75, y, m, day));  // the time of day is ignored
  EXPECT_EQ(DateToText(45356.75), "20240305");
  for (double bad : {-693594.0, 2958466.0, 1e300, -1e300, std::nan(""),
                     std::numeric_limits<double>::infinity()}) {
    EXPECT_FALSE(DecodeDate(bad, y, m, day)) << bad;
    EXPECT_EQ(DateToText(bad), "");
  }
}

TEST(Calendar, DayOfWeek) {
  EXPECT_EQ(DayOfWeek(0), 7);                         // 1899-12-30, a Saturday
  EXPECT_EQ(DayOfWeek(EncodeDate(2024, 3, 5)), 3);    // Tuesday
  EXPECT_EQ(DayOfWeek(EncodeDate(2024, 3, 3)), 1);    // Sunday
  EXPECT_EQ(DayOfWeek(EncodeDate(1899, 12, 24)), 1);  // a Sunday before day 0
  EXPECT_EQ(DayOfWeek(EncodeDate(1, 1, 1)), 2);       // Monday, proleptic Gregorian
}

TEST(DateText, TextToDate) {
  struct Case {
    const char* text;
    double days;
  } cases[] = {
      {"20240305", 45356}, {"18991230", 0}, {"00010101", -693593}, {"2024030", 0},
      {"202403050", 0},    {"", 0},         {"20240230", 0},       {"20241301", 0},
      {"20240300", 0},     {"00000101", 0}, {"abcdefgh", 0},       {"2024 305", 45356},
      {"-0010101", 0},     {"２０２４", 0},
  };
  for (const auto& c : cases) EXPECT_EQ(TextToDate(c.text), c.days) << c.text;
  EXPECT_EQ(TextToDate(std::string(100000, '1')), 0);
  EXPECT_EQ(TextToDate(std::string("2024\0"
                                   "305",
                                   8)),
            0);
}

TEST(DateText, IsValidDateText) {
  struct Case {
    const char* text;
    bool valid;
  } cases[] = {
      {"", true},
      {"17530101", true},
      {"99991231", true},
      {"20240229", true},
      {"17521231", false},
      {"20230229", false},
      {"20240230", false},
      {"20241301", false},
      {"2024010", false},
      {"2024", false},
      {"x", false},
      {"abcdefgh", false},
      {"20240101zz", true},  // a longer text is judged by its first eight characters
      {"20240132zz", false},
      {"99991231z", false},  // sorts after "99991231"
  };
  for (const auto& c : cases) EXPECT_EQ(IsValidDateText(c.text), c.valid) << c.text;
  EXPECT_TRUE(IsValidDateText("20240101" + std::string(100000, '0')));
}

TEST(DateText, FormatDateAndYearMonth) {
  const double mar5 = EncodeDate(2024, 3, 5);
  const double y2001 = EncodeDate(2001, 7, 9);
  struct Case {
    int type;
    const char* sep;
    double date;
    const char* full;
    const char* yearMonth;
  } cases[] = {
      {1, "/", mar5, "2024/03/05", "2024/03"},
      {2, "/", mar5, "03/05/2024", "03/2024"},
      {3, "-", mar5, "05-03-2024", "03-2024"},
      {4, "/", mar5, "113/03/05", "113/03"},
      {5, "/", mar5, "113/03/05", "113/03"},
      {4, ".", y2001, "90.07.09", "90.07"},
      {5, ".", y2001, "090.07.09", "090.07"},
      {1, "", mar5, "20240305", "202403"},
      {1, "/-", mar5, "2024/03/05", "2024/03"},  // only the first character separates
      {0, "/", mar5, "", ""},
      {6, "/", mar5, "", ""},
      {1, "/", 0, "", ""},
      {1, "/", 1e12, "", ""},
      {4, "/", EncodeDate(1900, 1, 2), "-11/01/02", "-11/01"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FormatDateText(c.type, c.sep, c.date), c.full) << c.type << " " << c.date;
    EXPECT_EQ(FormatYearMonthText(c.type, c.sep, c.date), c.yearMonth) << c.type << " " << c.date;
  }
}

TEST(DateText, ParseDisplayDate) {
  struct Case {
    const char* text;
    int type;
    const char* sep;
    const char* expected;  // as a date text; "" for 0
  } cases[] = {
      {"2024/03/05", 1, "/", "20240305"},
      {"03/05/2024", 2, "/", "20240305"},
      {"05/03/2024", 3, "/", "20240305"},
      {"113/03/05", 4, "/", "20240305"},
      {"113/03/05", 5, "/", "20240305"},
      {" 2024 / 3 / 5 ", 1, "/", "20240305"},
      {"2024/02/30", 1, "/", "20240301"},  // days past the month's end roll over
      {"2023/02/30", 1, "/", "20230302"},
      {"2024/12/32", 1, "/", "20250101"},
      {"2024--03--05", 1, "--", "20240305"},  // the whole separator text splits
      {"", 1, "/", ""},
      {"   ", 1, "/", ""},
      {"2024/03", 1, "/", ""},
      {"2024/13/01", 1, "/", ""},
      {"2024/00/01", 1, "/", ""},
      {"2024/03/x", 1, "/", ""},
      {"2024/03/05", 6, "/", ""},
      {"2024/03/05", 0, "/", ""},
      {"2024/03/05", -3, "/", ""},
      {"2024/03/05", 1, "", ""},
      {"10000/01/01", 1, "/", ""},
      {"9999/12/32", 1, "/", ""},     // would leave the calendar
      {"2024/03/65541", 1, "/", ""},  // too large for a 16-bit part: not wrapped to 5
      {"2024/03/99999999999999999999", 1, "/", ""},
      {"2024/03/05/extra", 1, "/", "20240305"},  // text after the third token is ignored
      {"2024/03/-5", 1, "/", ""},
      {"-2024/03/05", 1, "/", ""},
  };
  for (const auto& c : cases) {
    const double d = ParseDisplayDate(c.text, c.type, c.sep);
    EXPECT_EQ(d == 0 ? std::string() : DateToText(d), c.expected) << c.text << " type " << c.type;
  }
  EXPECT_EQ(ParseDisplayDate(std::string(100000, '/'), 1, "/"), 0);
}

TEST(DateText, ShiftDateText) {
  struct Case {
    Variant date;
    const char* unit;
    int n;
    const char* expected;
  } cases[] = {
      {"20240131", "M", 1, "20240229"},
      {"20240131", "M", -1, "20231231"},
      {"20240131", "M", 13, "20250228"},
      {"20240315", "M", -3, "20231215"},
      {"20241215", "M", 0, "20241215"},
      {"20240229", "Y", 1, "20250228"},
      {"20240229", "Y", 4, "20280229"},
      {"20240229", "y", -1, "20230228"},
      {"20240305", "d", 1, "20240306"},
      {"20240301", "D", -1, "20240229"},
      {u"20240305", "D", 30, "20240404"},  // wide text too
      {Variant::Date(EncodeDate(2024, 3, 5) + 0.5), "D", 1, "20240306"},
      {"20240305", "W", 1, ""},
      {"20240305", "", 1, ""},
      {"20240305", "DD", 1, ""},
      {"2024035", "D", 1, ""},
      {"", "D", 1, ""},
      {Variant(), "D", 1, ""},
      {Variant::Null(), "D", 1, ""},
      {Variant(45356), "D", 1, ""},  // a number is not a date
      {Variant(VarArray::Of({"20240305"})), "D", 1, ""},
      {std::string(100000, '9'), "D", 1, ""},
      {Variant::Date(0), "D", 1, ""},
      {Variant::Date(1e15), "D", 1, ""},
      // Years that leave 1..9999 have no date.
      {"99991231", "D", 1, ""},
      {"00010101", "D", -1, ""},
      {"99990101", "Y", 1, ""},
      {"00010101", "M", -1, ""},
      {"20240101", "Y", 2147483647, ""},
      {"20240101", "M", -2147483647 - 1, ""},
      {"20240101", "M", 2147483647, ""},
      {"20240101", "D", 2147483647, ""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ShiftDateText(c.date, c.unit, c.n), c.expected)
        << c.date.Dump() << " " << c.unit << " " << c.n;
}

}  // namespace
}  // namespace pxq::util
