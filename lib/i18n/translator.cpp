#include "lib/i18n/translator.h"

#include <cstdlib>

#include "platform/os/dynlib.h"

namespace pxq::i18n {

TTranslator::TTranslator(std::string_view library) {
  library_ = os::DynamicLibrary::Load(library, nullptr, reinterpret_cast<const void*>(&Call));
  if (!library_) throw TranslatorError("Load Library " + std::string(library) + " Error!");
  gbToBig5_ = reinterpret_cast<Procedure>(library_->Symbol("GBtoBIG5"));
  big5ToGb_ = reinterpret_cast<Procedure>(library_->Symbol("BIG5toGB"));
  if (!gbToBig5_ || !big5ToGb_) throw TranslatorError("Get Library Procedure Address Error!");
}

TTranslator::~TTranslator() = default;

std::string TTranslator::Big5ToGb(std::string_view text) const { return Call(big5ToGb_, text); }

std::string TTranslator::GbToBig5(std::string_view text) const { return Call(gbToBig5_, text); }

// The procedures take NUL-terminated texts, so a text is converted piece by piece between its
// zero bytes, which are kept in place. A piece the library gives nothing back for stays as it is.
std::string TTranslator::Call(Procedure procedure, std::string_view text) {
  if (!procedure) return std::string(text);
  std::string out;
  out.reserve(text.size());
  size_t start = 0;
  while (true) {
    size_t end = text.find('\0', start);
    std::string piece(text.substr(start, end == std::string_view::npos ? end : end - start));
    if (!piece.empty()) {
      char* result = nullptr;
      procedure(piece.c_str(), &result);
      out += result ? result : piece;
      std::free(result);
    }
    if (end == std::string_view::npos) break;
    out += '\0';
    start = end + 1;
  }
  return out;
}

}  // namespace pxq::i18n
