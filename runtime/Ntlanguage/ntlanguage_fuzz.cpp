// Fuzzes both conversions with arbitrary bytes: the result is always a complete text.
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" void GBtoBIG5(const char* source, char** result);
extern "C" void BIG5toGB(const char* source, char** result);

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  for (auto* convert : {GBtoBIG5, BIG5toGB}) {
    char* result = nullptr;
    convert(text.c_str(), &result);
    if (!result) std::abort();
    std::free(result);
  }
  return 0;
}
