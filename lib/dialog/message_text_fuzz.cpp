// Message identifiers and catalogue texts from the host are outside input: parsing and
// formatting them must never crash, whatever the bytes. The input is a catalogue text, a NUL
// byte, then a message identifier whose arguments fill the text.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "lib/dialog/message_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const size_t nul = input.find('\0');
  const std::string_view pattern = input.substr(0, nul);
  const std::string_view identifier =
      nul == std::string_view::npos ? std::string_view() : input.substr(nul + 1);
  const pxq::dialog::MessageId id = pxq::dialog::ParseMessageId(identifier);
  pxq::dialog::PresentationOf(id.kind);
  const std::vector<std::string> args(id.arguments.begin(), id.arguments.end());
  const std::string text = pxq::dialog::FormatWithFallback(pattern, args);
  if (!pxq::dialog::FormatMessage(pattern, args) && text.size() < pattern.size()) __builtin_trap();
  return 0;
}
