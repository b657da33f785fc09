// User input fed into the model: what a view does when the user presses keys, types or
// clicks, and what a scripted session does in place of a user.
#pragma once

#include <string_view>

#include "platform/vcl/form.h"

namespace pxq::vcl {

// The control of `form` that takes keyboard input: the focused control, else the form.
TWinControl* KeyboardTarget(TCustomForm& form);

// A key press: key down (the form first with KeyPreview; Tab, Enter and Esc offered to the
// form when the control does not want them), the character it types, key up.
void PressKey(TCustomForm& form, Word key, TShiftState shift = {});
// Types the characters of `text` (bytes of the ANSI code page) into the focused control.
void TypeText(TCustomForm& form, std::string_view text);
// A left-button click in the middle of the control.
void ClickControl(TControl* control);

}  // namespace pxq::vcl
