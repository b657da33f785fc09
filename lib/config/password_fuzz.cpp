// Fuzzes the decoding of stored passwords, and checks that whatever is encoded decodes back.
#include <stdlib.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "lib/config/password.h"
#include "platform/os/sysinfo.h"

namespace {

// Failed decodings write error reports; keep them in a folder of this run, removed at exit.
void UsePrivateLogFolder() {
  static bool done = false;
  if (done) return;
  done = true;
  static std::string folder = pxq::os::TempFolder() + "pxq-fuzz-password-XXXXXX";
  if (!mkdtemp(folder.data())) return;
  setenv("PXQ_REGISTRY_ROOT", (folder + "/registry").c_str(), 1);
  setenv("TMPDIR", folder.c_str(), 1);
  atexit([] {
    std::error_code ec;
    std::filesystem::remove_all(folder, ec);
  });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  UsePrivateLogFolder();
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  pxq::config::DecodePassword(text);
  if (!text.empty() && text != pxq::config::kEmptyPasswordMarker &&
      pxq::config::DecodePassword(pxq::config::EncodePassword(text)) != text)
    abort();
  return 0;
}
