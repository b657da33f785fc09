// Ntlanguage.so: conversion of Chinese text between GB2312 (code page 936, simplified
// characters) and Big5 (code page 950, traditional characters). The text is decoded with iconv,
// its characters are mapped with OpenCC (Taiwan-standard forms, which is what Big5 encodes) and
// the result is encoded in the other code page. Invalid byte sequences and characters the target
// code page lacks become "?". The C interface is described in docs/runtime.md.
#include <opencc.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "platform/os/codepage.h"

namespace {

// One OpenCC converter, opened at first use and closed when the library is unloaded.
class CharacterMap {
 public:
  explicit CharacterMap(const char* config) : handle_(opencc_open(config)) {}
  ~CharacterMap() {
    if (ok()) opencc_close(handle_);
  }
  CharacterMap(const CharacterMap&) = delete;
  CharacterMap& operator=(const CharacterMap&) = delete;

  // Without OpenCC's data the characters are left as they are (only the code page changes).
  std::string Convert(const std::string& utf8) const {
    if (!ok() || utf8.empty()) return utf8;
    char* converted = opencc_convert_utf8(handle_, utf8.c_str(), utf8.size());
    if (!converted) return utf8;
    std::string out(converted);
    opencc_convert_utf8_free(converted);
    return out;
  }

 private:
  bool ok() const { return handle_ != reinterpret_cast<opencc_t>(-1); }
  opencc_t handle_;
};

const CharacterMap& SimplifiedToTraditional() {
  static const CharacterMap map("s2tw.json");
  return map;
}

const CharacterMap& TraditionalToSimplified() {
  static const CharacterMap map("tw2s.json");
  return map;
}

std::string Convert(const char* source, int fromCodePage, const CharacterMap& map, int toCodePage) {
  std::u16string decoded = pxq::os::MultiByteToWide(fromCodePage, source).value_or(u"");
  std::string mapped = map.Convert(pxq::os::WideToUtf8(decoded));
  return pxq::os::WideToMultiByte(toCodePage, pxq::os::Utf8ToWide(mapped)).value_or("");
}

// Hands a text to the caller as a malloc'd NUL-terminated copy (nullptr when out of memory).
char* Copy(const std::string& text) {
  char* out = static_cast<char*>(std::malloc(text.size() + 1));
  if (out) std::memcpy(out, text.c_str(), text.size() + 1);
  return out;
}

void Run(const char* source, char** result, int fromCodePage, const CharacterMap& map,
         int toCodePage) {
  if (!result) return;
  *result = nullptr;
  try {
    *result = Copy(Convert(source ? source : "", fromCodePage, map, toCodePage));
  } catch (...) {
    *result = nullptr;
  }
}

}  // namespace

extern "C" {

__attribute__((visibility("default"))) void GBtoBIG5(const char* source, char** result) {
  Run(source, result, 936, SimplifiedToTraditional(), 950);
}

__attribute__((visibility("default"))) void BIG5toGB(const char* source, char** result) {
  Run(source, result, 950, TraditionalToSimplified(), 936);
}

}  // extern "C"
