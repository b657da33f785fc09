// The lookup request: the message a lookup button (or F2) sends to the form that owns an edit,
// asking it to open the lookup window for that control.
#pragma once

#include "platform/vcl/control.h"
#include "platform/vcl/messages.h"

namespace pxq::vcl {

// wParam 0, lParam the control whose lookup window is wanted.
inline constexpr uint32_t WM_OPENLOOKUP = WM_USER + 10;

// The form that owns `control`: the first form up its chain of owners, else the form it is on.
TCustomForm* OwningForm(const TControl* control);

// Sends WM_OPENLOOKUP for `target` to its owning form, synchronously; false without a form.
bool SendOpenLookup(TControl* target);

}  // namespace pxq::vcl
