#include "lib/boundary/class_registry.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <utility>

namespace pxq::boundary {
namespace {

// Puts both class references back as they were, whatever a test did to them.
struct SavedClasses {
  ControllerClass controller = std::exchange(DLLControllerClass, nullptr);
  DialogClass dialog = std::exchange(frmBaseGeneClass, nullptr);
  ~SavedClasses() {
    DLLControllerClass = controller;
    frmBaseGeneClass = dialog;
  }
};

std::string ErrorOf(void (*call)()) {
  try {
    call();
  } catch (const std::runtime_error& e) {
    return e.what();
  }
  return "(no error)";
}

TEST(ClassRegistry, EmptyReferencesRaiseNamedErrors) {
  SavedClasses saved;
  EXPECT_EQ(ErrorOf([] { NewController(); }),
            "NTQ DLL Internal Error :\rNot Assign \"DLLControllerClass\" varible");
  EXPECT_EQ(ErrorOf([] { NewDialog(); }),
            "NTQ DLL Internal Error :\rNot Assign \"frmBaseGeneClass\" varible");
}

class StubController : public TDLLBaseController {
 public:
  std::u16string GetVersion() override { return u"stub"; }
  std::int32_t GetVisible() override { return 0; }
  void SetVisible(WordBool) override {}
  WindowHandle GetHandle() override { return 0; }
  std::int32_t Initialize(const Variant&) override { return -1; }
  std::int32_t ApplyConditions(const Variant&) override { return -1; }
  std::int32_t HostCommand(std::int32_t, std::uint32_t, const Variant&) override { return -1; }
  Variant ShowModal() override { return Variant(kModalCancel); }
  void CloseDialog() override {}
  std::int32_t GetResult(Variant&) override { return -1; }
  bool IsEmpty() override { return true; }
};

TEST(ClassRegistry, RegisteredControllerClassIsInstantiatedAndNotifiesThroughOnNotify) {
  SavedClasses saved;
  DLLControllerClass = []() -> TDLLBaseController* { return new StubController(); };
  std::unique_ptr<TDLLBaseController> a(NewController());
  std::unique_ptr<TDLLBaseController> b(NewController());
  ASSERT_NE(a, nullptr);
  EXPECT_NE(a, b);
  EXPECT_EQ(a->GetVersion(), u"stub");

  // The base bodies of the event slots pass their codes to OnNotify with the controller.
  std::vector<int> codes;
  a->OnNotify = [&](std::int32_t code, TDLLBaseController* sender) {
    EXPECT_EQ(sender, a.get());
    codes.push_back(code);
  };
  a->DoCreated();
  a->DoShow(nullptr);
  a->DoHide(nullptr);
  a->DoDestroy(nullptr);
  a->DoOther();
  a->Reserved();
  EXPECT_EQ(codes, (std::vector<int>{256, 272, 288, 304, 320}));
  b->DoCreated();  // no sink: nothing happens
}

}  // namespace
}  // namespace pxq::boundary
