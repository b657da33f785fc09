#include "platform/vcl/input.h"

namespace pxq::vcl {

namespace {

// The character a key types without Ctrl and Alt, or 0.
char KeyChar(Word key, TShiftState shift) {
  const bool upper = shift.Contains(ssShift);
  if (key >= 'A' && key <= 'Z') return static_cast<char>(upper ? key : key - 'A' + 'a');
  if (key >= '0' && key <= '9' && !upper) return static_cast<char>(key);
  switch (key) {
    case VK_SPACE:
      return ' ';
    case VK_RETURN:
      return '\r';
    case VK_BACK:
      return '\b';
    case VK_ESCAPE:
      return '\x1b';
    case VK_TAB:
      return '\t';
    default:
      return 0;
  }
}

// Sends a message to the control with that handle, if it still exists.
LRESULT SendTo(HWND target, uint32_t msg, WPARAM wParam, LPARAM lParam) {
  TWinControl* c = FindControl(target);
  return c ? c->Perform(msg, wParam, lParam) : 0;
}

}  // namespace

TWinControl* KeyboardTarget(TCustomForm& form) {
  TWinControl* c = form.FocusedControl();
  if (!c || !form.Visible()) c = form.ActiveControl();
  return c ? c : &form;
}

void PressKey(TCustomForm& form, Word key, TShiftState shift) {
  const HWND formHandle = form.Handle();
  const HWND target = KeyboardTarget(form)->Handle();
  const LPARAM keyData = ShiftStateToKeyData(shift);
  const bool consumed = SendTo(target, WM_KEYDOWN, key, keyData) != 0;
  if (!consumed && !shift.Contains(ssCtrl) && !shift.Contains(ssAlt)) {
    if (char ch = KeyChar(key, shift)) {
      SendTo(target, WM_CHAR, static_cast<unsigned char>(ch), keyData);
    }
  }
  // The key is released over whatever has the focus now.
  if (auto* f = dynamic_cast<TCustomForm*>(FindControl(formHandle))) {
    SendTo(KeyboardTarget(*f)->Handle(), WM_KEYUP, key, keyData);
  }
}

void TypeText(TCustomForm& form, std::string_view text) {
  const HWND formHandle = form.Handle();
  for (char ch : text) {
    auto* f = dynamic_cast<TCustomForm*>(FindControl(formHandle));
    if (!f) return;
    SendTo(KeyboardTarget(*f)->Handle(), WM_CHAR, static_cast<unsigned char>(ch), 0);
  }
}

void ClickControl(TControl* control) {
  if (control) SimulateClick(control, control->Width() / 2, control->Height() / 2);
}

}  // namespace pxq::vcl
