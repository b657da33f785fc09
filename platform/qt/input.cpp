#include "platform/qt/input.h"

#include <QKeyEvent>

#include "platform/qt/text.h"
#include "platform/vcl/input.h"

namespace pxq::qt {

namespace {

// Sends a message to the control with that handle, if it still exists.
vcl::LRESULT SendTo(vcl::HWND target, uint32_t msg, vcl::WPARAM wParam, vcl::LPARAM lParam) {
  vcl::TWinControl* c = vcl::FindControl(target);
  return c ? c->Perform(msg, wParam, lParam) : 0;
}

// The characters of `text` as character messages to `target`, encoded by its font.
void SendChars(vcl::HWND target, const QString& text, vcl::LPARAM keyData) {
  vcl::TWinControl* c = vcl::FindControl(target);
  if (!c) return;
  for (char ch : Encode(*c->Font(), text)) {
    SendTo(target, vcl::WM_CHAR, static_cast<unsigned char>(ch), keyData);
  }
}

// Typed text without the control characters that are not keys of their own.
QString TypedText(const QString& text) {
  QString typed;
  for (QChar ch : text) {
    const char16_t u = ch.unicode();
    if (u >= 0x20 ? u != 0x7F : (u == '\b' || u == '\r' || u == '\t' || u == 0x1B)) typed += ch;
  }
  return typed;
}

}  // namespace

vcl::Word VirtualKey(const QKeyEvent& event) {
  const int key = event.key();
  if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9)) {
    return static_cast<vcl::Word>(key);
  }
  if (key >= Qt::Key_F1 && key <= Qt::Key_F12) {
    return static_cast<vcl::Word>(vcl::VK_F1 + (key - Qt::Key_F1));
  }
  switch (key) {
    case Qt::Key_Backspace:
      return vcl::VK_BACK;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return vcl::VK_TAB;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return vcl::VK_RETURN;
    case Qt::Key_Shift:
      return vcl::VK_SHIFT;
    case Qt::Key_Control:
      return vcl::VK_CONTROL;
    case Qt::Key_Alt:
      return vcl::VK_MENU;
    case Qt::Key_Escape:
      return vcl::VK_ESCAPE;
    case Qt::Key_Space:
      return vcl::VK_SPACE;
    case Qt::Key_PageUp:
      return vcl::VK_PRIOR;
    case Qt::Key_PageDown:
      return vcl::VK_NEXT;
    case Qt::Key_End:
      return vcl::VK_END;
    case Qt::Key_Home:
      return vcl::VK_HOME;
    case Qt::Key_Left:
      return vcl::VK_LEFT;
    case Qt::Key_Up:
      return vcl::VK_UP;
    case Qt::Key_Right:
      return vcl::VK_RIGHT;
    case Qt::Key_Down:
      return vcl::VK_DOWN;
    case Qt::Key_Insert:
      return vcl::VK_INSERT;
    case Qt::Key_Delete:
      return vcl::VK_DELETE;
    default:
      return 0;
  }
}

vcl::TShiftState ShiftOf(Qt::KeyboardModifiers modifiers) {
  vcl::TShiftState shift;
  if (modifiers & Qt::ShiftModifier) shift += vcl::ssShift;
  if (modifiers & Qt::ControlModifier) shift += vcl::ssCtrl;
  if (modifiers & Qt::AltModifier) shift += vcl::ssAlt;
  return shift;
}

void FeedKeyDown(vcl::TCustomForm& form, vcl::Word key, vcl::TShiftState shift,
                 const QString& text) {
  const vcl::HWND target = vcl::KeyboardTarget(form)->Handle();
  const vcl::LPARAM keyData = vcl::ShiftStateToKeyData(shift);
  const bool consumed = key != 0 && SendTo(target, vcl::WM_KEYDOWN, key, keyData) != 0;
  if (consumed || shift.Contains(vcl::ssCtrl) || shift.Contains(vcl::ssAlt)) return;
  SendChars(target, TypedText(text), keyData);
}

void FeedKeyUp(vcl::TCustomForm& form, vcl::Word key, vcl::TShiftState shift) {
  if (key == 0) return;
  SendTo(vcl::KeyboardTarget(form)->Handle(), vcl::WM_KEYUP, key, vcl::ShiftStateToKeyData(shift));
}

void FeedText(vcl::TCustomForm& form, const QString& text) {
  SendChars(vcl::KeyboardTarget(form)->Handle(), TypedText(text), 0);
}

}  // namespace pxq::qt
