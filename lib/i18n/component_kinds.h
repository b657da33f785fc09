// Kinds of components recognised by class name, so that classes of control packs without a
// counterpart here (the data-aware combo box, the tab set, the data navigator) are handled as
// soon as a class of that name exists.
#pragma once

#include "platform/vcl/object.h"

namespace pxq::i18n {

inline bool IsFormOrDataModule(const vcl::TObject* c) {
  return c->InheritsFrom("TCustomForm") || c->InheritsFrom("TDataModule");
}
inline bool IsDataAwareComboBox(const vcl::TObject* c) {
  return c->InheritsFrom("TwwDBCustomComboBox");
}
inline bool IsComboBox(const vcl::TObject* c) {
  return IsDataAwareComboBox(c) || c->InheritsFrom("TCustomComboBox") ||
         c->InheritsFrom("TComboBox");
}

}  // namespace pxq::i18n
