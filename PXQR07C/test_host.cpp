#include "PXQR07C/test_host.h"

namespace pxq::boundary::testing {

TestHost::TestHost(const std::string& libraryFile) {
  library_ = os::DynamicLibrary::Load(libraryFile, &loadError_);
  if (!library_) return;
  getController_ = reinterpret_cast<GetControllerProc>(library_->Symbol(kGetControllerName));
  if (!getController_) {
    loadError_ = "no export GetController";
    library_.reset();
    return;
  }
  hostApp->On("Trace", [this](Args& args) {
    log.push_back(args.at(0).ToAnsi());
    return Variant();
  });
  hostApp->On("UserAction",
              [this](Args&) { return Variant(userAction ? userAction() : std::string("cancel")); });
}

TestHost::~TestHost() {
  // Recorded calls may hold values that refer back to the host object.
  hostApp->ClearCalls();
}

const std::filesystem::path& TestHost::LibraryPath() const { return library_->Path(); }

TDLLBaseController* TestHost::GetController() { return getController_(); }

std::unique_ptr<TDLLBaseController> TestHost::NewController() {
  std::unique_ptr<TDLLBaseController> controller(getController_());
  controller->HostApp = HostAppVariant();
  controller->OnNotify = [this](std::int32_t code, TDLLBaseController* sender) {
    log.push_back("notify " + std::to_string(code));
    if (onNotify) onNotify(code, sender);
  };
  return controller;
}

Variant TestHost::Traced(const std::string& step) const {
  const auto& calls = hostApp->Calls();
  for (auto it = calls.rbegin(); it != calls.rend(); ++it) {
    if (it->name == "Trace" && it->args.size() == 2 && it->args[0].ToAnsi() == step) {
      return it->args[1];
    }
  }
  return Variant();
}

Variant HostParams() {
  return Variant(VarArray::Of(
      {Variant(u"796"), Variant(u"C01"), Variant(u"DS01"), Variant(0), Variant(u"extra")}));
}

}  // namespace pxq::boundary::testing
