// A host for tests: loads a report library from its file as the client does, obtains
// controllers through its export GetController, and keeps one ordered log of the controllers'
// notifications ("notify <code>") and of the steps the library's dialog reports through the
// host application object (its calls of Trace).
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "lib/boundary/base_controller.h"
#include "platform/automation/scripted_object.h"
#include "platform/os/dynlib.h"

namespace pxq::boundary::testing {

class TestHost {
 public:
  explicit TestHost(const std::string& libraryFile);
  ~TestHost();

  bool Loaded() const { return library_ != nullptr; }
  const std::string& LoadError() const { return loadError_; }
  const std::filesystem::path& LibraryPath() const;

  // A plain call of the export.
  TDLLBaseController* GetController();
  // A controller with HostApp and OnNotify set, as a host prepares it before Initialize.
  std::unique_ptr<TDLLBaseController> NewController();

  // The host application object and the same object as a Variant.
  std::shared_ptr<ScriptedObject> hostApp = ScriptedObject::Create("HostApp");
  Variant HostAppVariant() const { return Variant(std::static_pointer_cast<AutoObject>(hostApp)); }

  std::vector<std::string> log;
  // The value of the last Trace call of a step; empty when there was none.
  Variant Traced(const std::string& step) const;
  // What the user does in a modal dialog; "cancel" when unset.
  std::function<std::string()> userAction;
  // Called after a notification has been logged.
  std::function<void(std::int32_t, TDLLBaseController*)> onNotify;

 private:
  std::unique_ptr<os::DynamicLibrary> library_;
  std::string loadError_;
  GetControllerProc getController_ = nullptr;
};

// The standard host parameter array [user, company, data source, host window, extra].
Variant HostParams();

}  // namespace pxq::boundary::testing
