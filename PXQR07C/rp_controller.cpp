#include "PXQR07C/rp_controller.h"

#include <utility>

#include "lib/boundary/class_registry.h"
#include "platform/os/dynlib.h"

namespace pxq::boundary {

namespace {

TDLLBaseController* NewRPCtrller() { return new TDLLRPCtrller(); }

// The controller unit's initialisation: GetController instantiates this class.
[[maybe_unused]] const bool kRegistered = (DLLControllerClass = &NewRPCtrller, true);

// An address inside this module.
const char kModuleAnchor = 0;

std::u16string Wide(const std::string& ansi) { return Variant(ansi).ToWide(); }

}  // namespace

std::string OwnModulePath() { return os::ModuleFile(&kModuleAnchor).string(); }

TDLLRPCtrller::~TDLLRPCtrller() {
  try {
    if (Dialog) CloseDialog();
  } catch (...) {
    // A destructor cannot report; the dialog's own handlers raised.
  }
}

std::u16string TDLLRPCtrller::GetVersion() {
  return Dialog ? Wide(Dialog->VersionText()) : std::u16string();
}

std::int32_t TDLLRPCtrller::GetVisible() { return Dialog && Dialog->Visible() ? -1 : 0; }

void TDLLRPCtrller::SetVisible(WordBool Value) {
  if (!Dialog) return;
  const bool show = Value != kWordFalse;
  Dialog->SetVisible(show);
  // Showing may process a pending close request, which destroys the dialog.
  if (!show || !Dialog) return;
  if (Dialog->Minimized()) Dialog->Restore();
  Dialog->BringToForeground();
}

WindowHandle TDLLRPCtrller::GetHandle() { return Dialog ? Dialog->Handle() : 0; }

void TDLLRPCtrller::CreateDialog() {
  ConditionDialog* dialog = NewDialog();  // raises when no dialog class is registered
  if (!dialog) return;
  try {
    dialog->SetModulePath(OwnModulePath());
    dialog->SetHostApp(HostApp);
  } catch (...) {
    dialog->Free();  // not chained yet: the controller never held it
    return;
  }
  // The events are chained before the host hears of the dialog, so that a dialog the host
  // closes from its creation notification still clears Dialog.
  Dialog = dialog;
  SavedOnShow = dialog->EventHandler(DialogEvent::Show);
  dialog->SetEventHandler(DialogEvent::Show, [this](void* sender) { DoShow(sender); });
  SavedOnHide = dialog->EventHandler(DialogEvent::Hide);
  dialog->SetEventHandler(DialogEvent::Hide, [this](void* sender) { DoHide(sender); });
  SavedOnDestroy = dialog->EventHandler(DialogEvent::Destroy);
  dialog->SetEventHandler(DialogEvent::Destroy, [this](void* sender) { DoDestroy(sender); });
  DoCreated();
}

std::int32_t TDLLRPCtrller::Initialize(const Variant& Params) {
  if (!Dialog) CreateDialog();
  if (!Dialog) return -1;  // no dialog made, or the host closed it on notification 256
  try {
    return Dialog->InitFromHost(Params) ? 0 : -1;
  } catch (...) {
    return -1;
  }
}

std::int32_t TDLLRPCtrller::PassConditions(const Variant& conditions) {
  try {
    Dialog->ApplyExternalConditions(conditions);
    return 0;
  } catch (...) {
    return -1;
  }
}

std::int32_t TDLLRPCtrller::ApplyConditions(const Variant& Data) {
  if (!Dialog || !Data.IsArray()) return -1;
  Variant conditions;
  try {
    conditions = Variant(VarArray::Of({Variant(true), Data.Array()[1]}));
  } catch (...) {
    return -1;  // no element 1, or not one-dimensional
  }
  return PassConditions(conditions);
}

std::int32_t TDLLRPCtrller::HostCommand(std::int32_t Kind, std::uint32_t /*Reserved*/,
                                        const Variant& Data) {
  if (!Dialog || (Kind != 5 && Kind != 9)) return -1;
  return PassConditions(Variant(VarArray::Of({Variant(false), Data})));
}

Variant TDLLRPCtrller::ShowModal() {
  if (!Dialog) return Variant(kModalCancel);
  return Variant(Dialog->ShowModal());
}

void TDLLRPCtrller::CloseDialog() {
  // Free raises the destroy event, whose handler (DoDestroy) clears Dialog.
  if (Dialog && !Dialog->Destroying()) Dialog->Free();
}

std::int32_t TDLLRPCtrller::GetResult(Variant& Value) {
  if (!Dialog) return -1;
  VarArray identity(0, 3);
  identity[0] = Variant(Wide(Dialog->UserCode()));
  identity[1] = Variant(Wide(Dialog->CompanyCode()));
  identity[2] = Variant(Wide(Dialog->ProgramCode()));
  identity[3] = Variant(Wide(Dialog->ProgramName()));
  Value = Variant(std::move(identity));
  return 0;
}

bool TDLLRPCtrller::IsEmpty() { return Dialog == nullptr; }

void TDLLRPCtrller::DoShow(void* Sender) {
  NotifyHandler saved = SavedOnShow;  // the handler may destroy the dialog, which clears it
  if (saved) saved(Sender);
  TDLLBaseController::DoShow(Sender);
}

void TDLLRPCtrller::DoHide(void* Sender) {
  NotifyHandler saved = SavedOnHide;
  if (saved) saved(Sender);
  TDLLBaseController::DoHide(Sender);
}

void TDLLRPCtrller::DoDestroy(void* Sender) {
  if (!Dialog) return;
  ResultCode = Dialog->ResultCode();
  ResultData = Dialog->ResultData();
  // Forget the dialog before anyone is told, so that a host may delete the controller from its
  // notification. Nothing raised here may escape into the dialog's destruction.
  NotifyHandler saved = std::exchange(SavedOnDestroy, nullptr);
  Dialog = nullptr;
  SavedOnShow = nullptr;
  SavedOnHide = nullptr;
  try {
    if (saved) saved(Sender);
  } catch (...) {
  }
  try {
    TDLLBaseController::DoDestroy(Sender);
  } catch (...) {
  }
}

}  // namespace pxq::boundary
