#include "testing/testing.h"

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

#include "platform/os/codepage.h"

namespace pxq::testing {

TempDir::TempDir() {
  std::random_device rd;
  auto base = std::filesystem::temp_directory_path();
  for (int attempt = 0; attempt < 100; ++attempt) {
    auto candidate = base / ("pxq-test-" + std::to_string(getpid()) + "-" + std::to_string(rd()));
    if (std::filesystem::create_directory(candidate)) {
      path_ = candidate;
      return;
    }
  }
  throw std::runtime_error("cannot create a temporary folder");
}

TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

ScopedEnv::ScopedEnv(std::string name, std::optional<std::string> value) : name_(std::move(name)) {
  if (const char* old = std::getenv(name_.c_str())) old_ = old;
  if (value) {
    setenv(name_.c_str(), value->c_str(), 1);
  } else {
    unsetenv(name_.c_str());
  }
}

ScopedEnv::~ScopedEnv() {
  if (old_) {
    setenv(name_.c_str(), old_->c_str(), 1);
  } else {
    unsetenv(name_.c_str());
  }
}

ScopedCodePage::ScopedCodePage(int codePage) : old_(os::AnsiCodePage()) {
  os::SetAnsiCodePage(codePage);
}

ScopedCodePage::~ScopedCodePage() { os::SetAnsiCodePage(old_); }

void WriteFile(const std::filesystem::path& file, std::string_view bytes) {
  if (file.has_parent_path()) std::filesystem::create_directories(file.parent_path());
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string ReadFile(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void WriteRegistryKey(const std::filesystem::path& root, std::string_view keyPath,
                      std::string_view valuesText, std::string_view hive) {
  std::filesystem::path folder = root / std::string(hive);
  std::string part;
  for (char c : keyPath) {
    if (c == '\\' || c == '/') {
      if (!part.empty()) folder /= part;
      part.clear();
    } else {
      part += c;
    }
  }
  if (!part.empty()) folder /= part;
  WriteFile(folder / "values", valuesText);
}

}  // namespace pxq::testing
