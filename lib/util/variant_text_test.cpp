#include "lib/util/variant_text.h"

#include <gtest/gtest.h>

#include "testing/testing.h"

namespace pxq::util {
namespace {

// "中" in code page 936 and in code page 950.
const std::string kGb = "\xD6\xD0";
const std::string kBig5 = "\xA4\xA4";

class VariantTextTest : public ::testing::Test {
 protected:
  testing::ScopedCodePage codePage_{936};
};

TEST_F(VariantTextTest, PlainConversions) {
  EXPECT_EQ(WideToAnsi(u"中a", 950), kBig5 + "a");
  EXPECT_EQ(WideToAnsi(u"中a", 936), kGb + "a");
  EXPECT_EQ(WideToAnsi(u"中", 12345), kGb);  // unknown code page: the system's
  EXPECT_EQ(WideToAnsi(std::u16string(u"ab\0cd", 5), 936), "ab");
  EXPECT_EQ(WideToAnsi(u"", 950), "");

  EXPECT_EQ(AnsiToWide(kBig5, 950), u"中");
  EXPECT_EQ(AnsiToWide(kGb, 936), u"中");
  EXPECT_EQ(AnsiToWide(kGb, 12345), u"中");
  EXPECT_EQ(AnsiToWide(std::string("ab\0cd", 5), 936), u"ab");
  EXPECT_EQ(AnsiToWide("", 950), u"");
  EXPECT_EQ(AnsiToWide("\xFF", 936), u"\uFFFD");  // invalid bytes never lose the rest
}

TEST_F(VariantTextTest, TextValuesChangeKind) {
  EXPECT_EQ(VariantWideToAnsi(Variant(u"中"), 950), Variant(kBig5));
  EXPECT_EQ(VariantWideToAnsi(Variant(kGb), 950), Variant(kBig5));  // via the ANSI code page
  EXPECT_EQ(VariantAnsiToWide(Variant(kBig5), 950), Variant(u"中"));
  EXPECT_EQ(VariantAnsiToWide(Variant(u"中"), 936), Variant(u"中"));
  // Blank and non-text values come back unchanged.
  for (const Variant& v :
       {Variant(), Variant::Null(), Variant(7), Variant::Date(2), Variant(true)}) {
    EXPECT_EQ(VariantWideToAnsi(v, 950), v);
    EXPECT_EQ(VariantAnsiToWide(v, 950), v);
  }
}

TEST_F(VariantTextTest, OneDimensionalArraysConvertWideElementsAtAnyDepth) {
  const Variant value(VarArray::Of({u"中", kGb, 3, Variant::Null(),
                                    Variant(VarArray::Of({u"中", Variant(VarArray::Of({u"中"}))}))},
                                   1));
  const Variant narrowed = VariantWideToAnsi(value, 950);
  const Variant expected(
      VarArray::Of({kBig5, kGb, 3, Variant::Null(),
                    Variant(VarArray::Of({kBig5, Variant(VarArray::Of({kBig5}))}))},
                   1));
  EXPECT_EQ(narrowed, expected) << narrowed.Dump();
  EXPECT_EQ(value.Array()[1], Variant(u"中"));  // the argument is not touched

  // To wide: an element holding wide text is narrowed through the ANSI code page and widened
  // through the given one ("い" is A4 A4 in code page 936, which is "中" in 950); narrow
  // elements stay as they are.
  const Variant widened = VariantAnsiToWide(Variant(VarArray::Of({u"い", kBig5})), 950);
  EXPECT_EQ(widened, Variant(VarArray::Of({u"中", kBig5}))) << widened.Dump();
}

TEST_F(VariantTextTest, TwoDimensionalArraysLeaveNestedArraysAlone) {
  VarArray grid(0, 1, 0, 0);
  grid.At(0, 0) = u"中";
  grid.At(1, 0) = Variant(VarArray::Of({u"中"}));
  const Variant result = VariantWideToAnsi(Variant(grid), 950);
  ASSERT_TRUE(result.IsArray());
  EXPECT_EQ(result.Array().At(0, 0), Variant(kBig5));
  EXPECT_EQ(result.Array().At(1, 0), Variant(VarArray::Of({u"中"})));

  EXPECT_EQ(VariantWideToAnsi(Variant(VarArray()), 950), Variant(VarArray()));
}

}  // namespace
}  // namespace pxq::util
