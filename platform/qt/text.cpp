#include "platform/qt/text.h"

#include <QImage>
#include <algorithm>
#include <cstdlib>

#include "platform/os/codepage.h"

namespace pxq::qt {

int CodePageOf(const vcl::TFont& font) {
  switch (font.Charset()) {
    case vcl::GB2312_CHARSET:
      return 936;
    case vcl::CHINESEBIG5_CHARSET:
      return 950;
    default:
      return os::AnsiCodePage();
  }
}

QString Decode(const vcl::TFont& font, std::string_view bytes) {
  std::optional<std::u16string> wide = os::MultiByteToWide(CodePageOf(font), bytes);
  if (!wide) wide = os::MultiByteToWide(os::AnsiCodePage(), bytes);
  return wide ? QString::fromStdU16String(*wide) : QString::fromLatin1(bytes.data(), bytes.size());
}

std::string Encode(const vcl::TFont& font, const QString& text) {
  const std::u16string wide = text.toStdU16String();
  std::optional<std::string> bytes = os::WideToMultiByte(CodePageOf(font), wide);
  if (!bytes) bytes = os::WideToMultiByte(os::AnsiCodePage(), wide);
  return bytes ? *bytes : text.toLatin1().toStdString();
}

QString ShownCaption(const vcl::TFont& font, std::string_view caption) {
  std::string shown;
  for (size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&' && i + 1 < caption.size()) ++i;
    shown += caption[i];
  }
  return Decode(font, shown);
}

int CharIndex(const vcl::TFont& font, std::string_view bytes, int byteOffset) {
  const size_t n = std::min(bytes.size(), static_cast<size_t>(std::max(byteOffset, 0)));
  return static_cast<int>(Decode(font, bytes.substr(0, n)).size());
}

int ByteOffset(const vcl::TFont& font, std::string_view bytes, int charIndex) {
  const QString text = Decode(font, bytes);
  const int n = std::clamp(charIndex, 0, static_cast<int>(text.size()));
  return static_cast<int>(std::min(Encode(font, text.left(n)).size(), bytes.size()));
}

QFont ToQFont(const vcl::TFont& font) {
  QFont f(Decode(font, font.Name()));
  f.setPixelSize(std::max(1, std::abs(font.Height())));
  f.setBold(font.Style().Contains(vcl::fsBold));
  f.setItalic(font.Style().Contains(vcl::fsItalic));
  f.setUnderline(font.Style().Contains(vcl::fsUnderline));
  f.setStrikeOut(font.Style().Contains(vcl::fsStrikeOut));
  if (font.Pitch() == vcl::fpFixed) f.setFixedPitch(true);
  return f;
}

QColor ToQColor(vcl::TColor color) {
  const vcl::TColor rgb = vcl::ColorToRGB(color);
  return QColor(vcl::GetRValue(rgb), vcl::GetGValue(rgb), vcl::GetBValue(rgb));
}

QPixmap ToPixmap(const vcl::TBitmap& bitmap, int frames, int frame, bool transparent) {
  if (bitmap.Empty()) return {};
  frames = std::max(frames, 1);
  const int width = std::max(bitmap.Width() / frames, 1);
  const int left = std::clamp(frame, 0, frames - 1) * width;
  const bool clear = transparent && bitmap.Transparent();
  const vcl::TColor key = clear ? vcl::ColorToRGB(bitmap.TransparentColor()) : vcl::clNone;
  QImage image(width, bitmap.Height(), QImage::Format_ARGB32);
  for (int y = 0; y < bitmap.Height(); ++y) {
    for (int x = 0; x < width; ++x) {
      const vcl::TColor c = bitmap.Pixel(left + x, y);
      const int alpha = clear && c == key ? 0 : 255;
      image.setPixel(x, y, qRgba(vcl::GetRValue(c), vcl::GetGValue(c), vcl::GetBValue(c), alpha));
    }
  }
  return QPixmap::fromImage(image);
}

}  // namespace pxq::qt
