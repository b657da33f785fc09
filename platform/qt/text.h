// Model values as Qt sees them: narrow texts decoded by a font's character set, fonts,
// colours and bitmaps.
#pragma once

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QString>
#include <string>
#include <string_view>

#include "platform/vcl/bitmap.h"
#include "platform/vcl/font.h"

namespace pxq::qt {

// The code page of a font's character set: 936 for GB2312, 950 for Big5, else the ANSI code
// page.
int CodePageOf(const vcl::TFont& font);
// A model text (bytes of the font's code page) for display, and typed text back into bytes.
QString Decode(const vcl::TFont& font, std::string_view bytes);
std::string Encode(const vcl::TFont& font, const QString& text);
// A caption without its accelerator marks: "&x" shows "x", "&&" shows "&".
QString ShownCaption(const vcl::TFont& font, std::string_view caption);
// Position in the decoded text of a byte offset into `bytes`, and the reverse.
int CharIndex(const vcl::TFont& font, std::string_view bytes, int byteOffset);
int ByteOffset(const vcl::TFont& font, std::string_view bytes, int charIndex);

QFont ToQFont(const vcl::TFont& font);
QColor ToQColor(vcl::TColor color);
// Frame `frame` of a picture made of `frames` frames side by side; the transparent colour of a
// transparent picture becomes transparent.
QPixmap ToPixmap(const vcl::TBitmap& bitmap, int frames = 1, int frame = 0,
                 bool transparent = true);

}  // namespace pxq::qt
