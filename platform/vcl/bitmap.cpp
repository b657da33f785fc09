#include "platform/vcl/bitmap.h"

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <unordered_map>

namespace pxq::vcl {

TColor ColorToRGB(TColor color) {
  if (!IsSystemColor(color)) return color & 0xFFFFFF;
  // The classic desktop scheme, indexed by system colour number.
  static constexpr TColor kScheme[] = {
      RGB(212, 208, 200),  // scroll bar
      RGB(58, 110, 165),   // background
      RGB(10, 36, 106),    // active caption
      RGB(128, 128, 128),  // inactive caption
      RGB(212, 208, 200),  // menu
      RGB(255, 255, 255),  // window
      RGB(0, 0, 0),        // window frame
      RGB(0, 0, 0),        // menu text
      RGB(0, 0, 0),        // window text
      RGB(255, 255, 255),  // caption text
      RGB(212, 208, 200),  // active border
      RGB(212, 208, 200),  // inactive border
      RGB(128, 128, 128),  // application work space
      RGB(10, 36, 106),    // highlight
      RGB(255, 255, 255),  // highlight text
      RGB(212, 208, 200),  // button face
      RGB(128, 128, 128),  // button shadow
      RGB(128, 128, 128),  // gray text
      RGB(0, 0, 0),        // button text
      RGB(212, 208, 200),  // inactive caption text
      RGB(255, 255, 255),  // button highlight
      RGB(64, 64, 64),     // 3D dark shadow
      RGB(212, 208, 200),  // 3D light
      RGB(0, 0, 0),        // info text
      RGB(255, 255, 225),  // info background
  };
  size_t index = static_cast<size_t>(color & 0xFF);
  return index < std::size(kScheme) ? kScheme[index] : clBlack;
}

TBitmap::TBitmap(int width, int height) { SetSize(width, height); }

void TBitmap::SetSize(int width, int height) {
  width = std::clamp(width, 0, kMaxSide);
  height = std::clamp(height, 0, kMaxSide);
  if (static_cast<long long>(width) * height > kMaxPixels) {
    throw EInvalidGraphic("Bitmap image is too large");
  }
  if (width == width_ && height == height_) return;
  std::vector<TColor> next(static_cast<size_t>(width) * static_cast<size_t>(height), clWhite);
  for (int y = 0; y < std::min(height, height_); ++y) {
    for (int x = 0; x < std::min(width, width_); ++x) {
      next[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)] =
          Pixel(x, y);
    }
  }
  pixels_ = std::move(next);
  width_ = width;
  height_ = height;
}

TColor TBitmap::Pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return clNone;
  return pixels_[static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x)];
}

void TBitmap::SetPixel(int x, int y, TColor color) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  TColor c = ColorToRGB(color);
  if (monochrome_ && c != clWhite) c = clBlack;
  pixels_[static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x)] = c;
}

void TBitmap::SetPixelFormat(TPixelFormat format) {
  if (format == TPixelFormat::pf1bit) {
    SetMonochrome(true);
    return;
  }
  monochrome_ = false;
  pixelFormat_ = format;
}

void TBitmap::SetMonochrome(bool monochrome) {
  if (monochrome) {
    for (TColor& c : pixels_) c = c == clWhite ? clWhite : clBlack;
    pixelFormat_ = TPixelFormat::pf1bit;
  } else if (pixelFormat_ == TPixelFormat::pf1bit) {
    pixelFormat_ = TPixelFormat::pfDevice;
  }
  monochrome_ = monochrome;
}

TColor TBitmap::TransparentColor() const {
  if (transparentMode_ == TTransparentMode::tmFixed) return transparentColor_;
  return Empty() ? clDefault : Pixel(0, height_ - 1);
}

void TBitmap::SetTransparentColor(TColor color) {
  transparentColor_ = color;
  transparentMode_ = TTransparentMode::tmFixed;
}

void TBitmap::FillRect(const TRect& rect, TColor color) {
  TRect r = rect.Intersect(Rect(0, 0, width_, height_));
  for (int y = r.Top; y < r.Bottom; ++y) {
    for (int x = r.Left; x < r.Right; ++x) SetPixel(x, y, color);
  }
}

void TBitmap::Draw(int x, int y, const TBitmap& source) {
  const bool skip = source.Transparent() && !source.Empty();
  const TColor transparent = skip ? ColorToRGB(source.TransparentColor()) : clNone;
  for (int sy = 0; sy < source.Height(); ++sy) {
    for (int sx = 0; sx < source.Width(); ++sx) {
      TColor c = source.Pixel(sx, sy);
      if (!skip || c != transparent) SetPixel(x + sx, y + sy, c);
    }
  }
}

void TBitmap::CopyRect(const TRect& destRect, const TBitmap& source, const TRect& sourceRect) {
  const int w = std::min(destRect.Width(), sourceRect.Width());
  const int h = std::min(destRect.Height(), sourceRect.Height());
  for (int j = 0; j < h; ++j) {
    for (int i = 0; i < w; ++i) {
      TColor c = source.Pixel(sourceRect.Left + i, sourceRect.Top + j);
      if (c != clNone) SetPixel(destRect.Left + i, destRect.Top + j, c);
    }
  }
}

void TBitmap::DrawMask(int x, int y, const TBitmap& mask, TColor color) {
  for (int my = 0; my < mask.Height(); ++my) {
    for (int mx = 0; mx < mask.Width(); ++mx) {
      if (mask.Pixel(mx, my) == clBlack) SetPixel(x + mx, y + my, color);
    }
  }
}

TBitmap TBitmap::CreateMask(TColor color) const {
  const TColor c = ColorToRGB(color);
  TBitmap mask(width_, height_);
  for (size_t i = 0; i < pixels_.size(); ++i) mask.pixels_[i] = pixels_[i] == c ? clWhite : clBlack;
  mask.monochrome_ = true;
  mask.pixelFormat_ = TPixelFormat::pf1bit;
  return mask;
}

// BMP format ------------------------------------------------------------------------------------

namespace {

uint32_t U16(std::string_view b, size_t at) {
  return static_cast<uint32_t>(static_cast<unsigned char>(b[at])) |
         static_cast<uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8;
}
uint32_t U32(std::string_view b, size_t at) { return U16(b, at) | U16(b, at + 2) << 16; }

void Put16(std::string& out, uint32_t v) {
  out += static_cast<char>(v & 0xFF);
  out += static_cast<char>((v >> 8) & 0xFF);
}
void Put32(std::string& out, uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

[[noreturn]] void Invalid(const char* why) {
  throw EInvalidGraphic(std::string("Bitmap image is not valid: ") + why);
}

TColor FromBGR(unsigned char b, unsigned char g, unsigned char r) { return RGB(r, g, b); }

int Distance(TColor a, TColor b) {
  int dr = GetRValue(a) - GetRValue(b);
  int dg = GetGValue(a) - GetGValue(b);
  int db = GetBValue(a) - GetBValue(b);
  return dr * dr + dg * dg + db * db;
}

}  // namespace

void TBitmap::LoadFromBytes(std::string_view bytes) {
  constexpr size_t kFileHeader = 14;
  if (bytes.size() < kFileHeader + 12 || bytes[0] != 'B' || bytes[1] != 'M') Invalid("no header");
  const uint32_t offBits = U32(bytes, 10);
  const uint32_t headerSize = U32(bytes, 14);
  int64_t width = 0;
  int64_t height = 0;
  uint32_t bpp = 0;
  uint32_t compression = 0;
  uint32_t colorsUsed = 0;
  size_t paletteEntry = 4;
  if (headerSize == 12) {
    width = U16(bytes, 18);
    height = U16(bytes, 20);
    bpp = U16(bytes, 24);
    paletteEntry = 3;
  } else if (headerSize >= 40 && headerSize <= 1024 && bytes.size() >= kFileHeader + 40) {
    width = static_cast<int32_t>(U32(bytes, 18));
    height = static_cast<int32_t>(U32(bytes, 22));
    bpp = U16(bytes, 28);
    compression = U32(bytes, 30);
    colorsUsed = U32(bytes, 46);
  } else {
    Invalid("unknown header");
  }
  if (compression != 0) Invalid("compressed images are not supported");
  if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 24 && bpp != 32) Invalid("bit count");
  const bool topDown = height < 0;
  if (topDown) height = -height;
  if (width < 0 || width > kMaxSide || height > kMaxSide || width * height > kMaxPixels) {
    Invalid("size");
  }

  // Palette.
  std::vector<TColor> palette;
  const size_t paletteAt = kFileHeader + headerSize;
  if (bpp <= 8) {
    size_t count = colorsUsed == 0 ? (1u << bpp) : std::min<size_t>(colorsUsed, 1u << bpp);
    if (paletteAt + count * paletteEntry > bytes.size()) Invalid("palette");
    for (size_t i = 0; i < count; ++i) {
      size_t at = paletteAt + i * paletteEntry;
      palette.push_back(FromBGR(static_cast<unsigned char>(bytes[at]),
                                static_cast<unsigned char>(bytes[at + 1]),
                                static_cast<unsigned char>(bytes[at + 2])));
    }
  }

  // Pixels: rows padded to four bytes, bottom-up unless the height is negative.
  const size_t rowSize = static_cast<size_t>((width * bpp + 31) / 32 * 4);
  if (offBits < paletteAt || offBits > bytes.size() ||
      rowSize * static_cast<size_t>(height) > bytes.size() - offBits) {
    Invalid("pixel data");
  }
  const int w = static_cast<int>(width);
  const int h = static_cast<int>(height);
  std::vector<TColor> pixels(static_cast<size_t>(w) * static_cast<size_t>(h));
  for (int row = 0; row < h; ++row) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data()) + offBits +
                    rowSize * static_cast<size_t>(row);
    const int y = topDown ? row : h - 1 - row;
    TColor* out = pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(w);
    for (int x = 0; x < w; ++x) {
      size_t index = 0;
      switch (bpp) {
        case 1:
          index = (p[x / 8] >> (7 - x % 8)) & 1;
          break;
        case 4:
          index = (p[x / 2] >> (x % 2 == 0 ? 4 : 0)) & 0xF;
          break;
        case 8:
          index = p[x];
          break;
        case 24:
          out[x] = FromBGR(p[x * 3], p[x * 3 + 1], p[x * 3 + 2]);
          continue;
        default:
          out[x] = FromBGR(p[x * 4], p[x * 4 + 1], p[x * 4 + 2]);
          continue;
      }
      // An index beyond the palette shows black, as the platform draws it.
      out[x] = index < palette.size() ? palette[index] : clBlack;
    }
  }

  pixels_ = std::move(pixels);
  width_ = w;
  height_ = h;
  switch (bpp) {
    case 1:
      pixelFormat_ = TPixelFormat::pf1bit;
      break;
    case 4:
      pixelFormat_ = TPixelFormat::pf4bit;
      break;
    case 8:
      pixelFormat_ = TPixelFormat::pf8bit;
      break;
    case 24:
      pixelFormat_ = TPixelFormat::pf24bit;
      break;
    default:
      pixelFormat_ = TPixelFormat::pf32bit;
      break;
  }
  monochrome_ = bpp == 1 && std::all_of(palette.begin(), palette.end(),
                                        [](TColor c) { return c == clBlack || c == clWhite; });
}

std::string TBitmap::SaveToBytes() const {
  uint32_t bpp = 24;
  switch (pixelFormat_) {
    case TPixelFormat::pf1bit:
      bpp = 1;
      break;
    case TPixelFormat::pf4bit:
      bpp = 4;
      break;
    case TPixelFormat::pf8bit:
      bpp = 8;
      break;
    case TPixelFormat::pf32bit:
      bpp = 32;
      break;
    default:
      break;
  }

  // Palette: the image's colours in order of first use; when there are more than fit, the
  // others take the nearest palette colour.
  std::vector<TColor> palette;
  std::unordered_map<TColor, uint32_t> index;
  if (bpp <= 8) {
    const size_t limit = size_t{1} << bpp;
    if (monochrome_) palette = {clBlack, clWhite};
    for (TColor c : pixels_) {
      if (palette.size() >= limit) break;
      if (std::find(palette.begin(), palette.end(), c) == palette.end()) palette.push_back(c);
    }
    if (palette.empty()) palette.push_back(clBlack);
    for (size_t i = 0; i < palette.size(); ++i) index.emplace(palette[i], static_cast<uint32_t>(i));
  }
  auto indexOf = [&](TColor c) {
    auto it = index.find(c);
    if (it != index.end()) return it->second;
    uint32_t best = 0;
    for (size_t i = 1; i < palette.size(); ++i) {
      if (Distance(palette[i], c) < Distance(palette[best], c)) best = static_cast<uint32_t>(i);
    }
    index.emplace(c, best);
    return best;
  };

  const size_t rowSize = (static_cast<size_t>(width_) * bpp + 31) / 32 * 4;
  const uint32_t paletteBytes = static_cast<uint32_t>(palette.size() * 4);
  const uint32_t offBits = 14 + 40 + paletteBytes;
  const size_t imageBytes = rowSize * static_cast<size_t>(height_);
  std::string out;
  out.reserve(offBits + imageBytes);
  out += "BM";
  Put32(out, static_cast<uint32_t>(offBits + imageBytes));
  Put32(out, 0);
  Put32(out, offBits);
  Put32(out, 40);
  Put32(out, static_cast<uint32_t>(width_));
  Put32(out, static_cast<uint32_t>(height_));
  Put16(out, 1);
  Put16(out, bpp);
  Put32(out, 0);  // uncompressed
  Put32(out, static_cast<uint32_t>(imageBytes));
  Put32(out, 3780);  // 96 pixels per inch
  Put32(out, 3780);
  Put32(out, static_cast<uint32_t>(palette.size()));
  Put32(out, 0);
  for (TColor c : palette) {
    out += static_cast<char>(GetBValue(c));
    out += static_cast<char>(GetGValue(c));
    out += static_cast<char>(GetRValue(c));
    out += '\0';
  }
  std::string row(rowSize, '\0');
  for (int y = height_ - 1; y >= 0; --y) {
    std::fill(row.begin(), row.end(), '\0');
    for (int x = 0; x < width_; ++x) {
      TColor c = Pixel(x, y);
      auto* p = reinterpret_cast<unsigned char*>(row.data());
      switch (bpp) {
        case 1:
          p[x / 8] = static_cast<unsigned char>(p[x / 8] | (indexOf(c) << (7 - x % 8)));
          break;
        case 4:
          p[x / 2] = static_cast<unsigned char>(p[x / 2] | (indexOf(c) << (x % 2 == 0 ? 4 : 0)));
          break;
        case 8:
          p[x] = static_cast<unsigned char>(indexOf(c));
          break;
        default: {
          const size_t at = static_cast<size_t>(x) * (bpp / 8);
          p[at] = static_cast<unsigned char>(GetBValue(c));
          p[at + 1] = static_cast<unsigned char>(GetGValue(c));
          p[at + 2] = static_cast<unsigned char>(GetRValue(c));
          break;
        }
      }
    }
    out += row;
  }
  return out;
}

void TBitmap::LoadFromFile(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) throw EInvalidGraphic("Cannot open file " + file.string());
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  LoadFromBytes(bytes);
}

void TBitmap::SaveToFile(const std::filesystem::path& file) const {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  std::string bytes = SaveToBytes();
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw EInvalidGraphic("Cannot write file " + file.string());
}

}  // namespace pxq::vcl
