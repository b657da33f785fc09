// The registry store: a read-only key/value store kept in files, standing in for the system
// registry. Layout (see docs/configuration.md):
//   <root>/<HIVE>/<key path with "/" for "\">/values
// where <root> is $PXQ_REGISTRY_ROOT (else $XDG_CONFIG_HOME/corvane/registry, else
// ~/.config/corvane/registry), <HIVE> is HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER or
// HKEY_CLASSES_ROOT, and "values"
// holds one "Name=Value" line per value in UTF-8. Key and value names ignore letter case.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace pxq::os {

enum class RegistryHive { LocalMachine, CurrentUser, ClassesRoot };

std::filesystem::path RegistryRoot();

class RegistryKey {
 public:
  // Opens a key read-only; nullopt when the key does not exist or cannot be read.
  // `path` uses "\" (or "/") between key names, e.g. "Software\NTQ\Corvane".
  static std::optional<RegistryKey> OpenReadOnly(RegistryHive hive, std::string_view path);

  // A string value in the ANSI code page; nullopt when the value is missing.
  std::optional<std::string> ReadString(std::string_view name) const;
  // A missing value reads as empty text.
  std::string ReadStringOrEmpty(std::string_view name) const;
  std::vector<std::string> ValueNames() const;
  const std::filesystem::path& Folder() const { return folder_; }

 private:
  std::filesystem::path folder_;
  std::vector<std::pair<std::string, std::string>> values_;  // name, UTF-8 value
};

// Finds an entry of `dir` whose name equals `name` without regard to ASCII letter case.
std::optional<std::filesystem::path> FindEntryIgnoringCase(const std::filesystem::path& dir,
                                                           std::string_view name);

}  // namespace pxq::os
