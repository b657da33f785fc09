// The application object: the message queue, handles, the list of forms, message boxes and
// modal loops (through a replaceable backend) and the observers that follow the model.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/vcl/font.h"
#include "platform/vcl/messages.h"
#include "platform/vcl/object.h"

namespace pxq::vcl {

class TComponent;
class TControl;
class TWinControl;
class TCustomForm;
class TPersistent;
class TFont;

enum TMsgDlgType : uint8_t { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
const TEnumInfo& EnumInfoOf(TMsgDlgType*);
enum TMsgDlgBtn : uint8_t {
  mbYes,
  mbNo,
  mbOK,
  mbCancel,
  mbAbort,
  mbRetry,
  mbIgnore,
  mbAll,
  mbNoToAll,
  mbYesToAll,
  mbHelp
};
using TMsgDlgButtons = TSet<TMsgDlgBtn>;
const TEnumInfo& EnumInfoOf(TMsgDlgBtn*);

// Modal results (also the answers of message boxes: IDOK = mrOk ...).
using TModalResult = int;
inline constexpr TModalResult mrNone = 0;
inline constexpr TModalResult mrOk = 1;
inline constexpr TModalResult mrCancel = 2;
inline constexpr TModalResult mrAbort = 3;
inline constexpr TModalResult mrRetry = 4;
inline constexpr TModalResult mrIgnore = 5;
inline constexpr TModalResult mrYes = 6;
inline constexpr TModalResult mrNo = 7;
inline constexpr TModalResult mrAll = 8;
inline constexpr TModalResult mrNoToAll = 9;
inline constexpr TModalResult mrYesToAll = 10;

// MessageBox flags (buttons and icon).
inline constexpr unsigned MB_OK = 0x0;
inline constexpr unsigned MB_OKCANCEL = 0x1;
inline constexpr unsigned MB_ABORTRETRYIGNORE = 0x2;
inline constexpr unsigned MB_YESNOCANCEL = 0x3;
inline constexpr unsigned MB_YESNO = 0x4;
inline constexpr unsigned MB_RETRYCANCEL = 0x5;
inline constexpr unsigned MB_ICONERROR = 0x10;
inline constexpr unsigned MB_ICONQUESTION = 0x20;
inline constexpr unsigned MB_ICONWARNING = 0x30;
inline constexpr unsigned MB_ICONINFORMATION = 0x40;

// A message box or message dialog to show.
struct TMessageBoxRequest {
  std::string Text;
  std::string Caption;
  TMsgDlgType Type = mtInformation;
  TMsgDlgButtons Buttons;
  TModalResult DefaultResult = mrOk;  // the answer of the default button
  // The font the box shows its text in (empty name: the view's default).
  std::string FontName;
  int FontCharset = 1;
  // Captions that replace the standard ones of some buttons (localised dialogs).
  std::map<TMsgDlgBtn, std::string> ButtonCaptions;
};

// What a view does for the model: show message boxes and run modal loops. The headless
// backend answers from a script; the Qt backend shows real windows.
class TApplicationBackend {
 public:
  virtual ~TApplicationBackend() = default;
  virtual TModalResult ShowMessageBox(const TMessageBoxRequest& request) = 0;
  // Runs the modal loop of `form` until form.ModalDone() reports the end.
  virtual void RunModal(TCustomForm& form) = 0;
  // Size of a text in a font, in pixels.
  virtual TSize TextExtent(const TFont& font, std::string_view text);
  // A message was queued: a view's event loop arranges for ProcessMessages to run soon.
  virtual void MessagePosted() {}
};

// The backend without a screen: every box shown is recorded and answered from the scripted
// answers (then by its default button); every modal session runs the next scripted session
// (a callback that acts as the user: types, clicks, sets ModalResult). A session that leaves
// the form open is ended as if the user closed the window (mrCancel).
class THeadlessBackend : public TApplicationBackend {
 public:
  struct ShownBox {
    TMessageBoxRequest Request;
    TModalResult Result = mrNone;
  };
  struct ModalSession {
    std::string FormName;
    std::string FormClass;
    TModalResult Result = mrNone;
  };
  using Script = std::function<void(TCustomForm&)>;

  void AnswerNext(TModalResult answer) { answers_.push_back(answer); }
  void OnNextModal(Script script) { scripts_.push_back(std::move(script)); }
  const std::vector<ShownBox>& Boxes() const { return boxes_; }
  const std::vector<ModalSession>& ModalSessions() const { return sessions_; }
  size_t PendingAnswers() const { return answers_.size(); }
  size_t PendingScripts() const { return scripts_.size(); }

  TModalResult ShowMessageBox(const TMessageBoxRequest& request) override;
  void RunModal(TCustomForm& form) override;

 private:
  std::deque<TModalResult> answers_;
  std::deque<Script> scripts_;
  std::vector<ShownBox> boxes_;
  std::vector<ModalSession> sessions_;
};

// Follows the model (a view mirrors it). Every call happens after the change.
class TModelObserver {
 public:
  virtual ~TModelObserver() = default;
  virtual void ComponentDestroying(TComponent& /*c*/) {}
  virtual void ParentChanged(TControl& /*c*/, TWinControl* /*oldParent*/) {}
  virtual void PropertyChanged(TPersistent& /*object*/, std::string_view /*property*/) {}
  virtual void FormShown(TCustomForm& /*form*/) {}
  virtual void FormHidden(TCustomForm& /*form*/) {}
  virtual void FocusChanged(TCustomForm& /*form*/, TWinControl* /*focused*/) {}
};

class TApplication {
 public:
  TApplication();
  ~TApplication();
  TApplication(const TApplication&) = delete;
  TApplication& operator=(const TApplication&) = delete;

  TApplicationBackend& Backend() { return *backend_; }
  // Replaces the backend and returns the previous one.
  std::unique_ptr<TApplicationBackend> SetBackend(std::unique_ptr<TApplicationBackend> backend);

  // Queues a message for the control with that handle; false when there is no such control.
  bool PostMessage(HWND handle, uint32_t msg, WPARAM wParam = 0, LPARAM lParam = 0);
  LRESULT SendMessage(HWND handle, uint32_t msg, WPARAM wParam = 0, LPARAM lParam = 0);
  // Handles the queued messages in order, including those queued meanwhile; a message whose
  // control is gone is dropped.
  void ProcessMessages();
  size_t PendingMessages() const { return queue_.size(); }
  // Drops every queued message.
  void ClearMessages() { queue_.clear(); }

  HWND AllocateHandle(TWinControl* control);
  void ReleaseHandle(HWND handle);
  TWinControl* FindControl(HWND handle) const;

  // Existing forms in creation order; the main form is the first form created.
  const std::vector<TCustomForm*>& Forms() const { return forms_; }
  TCustomForm* MainForm() const { return mainForm_; }
  void SetMainForm(TCustomForm* form) { mainForm_ = form; }
  TCustomForm* ActiveForm() const { return activeForm_; }
  void SetActiveForm(TCustomForm* form);
  void AddForm(TCustomForm* form);
  void RemoveForm(TCustomForm* form);

  TModalResult MessageBox(std::string_view text, std::string_view caption, unsigned flags);
  void Terminate() { terminated_ = true; }
  bool Terminated() const { return terminated_; }
  const std::string& Title() const { return title_; }
  void SetTitle(std::string title) { title_ = std::move(title); }
  // Whether hints are shown; switching it off and on makes hints take new fonts.
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool v);

  void AddObserver(TModelObserver* observer);
  void RemoveObserver(TModelObserver* observer);
  template <class F>
  void Notify(F&& f) {
    if (observers_.empty()) return;
    std::vector<TModelObserver*> copy = observers_;
    for (TModelObserver* o : copy) f(*o);
  }

 private:
  std::unique_ptr<TApplicationBackend> backend_;
  struct Posted {
    HWND target;
    TMessage msg;
  };
  std::deque<Posted> queue_;
  std::vector<std::pair<HWND, TWinControl*>> handles_;
  HWND nextHandle_ = 0x100;
  std::vector<TCustomForm*> forms_;
  TCustomForm* mainForm_ = nullptr;
  TCustomForm* activeForm_ = nullptr;
  std::vector<TModelObserver*> observers_;
  std::string title_;
  bool terminated_ = false;
  bool showHint_ = true;
};

// The screen: the fonts of hints, menus and icons, and the installed font names.
class TScreen {
 public:
  TScreen();
  ~TScreen();
  TFont* HintFont() const { return hintFont_.get(); }
  TFont* MenuFont() const { return menuFont_.get(); }
  TFont* IconFont() const { return iconFont_.get(); }
  // Installed font names (the headless screen lists a few common ones).
  TStrings* Fonts() const { return fonts_.get(); }
  TCustomForm* ActiveForm() const;
  TWinControl* ActiveControl() const;
  // The screen's size in pixels (the headless screen is 1024 x 768; a view sets the real one).
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetSize(int width, int height);

 private:
  std::unique_ptr<TFont> hintFont_;
  std::unique_ptr<TFont> menuFont_;
  std::unique_ptr<TFont> iconFont_;
  std::unique_ptr<TStrings> fonts_;
  int width_ = 1024;
  int height_ = 768;
};

TScreen& Screen();

// The application object of the process.
TApplication& Application();

// The standard message dialog: text, type and buttons; the answer is a modal result. Both
// build the dialog with CreateMessageDialog (dialogs.h).
TModalResult MessageDlg(std::string_view text, TMsgDlgType type, TMsgDlgButtons buttons,
                        int helpContext = 0);
void ShowMessage(std::string_view text);

// Posting and sending by handle.
bool PostMessage(HWND handle, uint32_t msg, WPARAM wParam = 0, LPARAM lParam = 0);
LRESULT SendMessage(HWND handle, uint32_t msg, WPARAM wParam = 0, LPARAM lParam = 0);

// Change notifications raised by the model.
void NotifyPropertyChanged(TPersistent& object, std::string_view property);
void NotifyComponentDestroying(TComponent& c);

}  // namespace pxq::vcl
