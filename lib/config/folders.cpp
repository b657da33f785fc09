#include "lib/config/folders.h"

#include "platform/os/codepage.h"

namespace pxq::config {
namespace {

bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

bool HasDrive(std::string_view path) {
  return path.size() >= 2 && IsAsciiLetter(path[0]) && path[1] == ':';
}

// "\" -> "/". A text that is valid in the ANSI code page is converted by character, because a
// byte 0x5C may be the second half of a double-byte character (Big5 "功" is A5 5C); a text
// that is not valid there holds no such characters to protect and is converted byte by byte.
std::string ToSlashes(std::string_view text) {
  if (text.find('\\') == std::string_view::npos) return std::string(text);
  const int codePage = os::AnsiCodePage();
  auto wide = os::MultiByteToWide(codePage, text);
  if (wide && os::WideToMultiByte(codePage, *wide) == std::string(text)) {
    for (char16_t& c : *wide)
      if (c == u'\\') c = u'/';
    if (auto narrow = os::WideToMultiByte(codePage, *wide)) return *narrow;
  }
  std::string out(text);
  for (char& c : out)
    if (c == '\\') c = '/';
  return out;
}

// "//server/share..." with a server and a share name.
bool IsNetworkShare(std::string_view native) {
  if (native.size() < 3 || native[0] != '/' || native[1] != '/') return false;
  size_t slash = native.find('/', 2);
  if (slash == std::string_view::npos || slash == 2) return false;
  return slash + 1 < native.size() && native[slash + 1] != '/';
}

}  // namespace

std::string NativePath(std::string_view path) {
  if (!HasDrive(path)) return ToSlashes(path);
  std::string rest = ToSlashes(path.substr(2));
  if (rest.empty() || rest[0] != '/') rest.insert(0, "/");
  return rest;
}

bool EndsWithSeparator(std::string_view path) {
  std::string native = NativePath(path);
  return !native.empty() && native.back() == '/';
}

std::string InstallationFolder(std::string_view configured) {
  if (configured.empty()) return {};
  std::string folder = NativePath(configured);
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder;
}

std::string ResolvePath(std::string_view folder, std::string_view base) {
  std::string native = NativePath(folder);
  if (HasDrive(folder) || IsNetworkShare(native) || (!folder.empty() && folder[0] == '/'))
    return native;
  if (!folder.empty() && folder[0] == '\\') return std::string(base) + NativePath(folder.substr(1));
  return std::string(base) + native;
}

}  // namespace pxq::config
