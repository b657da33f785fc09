// Test helpers: temporary folders, environment overrides and small file utilities.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace pxq::testing {

// A fresh folder under the system temporary folder, removed with everything in it on destruction.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(std::string_view name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

// Sets (or, with nullopt, unsets) an environment variable and restores it on destruction.
class ScopedEnv {
 public:
  ScopedEnv(std::string name, std::optional<std::string> value);
  ~ScopedEnv();
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  std::string name_;
  std::optional<std::string> old_;
};

// Sets the system ANSI code page and restores the previous one on destruction.
class ScopedCodePage {
 public:
  explicit ScopedCodePage(int codePage);
  ~ScopedCodePage();
  ScopedCodePage(const ScopedCodePage&) = delete;
  ScopedCodePage& operator=(const ScopedCodePage&) = delete;

 private:
  int old_;
};

// Writes bytes to a file, creating parent folders.
void WriteFile(const std::filesystem::path& file, std::string_view bytes);
std::string ReadFile(const std::filesystem::path& file);

// Writes a registry key of the file-based registry store under `root`
// (hive HKEY_LOCAL_MACHINE), e.g. WriteRegistryKey(root, "Software\\NTQ\\Corvane",
// "ClientPath=/opt/x/\nProfileType=0\n").
void WriteRegistryKey(const std::filesystem::path& root, std::string_view keyPath,
                      std::string_view valuesText, std::string_view hive = "HKEY_LOCAL_MACHINE");

}  // namespace pxq::testing
