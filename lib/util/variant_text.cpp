#include "lib/util/variant_text.h"

#include <exception>

#include "lib/util/alert_log.h"
#include "platform/os/codepage.h"

namespace pxq::util {
namespace {

// Texts handed to the system's conversions end at their first zero character.
template <typename Char>
std::basic_string_view<Char> UpToZero(std::basic_string_view<Char> text) {
  const size_t zero = text.find(Char(0));
  return zero == text.npos ? text : text.substr(0, zero);
}

// The text of a wide or narrow text value in wide form (narrow texts through the ANSI code page).
std::u16string WideForm(const Variant& value) {
  return value.IsWide() ? value.Wide() : AnsiToWide(value.Narrow(), os::AnsiCodePage());
}

// The text of a wide or narrow text value in narrow form (wide texts through the ANSI code page).
std::string NarrowForm(const Variant& value) {
  return value.IsNarrow() ? value.Narrow() : WideToAnsi(value.Wide(), os::AnsiCodePage());
}

enum class Direction { ToNarrow, ToWide };

Variant ConvertText(const Variant& value, Direction direction, int codePage) {
  if (direction == Direction::ToNarrow) return Variant(WideToAnsi(WideForm(value), codePage));
  return Variant(AnsiToWide(NarrowForm(value), codePage));
}

// Converts the wide texts of an array in place: in one dimension nested arrays too, in two
// dimensions only the texts; narrow texts and other values stay as they are.
void ConvertArray(VarArray& array, Direction direction, int codePage) {
  const int dims = array.DimCount();
  if (dims != 1 && dims != 2) return;
  for (Variant& element : array.Elements()) {
    if (element.IsWide()) {
      element = ConvertText(element, direction, codePage);
    } else if (dims == 1 && element.IsArray()) {
      ConvertArray(element.Array(), direction, codePage);
    }
  }
}

Variant ConvertVariant(const Variant& value, Direction direction, int codePage) {
  Variant result = value;
  if (result.IsBlank()) return result;
  try {
    if (result.IsText()) {
      result = ConvertText(result, direction, codePage);
    } else if (result.IsArray()) {
      ConvertArray(result.Array(), direction, codePage);
    }
  } catch (const std::exception& e) {
    const char* line = direction == Direction::ToNarrow ? "LINE[2735] " : "LINE[115] ";
    WriteAlertLog("libstrs", line + std::string(e.what()), "D");
  }
  return result;
}

}  // namespace

std::string WideToAnsi(std::u16string_view text, int codePage) {
  text = UpToZero(text);
  if (auto narrow = os::WideToMultiByte(codePage, text)) return std::move(*narrow);
  return os::WideToMultiByte(os::AnsiCodePage(), text).value_or(std::string());
}

std::u16string AnsiToWide(std::string_view text, int codePage) {
  std::u16string wide;
  if (auto converted = os::MultiByteToWide(codePage, text); converted && !converted->empty()) {
    wide = std::move(*converted);
  } else {
    wide = os::MultiByteToWide(os::AnsiCodePage(), text).value_or(std::u16string());
  }
  return std::u16string(UpToZero(std::u16string_view(wide)));
}

Variant VariantWideToAnsi(const Variant& value, int codePage) {
  return ConvertVariant(value, Direction::ToNarrow, codePage);
}

Variant VariantAnsiToWide(const Variant& value, int codePage) {
  return ConvertVariant(value, Direction::ToWide, codePage);
}

}  // namespace pxq::util
