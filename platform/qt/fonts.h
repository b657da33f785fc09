// The font names of the forms ("宋体", "SimSun", ...) as fontconfig aliases of the installed CJK
// fonts.
#pragma once

#include <string>

namespace pxq::qt {

// Adds the aliases of the font configuration file to the process's current fontconfig
// configuration (once; later calls do nothing). The file is $PXQ_FONTCONFIG_FILE, else the
// project's data/fontconfig/pxq-fonts.conf. False when it could not be loaded.
bool LoadFontAliases();
// The file LoadFontAliases reads.
std::string FontAliasFile();

}  // namespace pxq::qt
