#include "lib/controls/lookup.h"

#include "platform/vcl/form.h"

namespace pxq::vcl {

TCustomForm* OwningForm(const TControl* control) {
  if (!control) return nullptr;
  for (TComponent* c = control->Owner(); c; c = c->Owner()) {
    if (auto* form = dynamic_cast<TCustomForm*>(c)) return form;
  }
  return GetParentForm(control);
}

bool SendOpenLookup(TControl* target) {
  TCustomForm* form = OwningForm(target);
  if (!form) return false;
  form->Perform(WM_OPENLOOKUP, 0, reinterpret_cast<LPARAM>(target));
  return true;
}

}  // namespace pxq::vcl
