#include "platform/qt/fonts.h"

#include <fontconfig/fontconfig.h>

#include <cstdlib>

namespace pxq::qt {

std::string FontAliasFile() {
  if (const char* file = std::getenv("PXQ_FONTCONFIG_FILE"); file && *file) return file;
  return PXQ_FONTCONFIG_FILE;
}

bool LoadFontAliases() {
  static const bool loaded = [] {
    if (!FcInit()) return false;
    const std::string file = FontAliasFile();
    return FcConfigParseAndLoad(FcConfigGetCurrent(),
                                reinterpret_cast<const FcChar8*>(file.c_str()), FcTrue) == FcTrue;
  }();
  return loaded;
}

}  // namespace pxq::qt
