// A tiny automation server library used by the tests of classes created by name.
#include <cstring>

#include "platform/automation/automation.h"

namespace {
class Echo : public pxq::AutoObject {
 public:
  pxq::Variant Invoke(std::string_view name, pxq::Args& args) override {
    if (pxq::SameName(name, "Echo") && !args.empty()) return args[0];
    throw pxq::AutomationError("unknown member");
  }
  std::string ClassName() const override { return "TestServer.Echo"; }
};
}  // namespace

extern "C" __attribute__((visibility("default"))) pxq::AutoObject* PxqCreateAutoObject(
    const char* className) {
  if (std::strcmp(className, "TestServer.Echo") == 0) return new Echo;
  return nullptr;
}
