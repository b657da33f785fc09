#include "platform/os/codepage.h"

#include <gtest/gtest.h>

#include "testing/testing.h"

namespace pxq::os {
namespace {

TEST(CodePage, ConvertsBetweenWideAndCodePages) {
  struct Case {
    int cp;
    std::u16string wide;
    std::string bytes;
  } cases[] = {
      {936, u"\u4e2d\u6587", "\xD6\xD0\xCE\xC4"},  // 中文 in GBK
      {950, u"\u4e2d\u6587", "\xA4\xA4\xA4\xE5"},  // 中文 in Big5
      {1252, u"caf\u00e9", "caf\xE9"},
      {437, u"abc", "abc"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(WideToMultiByte(c.cp, c.wide), c.bytes) << c.cp;
    EXPECT_EQ(MultiByteToWide(c.cp, c.bytes), c.wide) << c.cp;
  }
}

TEST(CodePage, BadInputNeverTruncatesOrFails) {
  // A character Big5 lacks becomes '?', whole.
  EXPECT_EQ(WideToMultiByte(950,
                            u"a\u4e2a"
                            u"b"),
            "a?b");  // 个 (simplified only)
  // A lone lead byte at the end and an invalid pair give replacement characters.
  EXPECT_EQ(MultiByteToWide(936, "a\xD6"), u"a\uFFFD");
  EXPECT_EQ(MultiByteToWide(950,
                            "\xFF\xFF"
                            "b"),
            u"\uFFFD\uFFFD"
            u"b");
  // An unpaired surrogate is replaced, not passed through.
  EXPECT_EQ(WideToMultiByte(936, std::u16string(u"x") + char16_t(0xD800) + u"y"), "x?y");
  EXPECT_EQ(WideToMultiByte(99999, u"x"), std::nullopt);
  EXPECT_EQ(MultiByteToWide(-1, "x"), std::nullopt);
}

TEST(CodePage, AnsiCodePageIsSettable) {
  EXPECT_EQ(AnsiCodePage(), 936);
  {
    testing::ScopedCodePage big5(950);
    EXPECT_EQ(Ansi("中"), "\xA4\xA4");
  }
  EXPECT_EQ(Ansi("中"), "\xD6\xD0");
  EXPECT_EQ(AnsiToUtf8("\xD6\xD0"), "中");
}

}  // namespace
}  // namespace pxq::os
