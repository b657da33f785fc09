// Facts about the running system that the library asks the platform for.
#pragma once

#include <filesystem>
#include <string>

namespace pxq::os {

// $TMPDIR when set, else "/tmp"; with a trailing "/".
std::string TempFolder();
std::string UserName();
std::string ComputerName();
// For example "Linux 6.1.0-18-amd64 x86_64".
std::string OsVersionText();
std::filesystem::path ProgramFile();
// Folder of the running program (the host executable), without a trailing "/".
std::filesystem::path ProgramFolder();
// Opens a document or address with the desktop's handler (xdg-open); false when it cannot start.
bool ShellOpen(const std::string& target);

}  // namespace pxq::os
