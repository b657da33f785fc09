#include "platform/vcl/application.h"

#include <algorithm>
#include <cstdlib>

#include "platform/vcl/component.h"
#include "platform/vcl/control.h"
#include "platform/vcl/form.h"

namespace pxq::vcl {

const TEnumInfo& EnumInfoOf(TMsgDlgType*) {
  static const TEnumInfo info{
      "TMsgDlgType", {"mtWarning", "mtError", "mtInformation", "mtConfirmation", "mtCustom"}};
  return info;
}
const TEnumInfo& EnumInfoOf(TMsgDlgBtn*) {
  static const TEnumInfo info{"TMsgDlgBtn",
                              {"mbYes", "mbNo", "mbOK", "mbCancel", "mbAbort", "mbRetry",
                               "mbIgnore", "mbAll", "mbNoToAll", "mbYesToAll", "mbHelp"}};
  return info;
}

TSize TApplicationBackend::TextExtent(const TFont& font, std::string_view text) {
  // Without a screen: a byte is half a character cell (double-byte characters are two bytes
  // and one full cell), a cell as wide as the font is high.
  const int height = std::max(1, std::abs(font.Height()));
  const int byteWidth = (height + 1) / 2;
  return {static_cast<int>(std::min<size_t>(text.size(), 100000)) * byteWidth, height};
}

// --- Headless backend ----------------------------------------------------------------------

namespace {
TModalResult DefaultAnswer(const TMessageBoxRequest& r) {
  if (r.Buttons.Contains(mbOK)) return mrOk;
  if (r.Buttons.Contains(mbYes)) return mrYes;
  if (r.Buttons.Contains(mbRetry)) return mrRetry;
  return r.DefaultResult;
}
}  // namespace

TModalResult THeadlessBackend::ShowMessageBox(const TMessageBoxRequest& request) {
  TModalResult result = DefaultAnswer(request);
  if (!answers_.empty()) {
    result = answers_.front();
    answers_.pop_front();
  }
  boxes_.push_back({request, result});
  return result;
}

void THeadlessBackend::RunModal(TCustomForm& form) {
  const HWND handle = form.Handle();
  auto alive = [&] { return Application().FindControl(handle) == &form; };
  const size_t index = sessions_.size();
  sessions_.push_back({form.Name(), form.ClassName(), mrNone});
  Application().ProcessMessages();
  bool done = alive() && form.ModalDone();
  if (!done && alive() && !scripts_.empty()) {
    Script script = std::move(scripts_.front());
    scripts_.pop_front();
    script(form);
    Application().ProcessMessages();
    done = alive() && form.ModalDone();
  }
  if (!done && alive()) {
    // Nobody ended the session: the user closed the window.
    form.SetModalResult(mrCancel);
    if (!form.ModalDone()) form.SetModalResult(mrCancel);
  }
  if (alive()) sessions_[index].Result = form.ModalResult();
}

// --- TApplication --------------------------------------------------------------------------

TApplication::TApplication() : backend_(std::make_unique<THeadlessBackend>()) {}
TApplication::~TApplication() = default;

TApplication& Application() {
  static TApplication app;
  return app;
}

std::unique_ptr<TApplicationBackend> TApplication::SetBackend(
    std::unique_ptr<TApplicationBackend> backend) {
  if (!backend) backend = std::make_unique<THeadlessBackend>();
  std::swap(backend, backend_);
  return backend;
}

bool TApplication::PostMessage(HWND handle, uint32_t msg, WPARAM wParam, LPARAM lParam) {
  if (!FindControl(handle)) return false;
  queue_.push_back({handle, TMessage{msg, wParam, lParam, 0}});
  backend_->MessagePosted();
  return true;
}

LRESULT TApplication::SendMessage(HWND handle, uint32_t msg, WPARAM wParam, LPARAM lParam) {
  TWinControl* c = FindControl(handle);
  return c ? c->Perform(msg, wParam, lParam) : 0;
}

void TApplication::ProcessMessages() {
  while (!queue_.empty()) {
    Posted p = queue_.front();
    queue_.pop_front();
    if (TWinControl* c = FindControl(p.target)) c->WndProc(p.msg);
  }
}

HWND TApplication::AllocateHandle(TWinControl* control) {
  const HWND h = nextHandle_++;
  handles_.emplace_back(h, control);
  return h;
}

void TApplication::ReleaseHandle(HWND handle) {
  std::erase_if(handles_, [&](const auto& e) { return e.first == handle; });
}

TWinControl* TApplication::FindControl(HWND handle) const {
  if (handle == 0) return nullptr;
  // Handles are allocated in increasing order, so the table is sorted.
  auto it = std::lower_bound(handles_.begin(), handles_.end(), handle,
                             [](const auto& e, HWND h) { return e.first < h; });
  return it != handles_.end() && it->first == handle ? it->second : nullptr;
}

void TApplication::AddForm(TCustomForm* form) {
  forms_.push_back(form);
  if (!mainForm_) mainForm_ = form;
}

void TApplication::RemoveForm(TCustomForm* form) {
  std::erase(forms_, form);
  if (mainForm_ == form) mainForm_ = nullptr;
  if (activeForm_ == form) activeForm_ = nullptr;
}

void TApplication::SetActiveForm(TCustomForm* form) { activeForm_ = form; }

TModalResult TApplication::MessageBox(std::string_view text, std::string_view caption,
                                      unsigned flags) {
  TMessageBoxRequest r;
  r.Text = std::string(text);
  r.Caption = std::string(caption);
  switch (flags & 0xF0) {
    case MB_ICONERROR:
      r.Type = mtError;
      break;
    case MB_ICONQUESTION:
      r.Type = mtConfirmation;
      break;
    case MB_ICONWARNING:
      r.Type = mtWarning;
      break;
    case MB_ICONINFORMATION:
      r.Type = mtInformation;
      break;
    default:
      r.Type = mtCustom;
  }
  switch (flags & 0x0F) {
    case MB_OKCANCEL:
      r.Buttons = {mbOK, mbCancel};
      break;
    case MB_ABORTRETRYIGNORE:
      r.Buttons = {mbAbort, mbRetry, mbIgnore};
      break;
    case MB_YESNOCANCEL:
      r.Buttons = {mbYes, mbNo, mbCancel};
      break;
    case MB_YESNO:
      r.Buttons = {mbYes, mbNo};
      break;
    case MB_RETRYCANCEL:
      r.Buttons = {mbRetry, mbCancel};
      break;
    default:
      r.Buttons = {mbOK};
  }
  return backend_->ShowMessageBox(r);
}

void TApplication::SetShowHint(bool v) {
  if (v == showHint_) return;
  showHint_ = v;
}

TScreen::TScreen()
    : hintFont_(std::make_unique<TFont>()),
      menuFont_(std::make_unique<TFont>()),
      iconFont_(std::make_unique<TFont>()),
      fonts_(std::make_unique<TStringList>()) {
  for (const char* name : {"Arial", "MS Sans Serif", "SimSun", "Tahoma"}) fonts_->Add(name);
}

TScreen::~TScreen() = default;

void TScreen::SetSize(int width, int height) {
  width_ = std::clamp(width, 1, 100000);
  height_ = std::clamp(height, 1, 100000);
}

TCustomForm* TScreen::ActiveForm() const { return Application().ActiveForm(); }

TWinControl* TScreen::ActiveControl() const {
  TCustomForm* form = ActiveForm();
  return form ? form->ActiveControl() : nullptr;
}

TScreen& Screen() {
  static TScreen screen;
  return screen;
}

void TApplication::AddObserver(TModelObserver* observer) {
  if (observer && std::find(observers_.begin(), observers_.end(), observer) == observers_.end())
    observers_.push_back(observer);
}

void TApplication::RemoveObserver(TModelObserver* observer) { std::erase(observers_, observer); }

bool PostMessage(HWND handle, uint32_t msg, WPARAM wParam, LPARAM lParam) {
  return Application().PostMessage(handle, msg, wParam, lParam);
}

LRESULT SendMessage(HWND handle, uint32_t msg, WPARAM wParam, LPARAM lParam) {
  return Application().SendMessage(handle, msg, wParam, lParam);
}

void NotifyPropertyChanged(TPersistent& object, std::string_view property) {
  Application().Notify([&](TModelObserver& o) { o.PropertyChanged(object, property); });
}

void NotifyComponentDestroying(TComponent& c) {
  Application().Notify([&](TModelObserver& o) { o.ComponentDestroying(c); });
}

}  // namespace pxq::vcl
