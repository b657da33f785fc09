#include "lib/controls/glyphs.h"

#include <gtest/gtest.h>

#include "testing/testing.h"

namespace pxq::controls {
namespace {

class GlyphFolderTest : public ::testing::Test {
 protected:
  void TearDown() override { SetGlyphFolder({}); }
};

TEST_F(GlyphFolderTest, ProjectGlyphsHoldTheNumbersInUse) {
  SetGlyphFolder(std::filesystem::path(PXQ_DATA_DIR) / "glyphs");
  EXPECT_EQ(GetMaxBmpID(), 81);
  for (int id : {4, 8, 9, 39, 47, 61, 63, 64, 68, 81}) {
    vcl::TBitmap b;
    ASSERT_TRUE(LoadBmp(b, id)) << id;
    EXPECT_EQ(b.Height(), 16);
    EXPECT_EQ(b.Width(), id == 4 ? 32 : 16) << id;
    EXPECT_EQ(b.TransparentColor(), vcl::clFuchsia);
  }
}

TEST_F(GlyphFolderTest, NumbersWithoutAGlyph) {
  SetGlyphFolder(std::filesystem::path(PXQ_DATA_DIR) / "glyphs");
  vcl::TBitmap b(3, 3);
  for (int id : {-1, 0, 5, 82, 1 << 30}) {
    EXPECT_FALSE(LoadBmp(b, id)) << id;
    EXPECT_EQ(b.Width(), 3) << "unchanged";
  }
}

TEST_F(GlyphFolderTest, UnreadableGlyphRaises) {
  pxq::testing::TempDir dir;
  pxq::testing::WriteFile(dir / "7.bmp", "BM not a bitmap");
  pxq::testing::WriteFile(dir / "notes.txt", "");
  SetGlyphFolder(dir.path());
  EXPECT_EQ(GetMaxBmpID(), 7);
  vcl::TBitmap b;
  EXPECT_THROW(LoadBmp(b, 7), vcl::EInvalidGraphic);
}

TEST_F(GlyphFolderTest, EmptyOrMissingFolder) {
  pxq::testing::TempDir dir;
  SetGlyphFolder(dir.path() / "none");
  EXPECT_EQ(GetMaxBmpID(), 0);
  vcl::TBitmap b;
  EXPECT_FALSE(LoadBmp(b, 8));
}

}  // namespace
}  // namespace pxq::controls
