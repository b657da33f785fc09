// The controls of one kind that sit beside a control: the components its parent control owns
// and the parent's child controls (a form owns what is placed on its panels), else those of its
// owner. Attached labels and lookup buttons use it to refuse a second binding to one control.
#pragma once

#include <algorithm>
#include <vector>

#include "platform/vcl/control.h"

namespace pxq::vcl {

template <class T>
std::vector<T*> Neighbours(const TControl* self) {
  std::vector<T*> list;
  auto add = [&list](TComponent* c) {
    auto* t = dynamic_cast<T*>(c);
    if (t && std::find(list.begin(), list.end(), t) == list.end()) list.push_back(t);
  };
  if (TWinControl* parent = self->Parent()) {
    for (int i = 0; i < parent->ComponentCount(); ++i) add(parent->Components(i));
    for (int i = 0; i < parent->ControlCount(); ++i) add(parent->Controls(i));
  } else if (TComponent* owner = self->Owner()) {
    for (int i = 0; i < owner->ComponentCount(); ++i) add(owner->Components(i));
  }
  return list;
}

}  // namespace pxq::vcl
