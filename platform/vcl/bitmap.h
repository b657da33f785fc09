// TBitmap: an image of TColor pixels with the platform bitmap's properties (pixel format,
// transparency, monochrome), a few drawing operations, and the Windows BMP file format.
#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "platform/vcl/graphics_types.h"

namespace pxq::vcl {

// Raised when BMP data cannot be read.
class EInvalidGraphic : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

enum class TPixelFormat { pfDevice, pf1bit, pf4bit, pf8bit, pf24bit, pf32bit };
// tmAuto: the transparent colour is the bottom-left pixel; tmFixed: TransparentColor as set.
enum class TTransparentMode { tmAuto, tmFixed };

class TBitmap {
 public:
  // Largest width or height accepted, and largest pixel count.
  static constexpr int kMaxSide = 32768;
  static constexpr long long kMaxPixels = 64LL * 1024 * 1024;

  TBitmap() = default;
  TBitmap(int width, int height);

  int Width() const { return width_; }
  int Height() const { return height_; }
  // Resizing keeps the pixels that remain and fills new ones with clWhite. Sizes are clamped
  // to 0..kMaxSide; EInvalidGraphic when the pixel count would exceed kMaxPixels.
  void SetWidth(int width) { SetSize(width, height_); }
  void SetHeight(int height) { SetSize(width_, height); }
  void SetSize(int width, int height);
  bool Empty() const { return width_ == 0 || height_ == 0; }

  // The pixel at (x, y) as an RGB colour; clNone outside the image. Writing resolves system
  // colours; writes outside the image are ignored.
  TColor Pixel(int x, int y) const;
  void SetPixel(int x, int y, TColor color);
  const std::vector<TColor>& Pixels() const { return pixels_; }

  // The format used when saving. Setting pf1bit makes the image monochrome.
  TPixelFormat PixelFormat() const { return pixelFormat_; }
  void SetPixelFormat(TPixelFormat format);
  // A monochrome image holds only clBlack and clWhite: switching it on turns every pixel that
  // is not clWhite into clBlack and sets pf1bit.
  bool Monochrome() const { return monochrome_; }
  void SetMonochrome(bool monochrome);

  bool Transparent() const { return transparent_; }
  void SetTransparent(bool transparent) { transparent_ = transparent; }
  TTransparentMode TransparentMode() const { return transparentMode_; }
  void SetTransparentMode(TTransparentMode mode) { transparentMode_ = mode; }
  // tmAuto: the bottom-left pixel (clDefault for an empty image). Setting a colour sets tmFixed.
  TColor TransparentColor() const;
  void SetTransparentColor(TColor color);

  // Copies size, pixels and properties.
  void Assign(const TBitmap& source) { *this = source; }
  bool operator==(const TBitmap&) const = default;

  // Drawing. Coordinates outside the image are clipped.
  void Fill(TColor color) { FillRect(Rect(0, 0, width_, height_), color); }
  void FillRect(const TRect& rect, TColor color);
  // Copies `source` with its top-left corner at (x, y); a Transparent source leaves its
  // transparent colour unpainted.
  void Draw(int x, int y, const TBitmap& source);
  // Copies the `sourceRect` part of `source` into `destRect` of this image (same size; the
  // parts outside either image are clipped).
  void CopyRect(const TRect& destRect, const TBitmap& source, const TRect& sourceRect);
  // Paints `color` at (x, y) + p for every black pixel p of `mask` (a monochrome mask).
  void DrawMask(int x, int y, const TBitmap& mask, TColor color);
  // A monochrome mask of the same size: clWhite where the pixel is `color`, clBlack elsewhere.
  TBitmap CreateMask(TColor color) const;
  // The mask for TransparentColor.
  TBitmap CreateMask() const { return CreateMask(TransparentColor()); }

  // Windows BMP: reads 1, 4, 8 (palette), 24 and 32 bits per pixel, uncompressed, bottom-up
  // or top-down; writes by PixelFormat (pfDevice and pf24bit as 24 bits; palette formats with
  // the image's colours, mapped to the nearest palette colour when there are more than fit).
  // Reading sets PixelFormat (and Monochrome for two colours black and white); a failed read
  // raises EInvalidGraphic and leaves the bitmap unchanged.
  void LoadFromBytes(std::string_view bytes);
  std::string SaveToBytes() const;
  void LoadFromFile(const std::filesystem::path& file);
  void SaveToFile(const std::filesystem::path& file) const;

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<TColor> pixels_;  // row by row from the top, RGB values
  TPixelFormat pixelFormat_ = TPixelFormat::pfDevice;
  bool monochrome_ = false;
  bool transparent_ = false;
  TTransparentMode transparentMode_ = TTransparentMode::tmAuto;
  TColor transparentColor_ = clDefault;
};

}  // namespace pxq::vcl
