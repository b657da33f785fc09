#include "platform/os/sysinfo.h"

#include <pwd.h>
#include <spawn.h>
#include <sys/utsname.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>

extern char** environ;

namespace pxq::os {

std::string TempFolder() {
  std::string dir;
  if (const char* env = std::getenv("TMPDIR"); env && *env) dir = env;
  if (dir.empty()) dir = "/tmp";
  if (dir.back() != '/') dir += '/';
  return dir;
}

std::string UserName() {
  if (const passwd* pw = getpwuid(geteuid()); pw && pw->pw_name) return pw->pw_name;
  if (const char* env = std::getenv("USER"); env && *env) return env;
  return {};
}

std::string ComputerName() {
  char name[256] = {};
  if (gethostname(name, sizeof name - 1) != 0) return {};
  return name;
}

std::string OsVersionText() {
  utsname u{};
  if (uname(&u) != 0) return "Linux";
  return std::string(u.sysname) + " " + u.release + " " + u.machine;
}

std::filesystem::path ProgramFile() {
  std::error_code ec;
  auto p = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::filesystem::path() : p;
}

std::filesystem::path ProgramFolder() { return ProgramFile().parent_path(); }

bool ShellOpen(const std::string& target) {
  pid_t pid = 0;
  const char* argv[] = {"xdg-open", target.c_str(), nullptr};
  if (posix_spawnp(&pid, "xdg-open", nullptr, nullptr, const_cast<char* const*>(argv), environ) !=
      0)
    return false;
  // xdg-open hands the document to the desktop and returns; reap it so no zombie is left.
  int status = 0;
  waitpid(pid, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace pxq::os
