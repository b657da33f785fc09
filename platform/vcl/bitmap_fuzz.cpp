// Reads arbitrary bytes as a BMP file; what reads must save and read back to the same pixels.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/vcl/bitmap.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  pxq::vcl::TBitmap bmp;
  try {
    bmp.LoadFromBytes(std::string_view(reinterpret_cast<const char*>(data), size));
  } catch (const pxq::vcl::EInvalidGraphic&) {
    return 0;
  }
  if (bmp.Width() * bmp.Height() > 4096) return 0;  // keep round trips cheap
  bmp.SetPixelFormat(pxq::vcl::TPixelFormat::pf24bit);
  pxq::vcl::TBitmap again;
  again.LoadFromBytes(bmp.SaveToBytes());
  if (again.Pixels() != bmp.Pixels()) __builtin_trap();
  return 0;
}
