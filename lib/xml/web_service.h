// Calls a web service through the run-time library "CallWebService.dll" (CallWebService.so),
// which posts the request and writes the service's answer into a temporary file that is read
// back here. The library's C interface is described in docs/runtime.md.
#pragma once

#include <chrono>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace pxq::xml {

inline constexpr std::string_view kWebServiceLibrary = "CallWebService.dll";

// Raised when the library reports a failed call or its answer cannot be read.
class WebServiceError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Shows a message and returns when the user has confirmed it with OK. The dialog layer installs
// one that goes through the application object; without one the pause is skipped.
using PauseHandler = std::function<void(const std::string& message)>;
void SetTracePauseHandler(PauseHandler handler);

// True when the last of the program's arguments (the program name not counted) is "T" in any
// letter case: a developer's trace run, which pauses before the library is called so that a
// debugger can be attached to it.
bool IsTraceRun(const std::vector<std::string>& arguments);

// The temporary answer file for a call made at `now`: the temporary folder + "~Kelvra_" + local
// time as YYYYMMDDHHNNSSZZZ + ".tmp".
std::string WebServiceTempFileName(std::chrono::system_clock::time_point now);

// Calls `operation` of the service at `address` with the request text. Texts are narrow (ANSI
// code page). The answer is the answer file's lines, each followed by CR LF. Without the library
// or its entry point the answer is empty. The library stays loaded. `library` names the library
// to load (tests point it at a stand-in).
std::string CallWebService(std::string_view address, std::string_view operation,
                           std::string_view request, std::string_view library = kWebServiceLibrary);

}  // namespace pxq::xml
