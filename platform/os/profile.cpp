#include "platform/os/profile.h"

#include <fstream>
#include <iterator>

#include "platform/os/registry.h"
#include "platform/os/text.h"

namespace pxq::os {
namespace {

std::string CleanValue(std::string_view raw) {
  std::string value = Trim(raw);
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    value = value.substr(1, value.size() - 2);
  }
  return value;
}

}  // namespace

bool ParseInt32(std::string_view text, int32_t& value) {
  size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  int base = 10;
  if (i < text.size() && text[i] == '$') {
    base = 16;
    ++i;
  } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    base = 16;
    i += 2;
  }
  if (i >= text.size()) return false;
  int64_t acc = 0;
  for (; i < text.size(); ++i) {
    char c = text[i];
    int digit;
    if (c >= '0' && c <= '9') {
      digit = c - '0';
    } else if (base == 16 && c >= 'a' && c <= 'f') {
      digit = c - 'a' + 10;
    } else if (base == 16 && c >= 'A' && c <= 'F') {
      digit = c - 'A' + 10;
    } else {
      return false;
    }
    acc = acc * base + digit;
    // Hexadecimal texts may spell the full 32-bit pattern; decimal ones must fit the range.
    if (acc > (base == 16 ? 0xFFFFFFFFLL : 2147483648LL)) return false;
  }
  if (base == 16) {
    uint32_t bits = static_cast<uint32_t>(acc);
    value = static_cast<int32_t>(negative ? (0u - bits) : bits);
    return true;
  }
  if (negative) acc = -acc;
  if (acc > 2147483647LL) return false;
  value = static_cast<int32_t>(acc);
  return true;
}

ProfileFile::ProfileFile(const std::filesystem::path& file) {
  std::filesystem::path actual = file;
  std::error_code ec;
  if (!std::filesystem::exists(actual, ec)) {
    auto other = FindEntryIgnoringCase(file.parent_path().empty() ? "." : file.parent_path(),
                                       file.filename().string());
    if (!other) return;
    actual = *other;
  }
  std::ifstream in(actual, std::ios::binary);
  if (!in) return;
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  Parse(text);
  loaded_ = true;
}

ProfileFile ProfileFile::FromText(std::string_view text) {
  ProfileFile profile;
  profile.Parse(text);
  profile.loaded_ = true;
  return profile;
}

void ProfileFile::Parse(std::string_view text) {
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  Section* current = nullptr;
  size_t pos = 0;
  while (pos <= text.size()) {
    size_t end = text.find_first_of("\r\n", pos);
    if (end == std::string_view::npos) end = text.size();
    std::string line = Trim(text.substr(pos, end - pos));
    pos = end + 1;
    if (line.empty() || line[0] == ';') continue;
    if (line[0] == '[') {
      size_t close = line.find(']');
      std::string name =
          Trim(line.substr(1, close == std::string::npos ? std::string::npos : close - 1));
      sections_.push_back({name, {}});
      current = &sections_.back();
      continue;
    }
    if (!current) continue;
    size_t eq = line.find('=');
    if (eq == std::string::npos) continue;
    std::string key = Trim(line.substr(0, eq));
    if (key.empty()) continue;
    current->entries.emplace_back(key, CleanValue(line.substr(eq + 1)));
  }
}

const ProfileFile::Section* ProfileFile::Find(std::string_view section) const {
  for (const auto& s : sections_)
    if (EqualsIgnoreCase(s.name, section)) return &s;
  return nullptr;
}

bool ProfileFile::SectionExists(std::string_view section) const { return Find(section); }

bool ProfileFile::KeyExists(std::string_view section, std::string_view key) const {
  const Section* s = Find(section);
  if (!s) return false;
  for (const auto& [k, v] : s->entries)
    if (EqualsIgnoreCase(k, key)) return true;
  return false;
}

std::string ProfileFile::ReadString(std::string_view section, std::string_view key,
                                    std::string_view defaultValue) const {
  if (const Section* s = Find(section)) {
    for (const auto& [k, v] : s->entries)
      if (EqualsIgnoreCase(k, key)) return v;
  }
  return std::string(defaultValue);
}

int32_t ProfileFile::ReadInteger(std::string_view section, std::string_view key,
                                 int32_t defaultValue) const {
  int32_t value = 0;
  return ParseInt32(ReadString(section, key, ""), value) ? value : defaultValue;
}

std::vector<std::pair<std::string, std::string>> ProfileFile::ReadSectionValues(
    std::string_view section) const {
  std::vector<std::pair<std::string, std::string>> out;
  if (const Section* s = Find(section)) {
    for (const auto& entry : s->entries)
      out.emplace_back(entry.first, ReadString(section, entry.first, ""));
  }
  return out;
}

}  // namespace pxq::os
