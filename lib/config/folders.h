// Configured folders in this platform's form. The registry and the profile files may hold
// folders written the desktop way ("C:\Corvane\", "\S_PKG", "\\server\share\"); they are mapped
// here, in one place, so every user of the configuration sees "/"-separated folders:
//   - "\" separators become "/" (character by character, so the second byte of a double-byte
//     character that happens to be 0x5C is left alone);
//   - a drive-letter prefix names an absolute folder: "C:\Corvane" is "/Corvane";
//   - "\\server\share\..." is the network share "//server/share/...", used unchanged;
//   - a folder beginning with "/" is absolute and used unchanged.
// Texts are bytes of the ANSI code page.
#pragma once

#include <string>
#include <string_view>

namespace pxq::config {

// The path with "/" separators and without a drive-letter prefix.
std::string NativePath(std::string_view path);

// True when the path, in this platform's form, ends with a separator.
bool EndsWithSeparator(std::string_view path);

// The installation folder as configured, in this platform's form and ending with "/"; empty
// stays empty.
std::string InstallationFolder(std::string_view configured);

// Turns a configured folder into an absolute one against `base` (which ends with "/"):
//   drive letter, network share or leading "/"  -> the folder itself (NativePath);
//   leading "\"                                  -> base + the folder without that "\";
//   anything else                                -> base + folder.
std::string ResolvePath(std::string_view folder, std::string_view base);

}  // namespace pxq::config
