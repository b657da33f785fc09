#include <gtest/gtest.h>

#include <iostream>

#include "lib/i18n/translator.h"
#include "platform/os/codepage.h"

namespace {

using pxq::i18n::TTranslator;

std::string Encode(int codePage, std::string_view utf8) {
  return pxq::os::WideToMultiByte(codePage, pxq::os::Utf8ToWide(utf8)).value();
}
std::string Gb(std::string_view utf8) { return Encode(936, utf8); }
std::string Big5(std::string_view utf8) { return Encode(950, utf8); }

// The library is found by name next to this program, as the plug-in finds it next to itself.
class NtlanguageTest : public ::testing::Test {
 protected:
  TTranslator translator;
};

TEST_F(NtlanguageTest, MapsSimplifiedGbTextToTraditionalBig5AndBack) {
  struct Case {
    std::string_view simplified, traditional;
  } cases[] = {
      {"简体中文", "簡體中文"},
      {"为什么", "為什麼"},
      {"采购计划表", "採購計劃表"},
      {"头发", "頭髮"},  // mapped as a phrase
      {"Plan 2024-01, OK!", "Plan 2024-01, OK!"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(translator.GbToBig5(Gb(c.simplified)), Big5(c.traditional)) << c.simplified;
    EXPECT_EQ(translator.Big5ToGb(Big5(c.traditional)), Gb(c.simplified)) << c.traditional;
  }
  EXPECT_EQ(translator.GbToBig5(""), "");
  // Zero bytes and field separators stay where they are.
  EXPECT_EQ(translator.GbToBig5(Gb("计划") + std::string("\0\x03", 2) + Gb("表")),
            Big5("計劃") + std::string("\0\x03", 2) + Big5("表"));
}

TEST_F(NtlanguageTest, InvalidBytesAndCharactersWithoutCounterpartBecomeQuestionMarks) {
  struct Case {
    std::string in, out;
  } gbCases[] = {
      {"\xFF", "?"},
      {"a\xFF\xFF"
       "b",
       "a??b"},
      {Gb("啊") + "\xB0", Big5("啊") + "?"},  // truncated at the end
      {Gb("傈僳"), "?" + Big5("僳")},         // 傈 (GB2312 level 1) has no Big5 code
  };
  for (const auto& c : gbCases) EXPECT_EQ(translator.GbToBig5(c.in), c.out);
  EXPECT_EQ(translator.Big5ToGb("\xA4\x30"), "?0");  // no valid trail byte: ASCII kept
  EXPECT_EQ(translator.Big5ToGb("x\xA4"), "x?");
  EXPECT_EQ(translator.Big5ToGb("\xFF\xFF"), "??");
}

TEST_F(NtlanguageTest, Gb2312Level1RoundTripsThroughBig5) {
  int total = 0, withCounterpart = 0, roundTrips = 0;
  std::string failures;
  for (int row = 16; row <= 55; ++row) {
    for (int cell = 1; cell <= 94; ++cell) {
      if (row == 55 && cell > 89) break;  // row 55 ends at cell 89
      std::string gb{static_cast<char>(0xA0 + row), static_cast<char>(0xA0 + cell)};
      ++total;
      std::string big5 = translator.GbToBig5(gb);
      if (big5.find('?') != std::string::npos) continue;
      std::string back = translator.Big5ToGb(big5);
      if (back.find('?') != std::string::npos) continue;
      ++withCounterpart;
      if (back == gb) {
        ++roundTrips;
      } else {
        failures += pxq::os::ToUtf8(936, gb) + pxq::os::ToUtf8(950, big5) +
                    pxq::os::ToUtf8(936, back) + " ";
      }
    }
  }
  std::cout << total << " level-1 characters, " << withCounterpart
            << " with a counterpart both ways, " << roundTrips << " round-trip\n"
            << "not round-tripping: " << failures << "\n";
  EXPECT_EQ(total, 3755);
  EXPECT_GE(withCounterpart, 3740);
  EXPECT_GE(roundTrips, withCounterpart * 99 / 100);
}

}  // namespace
