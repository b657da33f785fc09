#include "lib/xml/web_service.h"

#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <mutex>

#include "platform/os/codepage.h"
#include "platform/os/dynlib.h"
#include "platform/os/sysinfo.h"
#include "platform/os/text.h"

namespace pxq::xml {
namespace {

// int CallWebServiceFx(address, operation, request, answerFile): texts in UTF-8, 0 on success.
using CallWebServiceFx = int (*)(const char*, const char*, const char*, const char*);

std::mutex g_pauseMutex;
PauseHandler g_pause;

// The program's arguments without the program name, from /proc/self/cmdline.
std::vector<std::string> ProgramArguments() {
  std::ifstream in("/proc/self/cmdline", std::ios::binary);
  std::string all((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::vector<std::string> args;
  std::string current;
  for (char c : all) {
    if (c == '\0') {
      args.push_back(current);
      current.clear();
    } else {
      current += c;
    }
  }
  if (!current.empty()) args.push_back(current);
  if (!args.empty()) args.erase(args.begin());
  return args;
}

std::string StatusText(int status) {
  switch (status) {
    case 1:
      return "missing argument or empty service address";
    case 2:
      return "the service could not be reached";
    case 3:
      return "the service answered with an HTTP error status";
    case 4:
      return "the answer file could not be written";
    default:
      return "unknown failure";
  }
}

// The file's lines (ended by CR LF, LF or CR), each followed by CR LF.
std::string ReadLines(const std::string& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) throw WebServiceError("Cannot open file " + file);
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::string out;
  out.reserve(bytes.size() + 2);
  for (size_t i = 0; i < bytes.size();) {
    size_t end = bytes.find_first_of("\r\n", i);
    if (end == std::string::npos) end = bytes.size();
    out.append(bytes, i, end - i).append("\r\n");
    if (end < bytes.size() && bytes[end] == '\r' && end + 1 < bytes.size() &&
        bytes[end + 1] == '\n') {
      ++end;
    }
    i = end + 1;
  }
  return out;
}

}  // namespace

void SetTracePauseHandler(PauseHandler handler) {
  std::lock_guard lock(g_pauseMutex);
  g_pause = std::move(handler);
}

bool IsTraceRun(const std::vector<std::string>& arguments) {
  return !arguments.empty() && os::UpperAscii(arguments.back()) == "T";
}

std::string WebServiceTempFileName(std::chrono::system_clock::time_point now) {
  auto sinceEpoch = now.time_since_epoch();
  std::time_t seconds =
      static_cast<std::time_t>(std::chrono::floor<std::chrono::seconds>(sinceEpoch).count());
  int millis = static_cast<int>(
      (std::chrono::floor<std::chrono::milliseconds>(sinceEpoch).count() % 1000 + 1000) % 1000);
  std::tm local{};
  localtime_r(&seconds, &local);
  char stamp[64];
  std::snprintf(stamp, sizeof stamp, "%04d%02d%02d%02d%02d%02d%03d", local.tm_year + 1900,
                local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec, millis);
  return os::TempFolder() + "~Kelvra_" + stamp + ".tmp";
}

std::string CallWebService(std::string_view address, std::string_view operation,
                           std::string_view request, std::string_view library) {
  std::string file = WebServiceTempFileName(std::chrono::system_clock::now());
  auto lib = os::DynamicLibrary::Load(library, nullptr,
                                      reinterpret_cast<const void*>(&WebServiceTempFileName));
  if (lib) lib->Leak();  // stays loaded for the rest of the process

  if (IsTraceRun(ProgramArguments())) {
    PauseHandler pause;
    {
      std::lock_guard lock(g_pauseMutex);
      pause = g_pause;
    }
    if (pause) pause(os::Ansi("跟踪测试中断!可在此时设置Dll之Modules。点\"OK\"继续。"));
  }

  auto call = lib ? reinterpret_cast<CallWebServiceFx>(lib->Symbol("CallWebServiceFx")) : nullptr;
  if (!call) return {};

  std::string utf8Address = os::AnsiToUtf8(address);
  std::string utf8Operation = os::AnsiToUtf8(operation);
  std::string utf8Request = os::AnsiToUtf8(request);
  // The answer file is removed however the call ends.
  struct RemoveFile {
    const std::string& path;
    ~RemoveFile() {
      std::error_code ec;
      std::filesystem::remove(path, ec);
    }
  } removeFile{file};
  int status = call(utf8Address.c_str(), utf8Operation.c_str(), utf8Request.c_str(), file.c_str());
  if (status != 0) {
    throw WebServiceError("CallWebService failed (" + std::to_string(status) +
                          "): " + StatusText(status));
  }
  return os::Ansi(ReadLines(file));
}

}  // namespace pxq::xml
