// A condition dialog for the protocol tests of the controller, built into a test copy of the
// library in place of the report dialog. Where the controller can see it, it acts as the
// generic dialog does: it initialises once from the host parameters, asks to be closed when the
// array has no element 4, frees itself whenever it is closed, and has its own show, hide and
// destroy handlers before the controller chains in. It tells the test host what it receives
// and does by calling Trace(step[, value]) on the host application object, and asks the host's
// member UserAction what the user does in a modal loop ("submit" or "cancel"). A condition set
// that is a text is a command: "submit", "cancel", "raise" or "minimize".
#include <array>
#include <stdexcept>
#include <string>

#include "lib/boundary/class_registry.h"
#include "platform/automation/automation.h"
#include "platform/os/codepage.h"

namespace pxq::boundary {
namespace {

class TfrmTestDialog final : public ConditionDialog {
 public:
  TfrmTestDialog() {
    OwnHandler(DialogEvent::Show, "dialog.OnShow");
    OwnHandler(DialogEvent::Hide, "dialog.OnHide");
    OwnHandler(DialogEvent::Destroy, "dialog.OnDestroy");
  }

  void SetModulePath(const std::string& path) override { modulePath_ = path; }
  void SetHostApp(const Variant& hostApp) override { hostApp_ = hostApp; }

  bool InitFromHost(const Variant& params) override {
    if (!companyCode_.empty()) return false;
    try {
      const VarArray& p = params.Array();
      std::string user = p[0].ToAnsi(), company = p[1].ToAnsi(), dataSource = p[2].ToAnsi();
      hostWindow_ = p.High() >= 3 ? p[3].ToInt() : 0;
      if (p.High() >= 4) {
        hostExtra_ = p[4];
      } else {
        closeRequested_ = true;
      }
      Hide();
      userCode_ = user;
      companyCode_ = company;
      dataSourceCode_ = dataSource;
      Trace("dialog.InitFromHost", Variant(modulePath_));
      return true;
    } catch (const std::exception& e) {
      Trace("dialog.InitFromHost failed", Variant(std::string(e.what())));
      return false;
    }
  }

  void ApplyExternalConditions(const Variant& conditions) override {
    Trace("dialog.ApplyExternalConditions", conditions);
    const Variant& command = conditions.Array()[1];
    if (!command.IsText()) return;
    const std::string text = command.ToAnsi();
    if (text == "raise") throw std::runtime_error("conditions refused");
    if (text == "minimize") minimized_ = true;
    if (text == "submit" || text == "cancel") {
      Finish(text);
      Close();
    }
  }

  std::int32_t ResultCode() const override { return resultCode_; }
  Variant ResultData() const override { return resultData_; }
  std::string VersionText() const override { return "870401-0.00.00"; }
  std::string UserCode() const override { return userCode_; }
  std::string CompanyCode() const override { return companyCode_; }
  std::string ProgramCode() const override { return "PXQR07"; }
  std::string ProgramName() const override { return os::Ansi("采购计划表"); }

  bool Visible() const override { return visible_; }
  void SetVisible(bool visible) override {
    Trace(visible ? "dialog.Show" : "dialog.Hide");
    if (!visible) return Hide();
    Show();
    if (closeRequested_) Close();  // the pending close request is processed
  }
  bool Minimized() const override { return minimized_; }
  void Restore() override {
    Trace("dialog.Restore");
    minimized_ = false;
  }
  void BringToForeground() override { Trace("dialog.BringToForeground"); }
  WindowHandle Handle() override {
    if (!handle_) {
      Trace("dialog.HandleCreated");
      handle_ = 0x4242;
    }
    return handle_;
  }
  int ShowModal() override {
    Trace("dialog.ShowModal");
    Show();
    int modalResult = kModalCancel;
    if (!closeRequested_) {
      std::string action = "cancel";
      try {
        action = Call(hostApp_, "UserAction").ToAnsi();
      } catch (const std::exception&) {
      }
      Finish(action);
      if (action == "submit") modalResult = 1;
    }
    Close();  // frees the dialog: nothing of it may be touched below
    return modalResult;
  }

  NotifyHandler EventHandler(DialogEvent event) const override {
    return handlers_[static_cast<size_t>(event)];
  }
  void SetEventHandler(DialogEvent event, NotifyHandler handler) override {
    handlers_[static_cast<size_t>(event)] = std::move(handler);
  }
  bool Destroying() const override { return destroying_; }
  void Free() override {
    if (destroying_) return;
    destroying_ = true;
    Raise(DialogEvent::Destroy);
    delete this;
  }

 private:
  void* Self() { return static_cast<ConditionDialog*>(this); }

  void Trace(const std::string& step, const Variant& value = Variant()) {
    if (!hostApp_.IsObject()) return;
    try {
      Call(hostApp_, "Trace", {Variant(step), value});
    } catch (const std::exception&) {
    }
  }

  void OwnHandler(DialogEvent event, std::string step) {
    SetEventHandler(event, [this, step](void* sender) {
      Trace(sender == Self() ? step : step + " from a stranger");
    });
  }

  void Raise(DialogEvent event) {
    NotifyHandler handler = EventHandler(event);
    if (handler) handler(Self());
  }

  void Show() {
    if (visible_) return;
    visible_ = true;
    Raise(DialogEvent::Show);
  }
  void Hide() {
    if (!visible_) return;
    visible_ = false;
    Raise(DialogEvent::Hide);
  }

  void Finish(const std::string& action) {
    resultCode_ = action == "submit" ? 1 : 2;
    if (action == "submit") resultData_ = Variant(u"JOB-0001");
  }

  // Closing in any way hides the dialog and frees it.
  void Close() {
    Hide();
    Free();
  }

  std::string modulePath_, userCode_, companyCode_, dataSourceCode_;
  Variant hostApp_, hostExtra_, resultData_;
  int64_t hostWindow_ = 0;
  std::int32_t resultCode_ = 0;
  bool visible_ = false, minimized_ = false, closeRequested_ = false, destroying_ = false;
  WindowHandle handle_ = 0;
  std::array<NotifyHandler, 3> handlers_;
};

ConditionDialog* NewTestDialog() { return new TfrmTestDialog(); }

// The test library's start-up code: the controller creates this dialog class.
[[maybe_unused]] const bool kRegistered = (frmBaseGeneClass = &NewTestDialog, true);

}  // namespace
}  // namespace pxq::boundary
