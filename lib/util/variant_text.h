// Re-encoding of texts inside Variants between wide (UTF-16) and narrow (code page bytes) forms.
#pragma once

#include <string>
#include <string_view>

#include "platform/variant/variant.h"

namespace pxq::util {

// Wide text to the code page; an unknown code page falls back to the system ANSI code page.
std::string WideToAnsi(std::u16string_view text, int codePage);
// Code page text to wide; an unknown code page falls back to the system ANSI code page.
std::u16string AnsiToWide(std::string_view text, int codePage);
// A text value, or the wide texts inside an array (recursively in one-dimensional arrays),
// narrowed to the code page. Errors are written to the alert log "libstrs".
Variant VariantWideToAnsi(const Variant& value, int codePage);
// A text value, or the wide texts inside an array, re-widened through the code page.
Variant VariantAnsiToWide(const Variant& value, int codePage);

}  // namespace pxq::util
