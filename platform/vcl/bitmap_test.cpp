#include "platform/vcl/bitmap.h"

#include <gtest/gtest.h>

#include "platform/vcl/imagelist.h"
#include "testing/testing.h"

namespace pxq::vcl {
namespace {

void Put(std::string& s, uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) s += static_cast<char>((v >> (8 * i)) & 0xFF);
}

struct BmpSpec {
  int width = 2;
  int height = 2;  // negative: top-down
  int bpp = 24;
  std::vector<TColor> palette;
  std::vector<std::string> rows;  // file order, unpadded
  uint32_t compression = 0;
  bool coreHeader = false;
};

// A BMP file written by hand, independent of the writer under test.
std::string MakeBmp(const BmpSpec& b) {
  const int rowSize = (b.width * b.bpp + 31) / 32 * 4;
  const int entry = b.coreHeader ? 3 : 4;
  const uint32_t header = b.coreHeader ? 12 : 40;
  const uint32_t off = 14 + header + static_cast<uint32_t>(b.palette.size() * entry);
  std::string s = "BM";
  Put(s, off + static_cast<uint32_t>(rowSize * b.rows.size()), 4);
  Put(s, 0, 4);
  Put(s, off, 4);
  Put(s, header, 4);
  if (b.coreHeader) {
    Put(s, static_cast<uint32_t>(b.width), 2);
    Put(s, static_cast<uint32_t>(b.height), 2);
    Put(s, 1, 2);
    Put(s, static_cast<uint32_t>(b.bpp), 2);
  } else {
    Put(s, static_cast<uint32_t>(b.width), 4);
    Put(s, static_cast<uint32_t>(b.height), 4);
    Put(s, 1, 2);
    Put(s, static_cast<uint32_t>(b.bpp), 2);
    Put(s, b.compression, 4);
    Put(s, 0, 4);
    Put(s, 0, 4);
    Put(s, 0, 4);
    Put(s, static_cast<uint32_t>(b.palette.size()), 4);
    Put(s, 0, 4);
  }
  for (TColor c : b.palette) {
    s += static_cast<char>(GetBValue(c));
    s += static_cast<char>(GetGValue(c));
    s += static_cast<char>(GetRValue(c));
    if (!b.coreHeader) s += '\0';
  }
  for (const std::string& row : b.rows) {
    s += row;
    s.append(static_cast<size_t>(rowSize) - row.size(), '\0');
  }
  return s;
}

TEST(BitmapTest, ReadsRowOrderAndPaletteFormats) {
  struct Case {
    const char* name;
    BmpSpec spec;
    TPixelFormat format;
    std::vector<TColor> pixels;  // top row first
  } cases[] = {
      {"24-bit bottom-up",
       {2, 2, 24, {}, {std::string("\0\0\xff\0\xff\0", 6), std::string("\xff\0\0\xff\xff\xff", 6)}},
       TPixelFormat::pf24bit,
       {clBlue, clWhite, clRed, clLime}},
      {"8-bit top-down",
       {3, -1, 8, {clRed, clGreen, clBlue}, {std::string("\x02\x00\x01", 3)}},
       TPixelFormat::pf8bit,
       {clBlue, clRed, clGreen}},
      {"4-bit",
       {3, 1, 4, {clRed, clGreen, clBlue}, {std::string("\x12\x00", 2)}},
       TPixelFormat::pf4bit,
       {clGreen, clBlue, clRed}},
      {"1-bit, 9 wide",
       {9, 1, 1, {clBlack, clWhite}, {std::string("\xa0\x80", 2)}},
       TPixelFormat::pf1bit,
       {clWhite, clBlack, clWhite, clBlack, clBlack, clBlack, clBlack, clBlack, clWhite}},
      // An index beyond the palette shows black.
      {"8-bit short palette",
       {1, 1, 8, {clRed}, {std::string("\x05", 1)}},
       TPixelFormat::pf8bit,
       {clBlack}},
      {"core header",
       {2, 1, 24, {}, {std::string("\x00\x80\x00\x80\x80\x80", 6)}, 0, true},
       TPixelFormat::pf24bit,
       {clGreen, clGray}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TBitmap bmp;
    bmp.LoadFromBytes(MakeBmp(c.spec));
    EXPECT_EQ(bmp.PixelFormat(), c.format);
    EXPECT_EQ(bmp.Pixels(), c.pixels);
  }
}

TEST(BitmapTest, RejectsBadFilesAndKeepsTheImage) {
  BmpSpec good{1, 1, 24, {}, {std::string("\x01\x02\x03", 3)}};
  std::string ok = MakeBmp(good);
  BmpSpec rle = good;
  rle.compression = 1;
  BmpSpec bits16 = good;
  bits16.bpp = 16;
  BmpSpec huge = good;
  huge.width = 1 << 20;
  std::string wrongMagic = ok;
  wrongMagic[0] = 'X';
  std::string badOffset = ok;
  badOffset[10] = '\x7f';
  const std::string bad[] = {
      "",
      ok.substr(0, 20),
      ok.substr(0, ok.size() - 1),
      wrongMagic,
      badOffset,
      MakeBmp(rle),
      MakeBmp(bits16),
      MakeBmp(huge),
  };
  TBitmap bmp(1, 1);
  bmp.SetPixel(0, 0, clRed);
  for (const std::string& bytes : bad) {
    EXPECT_THROW(bmp.LoadFromBytes(bytes), EInvalidGraphic);
    EXPECT_EQ(bmp.Pixel(0, 0), clRed);
  }
}

TEST(BitmapTest, SavesEveryFormatAndReadsItBack) {
  TBitmap src(5, 3);
  const TColor colors[] = {clRed, clLime, clBlue, clWhite, RGB(1, 2, 3)};
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 5; ++x) src.SetPixel(x, y, colors[(x + y) % 5]);
  }
  for (TPixelFormat f : {TPixelFormat::pfDevice, TPixelFormat::pf24bit, TPixelFormat::pf32bit,
                         TPixelFormat::pf8bit, TPixelFormat::pf4bit}) {
    SCOPED_TRACE(static_cast<int>(f));
    TBitmap bmp = src;
    bmp.SetPixelFormat(f);
    TBitmap back;
    back.LoadFromBytes(bmp.SaveToBytes());
    EXPECT_EQ(back.Pixels(), src.Pixels());
    EXPECT_EQ(back.PixelFormat(), f == TPixelFormat::pfDevice ? TPixelFormat::pf24bit : f);
  }
  // Monochrome keeps white and turns every other colour black.
  TBitmap mono = src;
  mono.SetMonochrome(true);
  TBitmap back;
  back.LoadFromBytes(mono.SaveToBytes());
  EXPECT_TRUE(back.Monochrome());
  EXPECT_EQ(back.Pixel(3, 0), clWhite);
  EXPECT_EQ(back.Pixel(0, 0), clBlack);

  // More colours than the palette holds: the first ones stay, the rest take the nearest.
  TBitmap many(20, 1);
  for (int x = 0; x < 20; ++x) many.SetPixel(x, 0, RGB(x * 10, 0, 0));
  many.SetPixelFormat(TPixelFormat::pf4bit);
  back.LoadFromBytes(many.SaveToBytes());
  EXPECT_EQ(back.Pixel(15, 0), RGB(150, 0, 0));
  EXPECT_EQ(back.Pixel(19, 0), RGB(150, 0, 0));
}

TEST(BitmapTest, FilesOnDisk) {
  testing::TempDir dir;
  TBitmap bmp(2, 2);
  bmp.Fill(clBtnFace);
  bmp.SaveToFile(dir / "a.bmp");
  TBitmap back;
  back.LoadFromFile(dir / "a.bmp");
  EXPECT_EQ(back.Pixel(1, 1), RGB(212, 208, 200));
  EXPECT_THROW(back.LoadFromFile(dir / "missing.bmp"), EInvalidGraphic);
}

TEST(BitmapTest, TransparencyMasksAndDrawing) {
  TBitmap glyph(3, 2);
  glyph.Fill(clFuchsia);
  glyph.SetPixel(1, 0, clNavy);
  glyph.SetPixel(0, 0, clYellow);
  EXPECT_EQ(glyph.TransparentColor(), clFuchsia);  // the bottom-left pixel
  glyph.SetPixel(0, 1, clTeal);
  EXPECT_EQ(glyph.TransparentColor(), clTeal);
  glyph.SetTransparentColor(clFuchsia);
  glyph.SetPixel(0, 1, clFuchsia);
  EXPECT_EQ(glyph.TransparentMode(), TTransparentMode::tmFixed);
  EXPECT_EQ(TBitmap().TransparentColor(), clDefault);  // an empty image has none

  TBitmap mask = glyph.CreateMask();
  EXPECT_TRUE(mask.Monochrome());
  EXPECT_EQ(mask.Pixels(), (std::vector<TColor>{clBlack, clBlack, clWhite,  //
                                                clWhite, clWhite, clWhite}));

  TBitmap canvas(4, 3);
  canvas.Fill(clBtnFace);
  glyph.SetTransparent(true);
  canvas.Draw(1, 1, glyph);
  EXPECT_EQ(canvas.Pixel(1, 1), clYellow);
  EXPECT_EQ(canvas.Pixel(3, 1), RGB(212, 208, 200));  // transparent: not painted
  canvas.DrawMask(-1, 0, mask, clBtnShadow);          // clipped at the left edge
  EXPECT_EQ(canvas.Pixel(0, 0), clGray);
  EXPECT_EQ(canvas.Pixel(1, 0), RGB(212, 208, 200));

  // Widening a glyph to two frames keeps the first.
  TBitmap wide = glyph;
  wide.SetWidth(6);
  wide.CopyRect(Bounds(3, 0, 3, 2), glyph, Bounds(0, 0, 3, 2));
  EXPECT_EQ(wide.Pixel(4, 0), clNavy);
  EXPECT_EQ(wide.Pixel(1, 0), clNavy);
  EXPECT_EQ(wide.Pixel(-1, 0), clNone);
}

TEST(ImageListTest, StripsMasksAndSizes) {
  TBitmap strip(32, 16);
  strip.Fill(clFuchsia);
  strip.SetPixel(0, 0, clRed);
  strip.SetPixel(16, 0, clBlue);
  TImageList list;
  EXPECT_EQ(list.AddMasked(strip, clFuchsia), 0);
  EXPECT_EQ(list.Add(strip), 2);
  ASSERT_EQ(list.Count(), 4);

  TBitmap image;
  ASSERT_TRUE(list.GetBitmap(1, image));
  EXPECT_EQ(image.Width(), 16);
  EXPECT_EQ(image.Pixel(0, 0), clBlue);
  EXPECT_TRUE(image.Transparent());
  EXPECT_EQ(image.TransparentColor(), clFuchsia);

  TBitmap canvas(16, 16);
  canvas.Fill(clWhite);
  list.Draw(canvas, 0, 0, 0);
  EXPECT_EQ(canvas.Pixel(0, 0), clRed);
  EXPECT_EQ(canvas.Pixel(1, 0), clWhite);  // masked
  list.Draw(canvas, 0, 0, 2);              // opaque
  EXPECT_EQ(canvas.Pixel(1, 0), clFuchsia);

  EXPECT_FALSE(list.GetBitmap(4, image));
  list.Delete(0);
  EXPECT_EQ(list.Count(), 3);
  list.SetWidth(8);
  EXPECT_EQ(list.Count(), 0);
}

TEST(GraphicsTypesTest, SystemColoursAndRectangles) {
  EXPECT_EQ(ColorToRGB(clBtnFace), RGB(212, 208, 200));
  EXPECT_EQ(ColorToRGB(clBtnHighlight), clWhite);
  EXPECT_EQ(ColorToRGB(clRed), clRed);
  EXPECT_EQ(ColorToRGB(0xAFFFFF), 0xAFFFFF);
  TRect r = Bounds(2, 3, 10, 5);
  EXPECT_EQ(r, Rect(2, 3, 12, 8));
  EXPECT_TRUE(r.Contains(Point(2, 3)));
  EXPECT_FALSE(r.Contains(Point(12, 3)));
  EXPECT_EQ(r.Intersect(Rect(0, 0, 4, 4)), Rect(2, 3, 4, 4));
  EXPECT_TRUE(r.Intersect(Rect(20, 20, 30, 30)).IsEmpty());
}

}  // namespace
}  // namespace pxq::vcl
