#include "platform/variant/variant.h"

#include <gtest/gtest.h>

namespace pxq {
namespace {

TEST(Variant, KindsAreKeptApart) {
  EXPECT_TRUE(Variant().IsEmpty());
  EXPECT_TRUE(Variant::Null().IsNull());
  EXPECT_NE(Variant(), Variant::Null());
  EXPECT_TRUE(Variant::Null().IsBlank());
  EXPECT_EQ(Variant(u"ab").Kind(), VarKind::WideText);
  EXPECT_EQ(Variant("ab").Kind(), VarKind::NarrowText);
  EXPECT_NE(Variant(u"ab"), Variant("ab"));
  EXPECT_NE(Variant(1), Variant(1.0));
  EXPECT_EQ(Variant::Date(45000).Kind(), VarKind::Date);
  EXPECT_EQ(Variant(true).Kind(), VarKind::Boolean);
}

TEST(Variant, Conversions) {
  EXPECT_EQ(Variant("12").ToInt(), 12);
  EXPECT_EQ(Variant(u" 7 ").ToInt(), 7);
  EXPECT_EQ(Variant().ToInt(), 0);
  EXPECT_EQ(Variant(2.5).ToInt(), 2);  // round half to even
  EXPECT_EQ(Variant(3.5).ToInt(), 4);
  EXPECT_EQ(Variant(true).ToInt(), -1);
  EXPECT_THROW(Variant::Null().ToInt(), VariantError);
  EXPECT_THROW(Variant("abc").ToInt(), VariantError);
  EXPECT_THROW(Variant(VarArray(0, 1)).ToAnsi(), VariantError);
  EXPECT_THROW(Variant(int64_t{1} << 40).ToInt32(), VariantError);
  EXPECT_EQ(Variant::Null().ToAnsi(), "");
  EXPECT_EQ(Variant(42).ToAnsi(), "42");
  EXPECT_TRUE(Variant("TRUE").ToBool());
  EXPECT_FALSE(Variant("0").ToBool());
  // Wide texts narrow through the ANSI code page (936 by default): 中 is D6 D0 in GBK.
  EXPECT_EQ(Variant(u"\u4e2d").ToAnsi(), "\xD6\xD0");
  EXPECT_EQ(Variant("\xD6\xD0").ToWide(), u"\u4e2d");
}

TEST(VarArray, BoundsAndAccess) {
  VarArray a(1, 3);
  a[1] = 10;
  a[3] = "x";
  EXPECT_EQ(a.Low(), 1);
  EXPECT_EQ(a.High(), 3);
  EXPECT_THROW(a[0], VariantError);
  EXPECT_THROW(a[4], VariantError);
  EXPECT_THROW(a.At(1, 1), VariantError);
  EXPECT_THROW(a.Low(2), VariantError);

  VarArray m(0, 1, 0, 0);
  m.At(0, 0) = "host";
  m.At(1, 0) = 211;
  m.Redim(1);  // grow the last dimension, keeping what is there
  m.At(0, 1) = "other";
  EXPECT_EQ(m.At(0, 0), Variant("host"));
  EXPECT_EQ(m.At(1, 0), Variant(211));
  EXPECT_EQ(m.High(2), 1);
  EXPECT_TRUE(m.At(1, 1).IsEmpty());

  VarArray empty(0, -1);
  EXPECT_EQ(empty.Length(), 0);
  EXPECT_FALSE(empty.Contains(0));
}

TEST(Variant, ArraysAreValuesAndCompareDeeply) {
  Variant inner = VarArray::Of({Variant(1), Variant::Null()});
  Variant outer = VarArray::Of({inner, Variant(u"w")}, 1);
  Variant copy = outer;
  EXPECT_EQ(copy, outer);
  copy.Array()[1].Array()[1] = 5;
  EXPECT_NE(copy, outer);
  EXPECT_TRUE(outer.Array()[1].Array()[1].IsNull());
  EXPECT_NE(Variant(VarArray(0, 1)), Variant(VarArray(1, 2)));  // bounds are part of the value
}

TEST(Variant, DumpIsReadable) {
  Variant v = VarArray::Of({Variant(1), Variant("a\x03"), Variant(u"\u4e2d"), Variant::Null(),
                            Variant(), Variant(true), Variant::Date(2)});
  EXPECT_EQ(v.Dump(), "[0..6: 1, \"a\\x03\", L\"\xE4\xB8\xAD\", Null, Empty, True, Date(2)]");
  VarArray m(0, 1, 0, 0);
  m.At(0, 0) = "h";
  m.At(1, 0) = 211;
  EXPECT_EQ(Variant(m).Dump(), "[0..1,0..0: \"h\", 211]");
}

}  // namespace
}  // namespace pxq
