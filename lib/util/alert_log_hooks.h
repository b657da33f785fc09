// Seams of the alert log for tests: the clock that stamps lines and names files, and the folder
// that stands for the host program's folder.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>

namespace pxq::util {

// A local date and time, to the millisecond.
struct LogTime {
  int year = 0, month = 0, day = 0;
  int hour = 0, minute = 0, second = 0, millisecond = 0;
};

using LogClock = std::function<LogTime()>;

// The system's local time now.
LogTime LocalTimeNow();
// Replaces the clock of the alert log; an empty clock restores the system's local time.
void SetLogClock(LogClock clock);
// Replaces the host program's folder for the log writers; nullopt restores the real one.
void SetLogProgramFolder(std::optional<std::filesystem::path> folder);

}  // namespace pxq::util
