#include "lib/util/alert_log.h"

#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <optional>
#include <system_error>

#include "lib/util/alert_log_hooks.h"
#include "platform/os/codepage.h"
#include "platform/os/registry.h"
#include "platform/os/sysinfo.h"
#include "platform/os/text.h"

namespace pxq::util {
namespace {

namespace fs = std::filesystem;

LogClock& Clock() {
  static LogClock clock;
  return clock;
}

std::optional<fs::path>& ProgramFolderOverride() {
  static std::optional<fs::path> folder;
  return folder;
}

LogTime Now() { return Clock() ? Clock()() : LocalTimeNow(); }

fs::path HostFolder() {
  return ProgramFolderOverride() ? *ProgramFolderOverride() : os::ProgramFolder();
}

// A folder or file name in the ANSI code page as a file-system path.
fs::path NativePath(std::string_view ansi) { return fs::path(os::AnsiToUtf8(ansi)); }

std::string Format(const char* format, int a, int b = 0, int c = 0) {
  char buf[64];
  std::snprintf(buf, sizeof buf, format, a, b, c);
  return buf;
}

std::string PeriodStamp(const LogTime& t, std::string_view period) {
  if (period == "Y") return Format("%.4d", t.year);
  if (period == "M") return Format("%.4d%.2d", t.year, t.month);
  return Format("%.4d%.2d%.2d", t.year, t.month, t.day);
}

std::string DateStamp(const LogTime& t) { return Format("%.4d/%.2d/%.2d", t.year, t.month, t.day); }

std::string TimeStamp(const LogTime& t) {
  return Format("%.2d:%.2d:%.2d", t.hour, t.minute, t.second);
}

// Creates the folder when missing and appends one line; false when anything fails.
bool AppendLine(const fs::path& folder, const fs::path& fileName, std::string_view line) {
  std::error_code ec;
  fs::create_directories(folder, ec);  // a failure shows up when the file is opened
  std::FILE* file = std::fopen((folder / fileName).c_str(), "ab");
  if (!file) return false;
  // One write per line, so that lines of several processes interleave whole.
  const std::string bytes = std::string(line) + "\r\n";
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  const bool closed = std::fclose(file) == 0;
  return written && closed;
}

bool WriteStampedLog(const fs::path& base, std::string_view name, std::string_view message,
                     std::string_view period) {
  try {
    const LogTime t = Now();
    std::string fileName = "Alert_" + std::string(name) + "_" + PeriodStamp(t, period);
    if (name.find('.') == std::string_view::npos) fileName += ".log";
    std::string line = "[" + DateStamp(t) + " " + TimeStamp(t) + Format(":%.3d", t.millisecond) +
                       "] " + std::string(message);
    return AppendLine(base / "Log", NativePath(fileName), line);
  } catch (const std::exception&) {
    return false;
  }
}

}  // namespace

LogTime LocalTimeNow() {
  const auto now = std::chrono::system_clock::now();
  const std::time_t secs = std::chrono::system_clock::to_time_t(now);
  std::tm tm{};
  localtime_r(&secs, &tm);
  const auto ms =
      std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
  return LogTime{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday,          tm.tm_hour,
                 tm.tm_min,         tm.tm_sec,     static_cast<int>(ms)};
}

void SetLogClock(LogClock clock) { Clock() = std::move(clock); }

void SetLogProgramFolder(std::optional<fs::path> folder) {
  ProgramFolderOverride() = std::move(folder);
}

std::string GetInstallFolder() {
  const auto key =
      os::RegistryKey::OpenReadOnly(os::RegistryHive::LocalMachine, "Software\\NTQ\\Corvane");
  if (!key) return {};
  std::string folder = key->ReadStringOrEmpty("ClientPath");
  if (folder.empty()) folder = key->ReadStringOrEmpty("ServerPath");
  return folder;
}

bool WriteAlertLog(std::string_view name, std::string_view message, std::string_view period) {
  fs::path base;
  try {
    const std::string install = GetInstallFolder();
    base = install.empty() ? HostFolder() : NativePath(install);
  } catch (const std::exception&) {
    return false;
  }
  return WriteStampedLog(base, name, message, period);
}

bool WriteUpdaterLog(std::string_view name, std::string_view message, std::string_view period) {
  return WriteStampedLog(HostFolder(), name, message, period);
}

bool WriteGeneratorLog(std::string_view message) {
  try {
    fs::path base;
    try {
      std::string folder = GetInstallFolder();
      if (folder.empty()) folder = os::TempFolder();
      base = folder.empty() ? fs::path("/tmp") : NativePath(folder);
    } catch (const std::exception&) {
      base = "/tmp";
    }
    const LogTime t = Now();
    const std::string fileName =
        "Alert_PlexaGenerator_" + Format("%.4d%.2d%.2d", t.year, t.month, t.day) + ".log";
    const std::string line = "[" + DateStamp(t) + " " + TimeStamp(t) + "] " + std::string(message);
    return AppendLine(base / "Log", fileName, line);
  } catch (const std::exception&) {
    return false;
  }
}

void ReportError(const std::exception* error, std::string_view location,
                 std::string_view programmerMessage) {
  try {
    const std::string dashes(34, '-');
    const std::string on =
        os::Trim(location).empty() ? std::string() : " on " + std::string(location) + " ";
    WriteGeneratorLog(dashes + on + dashes);

    if (error) {
      WriteGeneratorLog(os::Ansi("讯息信息:"));
      auto entry = [](const char* kind, int index, long long code, const std::string& message) {
        char head[96];
        std::snprintf(head, sizeof head, "%s Error %.2d: Code: %lld, Message: ", kind, index, code);
        WriteGeneratorLog(head + message);
      };
      int count = 0;
      if (const auto* db = dynamic_cast<const DBEngineError*>(error)) {
        for (const auto& sub : db->Errors()) {
          ++count;
          entry("EDBEngineError", count, sub.code, sub.message);
        }
      } else if (const auto* win = dynamic_cast<const Win32Error*>(error)) {
        entry("EWin32Error", 1, win->Code(), win->what());
        count = 1;
      } else if (const auto* io = dynamic_cast<const InOutError*>(error)) {
        entry("EInOutError", 1, io->Code(), io->what());
        count = 1;
      } else {
        const auto* own = dynamic_cast<const Error*>(error);
        const std::string className = own ? own->ClassName() : "Exception";
        WriteGeneratorLog("Exception is " + className + "\r\nMessage 01: " + error->what());
        count = 1;
      }
      WriteGeneratorLog("ErrorMessage Count: " + std::to_string(count));
    }

    if (!os::Trim(programmerMessage).empty())
      WriteGeneratorLog("Programer Message: " + std::string(programmerMessage));
  } catch (const std::exception&) {
    // Reporting never raises.
  }
}

}  // namespace pxq::util
