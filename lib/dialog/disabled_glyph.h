// Disabled images for button glyphs. A glyph that holds a single image gets a second one beside
// it, drawn the way the platform draws a disabled picture: the outline and the dark parts of
// the image embossed in the button's highlight and shadow colours on the button face.
#pragma once

#include "platform/vcl/bitmap.h"

namespace pxq::vcl {
class TComponent;
}

namespace pxq::dialog {

// The disabled image of `glyph` (same size). A pixel that is not the glyph's transparent colour
// is part of the picture's shape when its red, green and blue add up to less than 384, or when
// a neighbour above, below, left or right has the transparent colour (an edge; at the border the
// pixel stands in for the missing neighbour). The shape is painted in clBtnHighlight one pixel
// right and down, then in clBtnShadow in place, on clBtnFace.
vcl::TBitmap DisabledImage(const vcl::TBitmap& glyph);

// Widens a single-image glyph to the normal image followed by its disabled image; false (and
// no change) when the glyph is empty or `numGlyphs` is not 1.
bool AddDisabledImage(vcl::TBitmap& glyph, int numGlyphs);

// Gives the buttons of a component a disabled image when they have a single one: speed buttons
// (glyph and lookup buttons included) and bitmap buttons themselves, the lookup buttons of a
// selection panel and the button of a labelled edit with lookup button.
void AddDisabledImages(vcl::TComponent* component);

}  // namespace pxq::dialog
