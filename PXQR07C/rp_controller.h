// The report library's controller: creates the condition dialog of the registered dialog class,
// feeds it the host's parameters, shows it, and passes its life events and its outcome to the
// host.
#pragma once

#include <cstdint>
#include <string>

#include "lib/boundary/base_controller.h"
#include "lib/boundary/condition_dialog.h"

namespace pxq::boundary {

class TDLLRPCtrller : public TDLLBaseController {
 public:
  TDLLRPCtrller() = default;
  // Destroys a dialog that is still open first, so the host gets notification 304 before the
  // controller is gone.
  ~TDLLRPCtrller() override;

  std::u16string GetVersion() override;
  std::int32_t GetVisible() override;
  void SetVisible(WordBool Value) override;
  WindowHandle GetHandle() override;
  std::int32_t Initialize(const Variant& Params) override;
  std::int32_t ApplyConditions(const Variant& Data) override;
  std::int32_t HostCommand(std::int32_t Kind, std::uint32_t Reserved, const Variant& Data) override;
  Variant ShowModal() override;
  void CloseDialog() override;
  std::int32_t GetResult(Variant& Value) override;
  bool IsEmpty() override;
  void DoShow(void* Sender) override;
  void DoHide(void* Sender) override;
  void DoDestroy(void* Sender) override;

  // The condition dialog, null when there is none. The dialog frees itself when it is closed;
  // its destroy event clears this member.
  ConditionDialog* Dialog = nullptr;
  // The dialog's own handlers, in place before the controller chained in.
  NotifyHandler SavedOnShow;
  NotifyHandler SavedOnHide;
  NotifyHandler SavedOnDestroy;

 private:
  void CreateDialog();
  std::int32_t PassConditions(const Variant& conditions);
};

// Full path of the file of the module (library or program) this controller is built into.
std::string OwnModulePath();

}  // namespace pxq::boundary
