// The glyph library: numbered button pictures shared by the buttons of every dialog.
//
// Glyph n is the BMP file "<n>.bmp" of the glyph folder: a strip of square frames side by side
// (the bottom-left pixel of the strip is the colour left unpainted). The folder is, in order of
// preference: the one given to SetGlyphFolder; "glyphs" next to the module holding this code;
// the project's data folder "data/glyphs".
#pragma once

#include <filesystem>

#include "platform/vcl/bitmap.h"

namespace pxq::controls {

// The highest glyph number the library holds; 0 when the folder has no glyph.
int GetMaxBmpID();

// Fills `glyph` with glyph `id`; false (and `glyph` unchanged) when the library has no such
// glyph. A glyph file that cannot be read raises vcl::EInvalidGraphic.
bool LoadBmp(vcl::TBitmap& glyph, int id);

// Uses `folder` (empty: find it again as above). The glyph numbers are read anew.
void SetGlyphFolder(const std::filesystem::path& folder);
// The folder in use (empty when none was found).
std::filesystem::path GlyphFolder();

}  // namespace pxq::controls
