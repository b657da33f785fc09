// Fuzzes the profile-file reader with arbitrary text and the integer reading rules.
#include <cstdint>
#include <string_view>

#include "platform/os/profile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  auto profile = pxq::os::ProfileFile::FromText(text);
  profile.ReadString("Server Information", "ComputerName", "127.0.0.1");
  profile.ReadInteger("Server Information", "ServerPort", 211);
  for (const auto& [name, value] : profile.ReadSectionValues("WorkDLLPath")) {
    profile.ReadInteger("WorkDLLPath", name, 0);
  }
  int32_t v = 0;
  pxq::os::ParseInt32(text, v);
  return 0;
}
