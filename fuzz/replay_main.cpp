// Replays stored fuzz inputs without libFuzzer: each argument is a file or a folder of files,
// every file is fed once to LLVMFuzzerTestOneInput. Used by the normal and sanitizer builds.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {
void RunFile(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
}
}  // namespace

int main(int argc, char** argv) {
  int files = 0;
  // The empty input is always a case worth running.
  LLVMFuzzerTestOneInput(nullptr, 0);
  for (int i = 1; i < argc; ++i) {
    std::filesystem::path p(argv[i]);
    if (std::filesystem::is_directory(p)) {
      for (const auto& e : std::filesystem::recursive_directory_iterator(p)) {
        if (e.is_regular_file()) {
          RunFile(e.path());
          ++files;
        }
      }
    } else if (std::filesystem::exists(p)) {
      RunFile(p);
      ++files;
    }
  }
  std::printf("replayed %d inputs\n", files);
  return 0;
}
