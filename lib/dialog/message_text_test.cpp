#include "lib/dialog/message_text.h"

#include <gtest/gtest.h>

namespace pxq::dialog {
namespace {

TEST(MessageId, SplitsKindNumberAndTenArguments) {
  struct Case {
    const char* identifier;
    const char* kind;
    const char* lookupNumber;
    bool shown;
    const char* firstArgument;
  } cases[] = {
      {"E;000038", "E", "000038", true, ""},
      {"I;-000004;2024050100012", "I", "000004", false, "2024050100012"},  // silent
      {"E;-1", "E", "1", false, ""},          // a run-time error's own text
      {"W;abc;x", "W", "bc", false, "x"},     // not a number: counts as 0
      {"E;000000", "E", "00000", false, ""},  // 0 is not above 0
      {"Q", "Q", "", false, ""},              // no number at all
      {"", "", "", false, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.identifier);
    const MessageId id = ParseMessageId(c.identifier);
    EXPECT_EQ(id.kind, c.kind);
    EXPECT_EQ(id.lookupNumber, c.lookupNumber);
    EXPECT_EQ(id.shown, c.shown);
    EXPECT_EQ(id.arguments[0], c.firstArgument);
  }
  const MessageId many = ParseMessageId("W;000002;1;2;3;4;5;6;7;8;9;10;11;12");
  EXPECT_EQ(many.arguments[9], "10");  // the eleventh and twelfth are dropped
  EXPECT_EQ(ParseMessageId("I;000005;a").arguments[1], "");
}

TEST(MessageId, PresentationByKind) {
  using namespace vcl;
  struct Case {
    const char* kind;
    TMsgDlgType type;
    TMsgDlgButtons buttons;
  } cases[] = {
      {"C", mtWarning, {mbOK, mbCancel}},
      {"D", mtWarning, {mbYes, mbNo, mbCancel}},
      {"E", mtError, {mbOK}},
      {"I", mtInformation, {mbOK}},
      {"Q", mtConfirmation, {mbOK, mbCancel}},
      {"W", mtWarning, {mbOK, mbCancel}},
      {"R", mtCustom, {mbOK}},
      {"e", mtCustom, {mbOK}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.kind);
    EXPECT_EQ(PresentationOf(c.kind).type, c.type);
    EXPECT_EQ(PresentationOf(c.kind).buttons, c.buttons);
  }
}

TEST(FormatMessage, FillsTextPlaceholdersAndRefusesWhatDoesNotFit) {
  const std::vector<std::string> args{"ab", "cdef"};
  struct Case {
    const char* pattern;
    const char* expected;  // nullptr: formatting fails
  } cases[] = {
      {"no placeholders", "no placeholders"},
      {"%s+%s", "ab+cdef"},
      {"%1:s %0:s %s", "cdef ab cdef"},  // an index moves the next argument too
      {"[%4s][%-4s]", "[  ab][cdef]"},
      {"[%-5s]", "[ab   ]"},
      {"%.2s%S", "abcdef"},
      {"100%%", "100%"},
      {"%d", nullptr},      // a number placeholder cannot take a text
      {"%s%s%s", nullptr},  // one argument too few
      {"%2:s", nullptr},
      {"50%", nullptr},
      {"%*s", nullptr},
      {"%5", nullptr},
      {"%.s", nullptr},
      {"%:s", nullptr},
      {"%99999999s", nullptr},  // widths are bounded
      {"%q", nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.pattern);
    const auto text = FormatMessage(c.pattern, args);
    if (c.expected) {
      ASSERT_TRUE(text.has_value());
      EXPECT_EQ(*text, c.expected);
    } else {
      EXPECT_FALSE(text.has_value());
    }
  }
}

TEST(FormatMessage, FallbackAppendsEveryArgument) {
  const std::vector<std::string> ten{"J1", "", "", "", "", "", "", "", "", ""};
  EXPECT_EQ(FormatWithFallback("Job %s", ten), "Job J1");
  EXPECT_EQ(FormatWithFallback("Job %d", ten), "Job %d\rJ1;;;;;;;;;;");
}

}  // namespace
}  // namespace pxq::dialog
