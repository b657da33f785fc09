// The alert log: problems without a user to tell are appended to text files in a "Log" folder,
// one file per day, month or year. Writers never raise; they answer false when a line could not
// be written.
#pragma once

#include <cstdint>
#include <exception>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace pxq::util {

// Installation folder: registry "ClientPath" of HKLM "Software\NTQ\Corvane", else "ServerPath";
// empty when neither exists. Used as stored.
std::string GetInstallFolder();

// "Alert_" + name + "_" + stamp (+ ".log" when the name has no "."), in <install>/Log, else
// <program folder>/Log. Period "D" (or anything else) = YYYYMMDD, "M" = YYYYMM, "Y" = YYYY.
// Lines are "[YYYY/MM/DD hh:nn:ss:zzz] " + message + CR LF, in the ANSI code page.
bool WriteAlertLog(std::string_view name, std::string_view message, std::string_view period);
// As WriteAlertLog, always under the running program's folder.
bool WriteUpdaterLog(std::string_view name, std::string_view message, std::string_view period);
// "Alert_PlexaGenerator_YYYYMMDD.log" in <install>/Log, else <temp>/Log, else /tmp/Log. Lines are
// stamped "[YYYY/MM/DD hh:nn:ss] ".
bool WriteGeneratorLog(std::string_view message);

// An error that carries the platform's class name for reports, e.g. Error("EConvertError",
// "'zz' is not a valid integer value"). Exceptions of other types report as "Exception".
// The database-engine, operating-system and input/output errors below are reported in their own
// way by ReportError.
class Error : public std::runtime_error {
 public:
  Error(std::string className, const std::string& message)
      : std::runtime_error(message), className_(std::move(className)) {}
  const std::string& ClassName() const { return className_; }

 private:
  std::string className_;
};

// A database engine error with its list of sub-errors (engine code and message).
class DBEngineError : public Error {
 public:
  struct SubError {
    uint16_t code = 0;
    std::string message;
  };
  DBEngineError(const std::string& message, std::vector<SubError> errors)
      : Error("EDBEngineError", message), errors_(std::move(errors)) {}
  const std::vector<SubError>& Errors() const { return errors_; }

 private:
  std::vector<SubError> errors_;
};

// An operating-system error with the system's error code.
class Win32Error : public Error {
 public:
  Win32Error(int code, const std::string& message) : Error("EWin32Error", message), code_(code) {}
  int Code() const { return code_; }

 private:
  int code_;
};

// An input/output error with its error code.
class InOutError : public Error {
 public:
  InOutError(int code, const std::string& message) : Error("EInOutError", message), code_(code) {}
  int Code() const { return code_; }

 private:
  int code_;
};

// Writes an error report block through WriteGeneratorLog: the header line with the location,
// the error's lines (when an error is given) and the programmer message (when not blank).
void ReportError(const std::exception* error, std::string_view location,
                 std::string_view programmerMessage);

}  // namespace pxq::util
