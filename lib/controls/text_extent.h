// Text sizes as the controls measure them: through the application backend, so that a view
// with real fonts and the headless model each give their own, consistent sizes.
#pragma once

#include <string_view>

#include "platform/vcl/application.h"
#include "platform/vcl/font.h"

namespace pxq::vcl {

inline TSize TextExtentOf(const TFont& font, std::string_view text) {
  return Application().Backend().TextExtent(font, text);
}
inline int TextWidthOf(const TFont& font, std::string_view text) {
  return TextExtentOf(font, text).cx;
}
// Height of a line of text in the font.
inline int TextHeightOf(const TFont& font) { return TextExtentOf(font, "Wg").cy; }

}  // namespace pxq::vcl
