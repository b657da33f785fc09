// Private profile files (INI), read the way the desktop platform reads them: section and key
// names without regard to letter case, values trimmed and stripped of one pair of enclosing
// quotes, the first of duplicate keys wins, defaults for anything missing. Texts are the file's
// bytes (ANSI code page), never re-encoded. Nothing is ever written.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace pxq::os {

class ProfileFile {
 public:
  // Reads the file; a missing or unreadable file gives an empty profile (every key defaults).
  // When the exact name is missing, a file of the same name in another letter case is used.
  explicit ProfileFile(const std::filesystem::path& file);
  // Parses profile text held in memory.
  static ProfileFile FromText(std::string_view text);

  bool Loaded() const { return loaded_; }
  bool SectionExists(std::string_view section) const;
  bool KeyExists(std::string_view section, std::string_view key) const;
  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view defaultValue) const;
  // The text read as a 32-bit integer (decimal, "$" or "0x" hexadecimal, optional sign);
  // a missing key, a blank value or anything else that is not such a number gives the default.
  int32_t ReadInteger(std::string_view section, std::string_view key, int32_t defaultValue) const;
  // Every "name=value" line of a section in file order (lines without "=" are skipped); a
  // repeated name carries the value of its first occurrence.
  std::vector<std::pair<std::string, std::string>> ReadSectionValues(
      std::string_view section) const;

 private:
  ProfileFile() = default;
  void Parse(std::string_view text);
  struct Section {
    std::string name;
    std::vector<std::pair<std::string, std::string>> entries;  // key, value (already cleaned)
  };
  const Section* Find(std::string_view section) const;
  std::vector<Section> sections_;
  bool loaded_ = false;
};

// Delphi-style StrToIntDef on a 32-bit integer: optional blanks, sign, "$"/"0x" hexadecimal.
bool ParseInt32(std::string_view text, int32_t& value);

}  // namespace pxq::os
