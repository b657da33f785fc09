// Feeds arbitrary masks and texts to the edit-mask engine. Input: mask, a newline, then the
// text; the text is also typed key by key. Checks that EditText always fits the mask.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/vcl/mask.h"

using pxq::vcl::EditMask;
using pxq::vcl::MaskEditor;

namespace {
void Check(bool ok) {
  if (!ok) __builtin_trap();
}
void CheckEditor(const MaskEditor& e) {
  const EditMask& m = e.Mask();
  if (m.IsMasked()) {
    Check(static_cast<int>(e.EditText().size()) == m.Length());
    Check(m.Normalize(e.EditText()) == e.EditText());
  }
  Check(e.SelStart() >= 0 && e.SelLength() >= 0 &&
        e.SelStart() + e.SelLength() <= static_cast<int>(e.EditText().size()));
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view input(reinterpret_cast<const char*>(data), size);
  size_t cut = input.find('\n');
  std::string_view mask = input.substr(0, cut);
  std::string_view text =
      cut == std::string_view::npos ? std::string_view() : input.substr(cut + 1);

  EditMask m(mask);
  std::string edit = m.EditTextFromText(text);
  Check(!m.IsMasked() || static_cast<int>(edit.size()) == m.Length());
  std::string stored = m.TextFromEditText(edit);
  // Assigning the stored text again gives the same stored text.
  Check(m.TextFromEditText(m.EditTextFromText(stored)) == stored);
  m.Validate(text);
  pxq::vcl::ReformatMaskedText(text, mask, text);

  MaskEditor e(mask);
  e.SetText(text);
  CheckEditor(e);
  for (size_t i = 0; i < text.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(text[i]);
    switch (c % 8) {
      case 0:
        e.Backspace();
        break;
      case 1:
        e.Delete();
        break;
      case 2:
        e.SetSel(c / 8 - 4, c % 5);
        break;
      default:
        e.InputChar(text.substr(i, (c >= 0x81 && i + 1 < text.size()) ? 2 : 1));
        break;
    }
    CheckEditor(e);
  }
  e.SetMask(text);
  CheckEditor(e);
  return 0;
}
