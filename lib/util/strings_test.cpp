#include "lib/util/strings.h"

#include <gtest/gtest.h>

#include "platform/os/codepage.h"
#include "testing/testing.h"

namespace pxq::util {
namespace {

TEST(FieldList, GetFieldAndCountFields) {
  const std::string text =
      "ab\x03"
      "cd\x03";
  struct Case {
    std::string_view text;
    std::string_view sep;
    int n;
    const char* field;
  } cases[] = {
      {text, "\x03", 1, "ab"}, {text, "\x03", 2, "cd"}, {text, "\x03", 3, ""},
      {text, "\x03", 4, ""},   {text, "\x03", 0, ""},   {text, "\x03", -1, ""},
      {"abc", ",", 1, "abc"},  {"abc", ",", 2, ""},     {"a,,c", ",", 2, ""},
      {"a,,c", ",", 3, "c"},   {"", ",", 1, ""},        {"a::b::c", "::", 3, "c"},
      {"a,b", "", 1, "a,b"},   {"a,b", "", 2, ""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(GetField(c.text, c.sep, c.n), c.field) << c.text << " " << c.n;

  EXPECT_EQ(CountFields(text, "\x03"), 3);
  EXPECT_EQ(CountFields("", "\x03"), 0);
  EXPECT_EQ(CountFields("abc", ","), 1);
  EXPECT_EQ(CountFields(",,", ","), 3);
  EXPECT_EQ(CountFields("a::b::c", "::"), 3);
}

TEST(FieldList, NextTokenConsumesTheText) {
  std::string text = "a;b;;c";
  EXPECT_EQ(NextToken(text, ";"), "a");
  EXPECT_EQ(text, "b;;c");
  EXPECT_EQ(NextToken(text, ";"), "b");
  EXPECT_EQ(NextToken(text, ";"), "");
  EXPECT_EQ(NextToken(text, ";"), "c");
  EXPECT_EQ(text, "");
  EXPECT_EQ(NextToken(text, ";"), "");

  text = "x--y";
  EXPECT_EQ(NextToken(text, "--"), "x");
  EXPECT_EQ(text, "y");
  text = "x;y";
  EXPECT_EQ(NextToken(text, ""), "x;y");
  EXPECT_EQ(text, "");
}

TEST(ReplaceAll, Cases) {
  struct Case {
    const char* text;
    const char* oldText;
    const char* newText;
    bool trim;
    const char* expected;
  } cases[] = {
      // A replacement completes the next entry, which is replaced too.
      {";0;0;", ";0;", ";1;", false, ";1;1;"},
      {"a;0;0;0;b", ";0;", ";1;", false, "a;1;1;1;b"},
      {"aaa", "aa", "a", false, "a"},               // restarts until no match is left
      {"Abc abc", "abc", "ABC", false, "Abc abc"},  // a change of letter case alone is never made
      {"abc", "x", "y", false, "abc"},
      {"  a-b  ", "-", "+", true, "a+b"},
      {"  a-b  ", "-", "+", false, "  a+b  "},
      {"abc", "", "x", false, "abc"},
      {"", "a", "b", false, ""},
      // A new text that contains the old one is replaced once per occurrence, not forever.
      {"a.a", "a", "aa", false, "aa.aa"},
      {"ab", "b", "", false, "a"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ReplaceAll(c.text, c.oldText, c.newText, c.trim), c.expected)
        << c.text << " " << c.oldText << " -> " << c.newText;
  // Pairs whose replacements never run out of occurrences still come back.
  EXPECT_LT(ReplaceAll("aab", "ab", "bbaa", false).size(), 1000u);
  EXPECT_LT(ReplaceAll("aaba", "aba", "baab", false).size(), 1000u);
}

TEST(PadRight, PadsButNeverCuts) {
  EXPECT_EQ(PadRight("abc", 5), "abc  ");
  EXPECT_EQ(PadRight("abc", 2), "abc");
  EXPECT_EQ(PadRight("abc", -4), "abc");
  EXPECT_EQ(PadRight("abc", 5, '0'), "abc00");

  EXPECT_EQ(PadRight("abc", Variant(VarArray::Of({5}))), "abc  ");
  EXPECT_EQ(PadRight("abc", Variant(VarArray::Of({2}))), "abc");
  EXPECT_EQ(PadRight("abc", Variant(VarArray::Of({6, "*"}))), "abc***");
  EXPECT_EQ(PadRight("abc", Variant(VarArray::Of({"5", "*x"}, 1))), "abc**");
  // Malformed arguments leave the text as it is.
  for (const Variant& bad :
       {Variant(), Variant::Null(), Variant(5), Variant(VarArray(0, -1)),
        Variant(VarArray::Of({"x"})), Variant(VarArray::Of({Variant::Null()})),
        Variant(VarArray(0, 1, 0, 1)), Variant(VarArray::Of({int64_t{1} << 40}))})
    EXPECT_EQ(PadRight("abc", bad), "abc") << bad.Dump();
  EXPECT_EQ(PadRight("abc", Variant(VarArray::Of({5, Variant::Null()}))), "abc  ");
}

TEST(JoinCountedList, JoinsTheCountedElements) {
  const Variant list(VarArray::Of({2, "a", "b", "ignored"}));
  EXPECT_EQ(JoinCountedList("P", list),
            "P\x03"
            "2\x03"
            "a\x03"
            "b\x03");
  EXPECT_EQ(JoinCountedList("", Variant(VarArray::Of({"0"}))),
            "\x03"
            "0\x03");
  // A count beyond the array stops at its end; malformed values add nothing.
  EXPECT_EQ(JoinCountedList("P", Variant(VarArray::Of({9, "a"}))),
            "P\x03"
            "9\x03"
            "a\x03");
  EXPECT_EQ(JoinCountedList("P", Variant(VarArray::Of({"x", "a"}))),
            "P\x03"
            "x\x03");
  EXPECT_EQ(JoinCountedList("P", Variant(VarArray::Of({2, Variant(VarArray::Of({1})), "b"}))),
            "P\x03"
            "2\x03\x03"
            "b\x03");
  EXPECT_EQ(JoinCountedList("P", Variant()), "P\x03");
  EXPECT_EQ(JoinCountedList("P", Variant(VarArray::Of({1, "a"}, 1))), "P\x03");
  EXPECT_EQ(JoinCountedList("P", Variant(VarArray(0, 1, 0, 1))), "P\x03");
}

TEST(ButtonCaption, LocalisedInTheAnsiCodePage) {
  EXPECT_EQ(ButtonCaption("Yes"), os::Ansi("是(&Y)"));
  EXPECT_EQ(ButtonCaption("OK"), "\xC8\xB7\xB6\xA8");  // "确定" in code page 936
  EXPECT_EQ(ButtonCaption("NoToAll"), os::Ansi("全否(&o)"));
  EXPECT_EQ(ButtonCaption("yes"), "yes");  // case-sensitive
  EXPECT_EQ(ButtonCaption("Close"), "Close");
  EXPECT_EQ(ButtonCaption(""), "");
}

TEST(Numbers, StrToFloatDef) {
  struct Case {
    const char* text;
    double expected;
  } cases[] = {
      {"1.5", 1.5}, {"-2", -2},  {"+3.25", 3.25}, {".5", 0.5}, {" 7 ", 7},  {"1e3", 1000},
      {"", -1},     {"1,5", -1}, {"1.5x", -1},    {"abc", -1}, {"inf", -1}, {"nan", -1},
      {"0x10", -1}, {"--1", -1}, {"1e999", -1},   {"-", -1},   {"1 2", -1},
  };
  for (const auto& c : cases) EXPECT_EQ(StrToFloatDef(c.text, -1), c.expected) << c.text;
}

TEST(Numbers, StrToIntDef) {
  struct Case {
    const char* text;
    int expected;
  } cases[] = {
      {"42", 42},
      {"-7", -7},
      {"+7", 7},
      {"007", 7},
      {" 1", 1},
      {"$10", 16},
      {"0x1F", 31},
      {"", -1},
      {"1 ", -1},
      {"1.0", -1},
      {"-", -1},
      {"+-1", -1},
      {"2147483647", 2147483647},
      {"-2147483648", -2147483647 - 1},
      {"2147483648", -1},
      {"99999999999999999999999", -1},
  };
  for (const auto& c : cases) EXPECT_EQ(StrToIntDef(c.text, -1), c.expected) << c.text;
}

TEST(SystemTexts, LocalHostAndTempPath) {
  EXPECT_TRUE(IsLocalHost("127.0.0.1"));
  EXPECT_FALSE(IsLocalHost("localhost"));
  EXPECT_FALSE(IsLocalHost("127.0.0.2"));
  EXPECT_FALSE(IsLocalHost(" 127.0.0.1"));

  testing::ScopedEnv tmp("TMPDIR", "/var/tmp/pxq-long-name");
  EXPECT_EQ(GetLongTempPath(), "/var/tmp/pxq-long-name/");
}

TEST(VariantHelpers, IfThenAndBlank) {
  EXPECT_EQ(VarIfThen(true, Variant(1), Variant("b")), Variant(1));
  EXPECT_EQ(VarIfThen(false, Variant(1), Variant("b")), Variant("b"));
  EXPECT_TRUE(VarIsBlank(Variant()));
  EXPECT_TRUE(VarIsBlank(Variant::Null()));
  EXPECT_FALSE(VarIsBlank(Variant("")));
  EXPECT_FALSE(VarIsBlank(Variant(0)));
}

}  // namespace
}  // namespace pxq::util
