// The translator: GB2312 (code page 936) and Big5 (code page 950) conversions done by the
// run-time library "Ntlanguage.dll" (Ntlanguage.so), whose entry points are described in
// docs/runtime.md.
#pragma once

#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

namespace pxq::os {
class DynamicLibrary;
}

namespace pxq::i18n {

inline constexpr std::string_view kTranslatorLibrary = "Ntlanguage.dll";

class TranslatorError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class TTranslator {
 public:
  // Loads the library and its two conversion procedures. Raises TranslatorError
  // "Load Library %s Error!" (with the library name) when the library cannot be loaded and
  // "Get Library Procedure Address Error!" when "GBtoBIG5" or "BIG5toGB" is missing. `library`
  // names the library to load (tests point it elsewhere).
  explicit TTranslator(std::string_view library = kTranslatorLibrary);
  ~TTranslator();
  TTranslator(const TTranslator&) = delete;
  TTranslator& operator=(const TTranslator&) = delete;

  // The same text in the other encoding. Zero bytes inside the text are kept.
  std::string Big5ToGb(std::string_view text) const;
  std::string GbToBig5(std::string_view text) const;

 private:
  // void proc(const char* source, char** result): *result is a malloc'd text (NUL-terminated).
  using Procedure = void (*)(const char*, char**);
  static std::string Call(Procedure procedure, std::string_view text);

  std::unique_ptr<os::DynamicLibrary> library_;
  Procedure gbToBig5_ = nullptr;
  Procedure big5ToGb_ = nullptr;
};

}  // namespace pxq::i18n
