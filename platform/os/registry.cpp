#include "platform/os/registry.h"

#include <cstdlib>
#include <fstream>
#include <system_error>

#include "platform/os/codepage.h"
#include "platform/os/text.h"

namespace pxq::os {

std::filesystem::path RegistryRoot() {
  if (const char* root = std::getenv("PXQ_REGISTRY_ROOT"); root && *root) return root;
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg)
    return std::filesystem::path(xdg) / "corvane" / "registry";
  const char* home = std::getenv("HOME");
  return std::filesystem::path(home && *home ? home : "/tmp") / ".config" / "corvane" / "registry";
}

std::optional<std::filesystem::path> FindEntryIgnoringCase(const std::filesystem::path& dir,
                                                           std::string_view name) {
  std::error_code ec;
  auto exact = dir / std::string(name);
  if (std::filesystem::exists(exact, ec)) return exact;
  std::filesystem::directory_iterator it(dir, ec), end;
  for (; !ec && it != end; it.increment(ec)) {
    if (EqualsIgnoreCase(it->path().filename().string(), name)) return it->path();
  }
  return std::nullopt;
}

std::optional<RegistryKey> RegistryKey::OpenReadOnly(RegistryHive hive, std::string_view path) {
  std::filesystem::path folder = RegistryRoot();
  const char* hiveName = hive == RegistryHive::LocalMachine  ? "HKEY_LOCAL_MACHINE"
                         : hive == RegistryHive::CurrentUser ? "HKEY_CURRENT_USER"
                                                             : "HKEY_CLASSES_ROOT";
  auto hiveFolder = FindEntryIgnoringCase(folder, hiveName);
  if (!hiveFolder) return std::nullopt;
  folder = *hiveFolder;
  for (const std::string& part : SplitAny(path, "\\/")) {
    if (part.empty()) continue;
    if (part == "." || part == "..") return std::nullopt;
    auto next = FindEntryIgnoringCase(folder, part);
    std::error_code ec;
    if (!next || !std::filesystem::is_directory(*next, ec)) return std::nullopt;
    folder = *next;
  }
  RegistryKey key;
  key.folder_ = folder;
  if (auto file = FindEntryIgnoringCase(folder, "values")) {
    std::ifstream in(*file, std::ios::binary);
    if (!in) return std::nullopt;  // present but unreadable: the key cannot be opened
    std::string line;
    while (std::getline(in, line)) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      if (line.size() >= 3 && line.compare(0, 3, "\xEF\xBB\xBF") == 0) line.erase(0, 3);
      auto eq = line.find('=');
      if (eq == std::string::npos || line[0] == ';' || line[0] == '#') continue;
      key.values_.emplace_back(Trim(line.substr(0, eq)), line.substr(eq + 1));
    }
  }
  return key;
}

std::optional<std::string> RegistryKey::ReadString(std::string_view name) const {
  for (const auto& [n, v] : values_) {
    if (EqualsIgnoreCase(n, name)) {
      return WideToMultiByte(AnsiCodePage(), Utf8ToWide(v)).value_or(v);
    }
  }
  return std::nullopt;
}

std::string RegistryKey::ReadStringOrEmpty(std::string_view name) const {
  return ReadString(name).value_or(std::string());
}

std::vector<std::string> RegistryKey::ValueNames() const {
  std::vector<std::string> names;
  for (const auto& entry : values_) names.push_back(entry.first);
  return names;
}

}  // namespace pxq::os
