// Qt input as the model's input: virtual keys, shift states, and key presses and typed text
// fed to the form's focused control.
#pragma once

#include <QString>

#include "platform/vcl/form.h"

class QKeyEvent;

namespace pxq::qt {

// The virtual key of a Qt key event (0 for keys the model has no code for).
vcl::Word VirtualKey(const QKeyEvent& event);
vcl::TShiftState ShiftOf(Qt::KeyboardModifiers modifiers);

// A key going down: the key-down message to the control that has the keyboard; when nobody
// used the key up, the characters it types (encoded by that control's font) follow as
// character messages.
void FeedKeyDown(vcl::TCustomForm& form, vcl::Word key, vcl::TShiftState shift,
                 const QString& text);
void FeedKeyUp(vcl::TCustomForm& form, vcl::Word key, vcl::TShiftState shift);
// Text committed by an input method: its characters, as typed.
void FeedText(vcl::TCustomForm& form, const QString& text);

}  // namespace pxq::qt
