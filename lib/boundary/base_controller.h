// The controller of a report library, as the host sees it. A host obtains one from the library's
// only export, GetController, and from then on talks to it through the eighteen virtual
// operations below (in this slot order) and the four public data members (in this order). Host
// and library are built with the same compiler against this declaration, so the declaration is
// the binary contract between the two modules: do not reorder, insert or retype anything.
//
// Conventions of the contract: texts handed to the host are wide (UTF-16); flags handed to the
// host are 16-bit Booleans (true = -1, false = 0); structured values are Variants. Ownership of
// a controller passes to the host, which deletes it (the destructor follows the eighteen
// operations in the table). A missing class registration in the library reaches the host as
// std::runtime_error; Initialize, ApplyConditions and HostCommand answer every other failure
// with -1.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/variant/variant.h"

namespace pxq::boundary {

// A 16-bit automation Boolean: 0 is false, any other value true; true is written as -1.
using WordBool = std::int16_t;
inline constexpr WordBool kWordTrue = -1;
inline constexpr WordBool kWordFalse = 0;

// A native window handle; 0 is no window.
using WindowHandle = std::uintptr_t;

// Life-event codes passed to OnNotify.
inline constexpr std::int32_t kNotifyCreated = 256;
inline constexpr std::int32_t kNotifyShown = 272;
inline constexpr std::int32_t kNotifyHidden = 288;
inline constexpr std::int32_t kNotifyDestroyed = 304;
inline constexpr std::int32_t kNotifyOther = 320;

// The result of ShowModal without a dialog: the cancel result.
inline constexpr int kModalCancel = 2;

class TDLLBaseController;

// Life-event sink set by the host: (Code, Sender), Sender being the controller.
using TNotifyProc = std::function<void(std::int32_t Code, TDLLBaseController* Sender)>;

class TDLLBaseController {
 public:
  TDLLBaseController(const TDLLBaseController&) = delete;
  TDLLBaseController& operator=(const TDLLBaseController&) = delete;

  // Slot 0: the dialog's version text.
  virtual std::u16string GetVersion() = 0;
  // Slot 1: -1 when a dialog exists and is visible, else 0.
  virtual std::int32_t GetVisible() = 0;
  // Slot 2.
  virtual void SetVisible(WordBool Value) = 0;
  // Slot 3: the dialog's window handle, 0 without a dialog.
  virtual WindowHandle GetHandle() = 0;
  // Slot 4: creates and initialises the dialog from the host parameter array; 0 or -1.
  virtual std::int32_t Initialize(const Variant& Params) = 0;
  // Slot 5: hands a condition set to the dialog; 0 or -1.
  virtual std::int32_t ApplyConditions(const Variant& Data) = 0;
  // Slot 6: a host command for the dialog; 0 or -1. Reserved is not used.
  virtual std::int32_t HostCommand(std::int32_t Kind, std::uint32_t Reserved,
                                   const Variant& Data) = 0;
  // Slot 7: shows the dialog modally; its modal result as an integer Variant.
  virtual Variant ShowModal() = 0;
  // Slot 8: destroys the dialog now.
  virtual void CloseDialog() = 0;
  // Slot 9: the dialog's identity texts in Value; 0, or -1 (Value untouched) without a dialog.
  virtual std::int32_t GetResult(Variant& Value) = 0;
  // Slot 10: true when no dialog exists.
  virtual bool IsEmpty() = 0;

  // Slots 11 to 15: the dialog's life events, each passed on as its notification code. Sender
  // is the object that raised the event (the dialog); the bodies here do not use it.
  virtual void DoCreated() { DoNotify(kNotifyCreated); }
  virtual void DoShow(void* /*Sender*/) { DoNotify(kNotifyShown); }
  virtual void DoHide(void* /*Sender*/) { DoNotify(kNotifyHidden); }
  virtual void DoDestroy(void* /*Sender*/) { DoNotify(kNotifyDestroyed); }
  virtual void DoOther() { DoNotify(kNotifyOther); }
  // Slot 16: calls OnNotify with (Code, this controller) when it is set. The sink is copied
  // first, so a host may replace it, or delete the controller, from inside the call.
  virtual void DoNotify(std::int32_t Code) {
    TNotifyProc sink = OnNotify;
    if (sink) sink(Code, this);
  }
  // Slot 17: spare.
  virtual void Reserved() {}

  virtual ~TDLLBaseController() = default;

  // The host's application object, stored by the host before Initialize; never written here.
  Variant HostApp;
  // Outcome of the dialog, copied when it is destroyed: 0 nothing done, 1 job submitted,
  // 2 cancelled.
  std::int32_t ResultCode = 0;
  // Outcome data, copied when the dialog is destroyed (the job text after a submission).
  Variant ResultData;
  // Life-event sink; may be empty.
  TNotifyProc OnNotify;

 protected:
  TDLLBaseController() = default;
};

// The library's export: a new controller owned by the caller.
inline constexpr char kGetControllerName[] = "GetController";
using GetControllerProc = TDLLBaseController* (*)();

}  // namespace pxq::boundary
