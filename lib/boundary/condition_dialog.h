// The side of a condition dialog that the report controller drives: the host's parameters go
// in, the dialog's window is shown, hidden and destroyed, and its outcome comes back. The
// generic condition dialog implements this interface; the controller knows nothing else of it.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "lib/boundary/base_controller.h"
#include "platform/variant/variant.h"

namespace pxq::boundary {

// The dialog's events that the controller chains into.
enum class DialogEvent { Show, Hide, Destroy };

// A dialog event handler; Sender is the dialog that raised the event.
using NotifyHandler = std::function<void(void* Sender)>;

class ConditionDialog {
 public:
  ConditionDialog(const ConditionDialog&) = delete;
  ConditionDialog& operator=(const ConditionDialog&) = delete;

  // --- Host parameters ---
  // Full path of the library file the dialog was created from.
  virtual void SetModulePath(const std::string& path) = 0;
  // The host's application object.
  virtual void SetHostApp(const Variant& hostApp) = 0;
  // Initialises the dialog from the host parameter array; false when it cannot (bad
  // parameters, initialised before, no server). Raises nothing.
  virtual bool InitFromHost(const Variant& params) = 0;
  // Restores or runs a condition set that the host supplied; the array's element 1 holds it.
  // May raise; the controller turns an error into a result code.
  virtual void ApplyExternalConditions(const Variant& conditions) = 0;

  // --- Outcome and identity; texts are bytes of the ANSI code page ---
  virtual std::int32_t ResultCode() const = 0;
  virtual Variant ResultData() const = 0;
  virtual std::string VersionText() const = 0;
  virtual std::string UserCode() const = 0;
  virtual std::string CompanyCode() const = 0;
  virtual std::string ProgramCode() const = 0;
  virtual std::string ProgramName() const = 0;

  // --- Window ---
  // Showing raises the show event, hiding the hide event. Either may process the dialog's
  // pending requests, and a pending close destroys the dialog.
  virtual bool Visible() const = 0;
  virtual void SetVisible(bool visible) = 0;
  virtual bool Minimized() const = 0;
  // Back from minimised to the normal window state.
  virtual void Restore() = 0;
  virtual void BringToForeground() = 0;
  // The window handle, created on first use.
  virtual WindowHandle Handle() = 0;
  // Shows the dialog modally and answers its modal result. Closing ends the modal loop and
  // destroys the dialog, so the caller must not touch the dialog after this returns.
  virtual int ShowModal() = 0;

  // --- Life ---
  virtual NotifyHandler EventHandler(DialogEvent event) const = 0;
  virtual void SetEventHandler(DialogEvent event, NotifyHandler handler) = 0;
  // True from the start of destruction.
  virtual bool Destroying() const = 0;
  // Destroys the dialog now: the destroy event is raised while the dialog is still whole, then
  // the dialog is freed. Closing the dialog in any other way ends the same way.
  virtual void Free() = 0;

 protected:
  ConditionDialog() = default;
  // Dialogs are freed only through Free.
  virtual ~ConditionDialog() = default;
};

}  // namespace pxq::boundary
