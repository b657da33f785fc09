// Test helpers: a form that records the lookup requests it receives.
#pragma once

#include <vector>

#include "lib/controls/lookup.h"
#include "platform/vcl/form.h"

namespace pxq::vcl::testing {

class TLookupForm : public TForm {
 public:
  using TForm::TForm;
  std::vector<TControl*> Lookups;  // lParam of every WM_OPENLOOKUP, in order

  void WndProc(TMessage& msg) override {
    if (msg.Msg == WM_OPENLOOKUP) {
      Lookups.push_back(reinterpret_cast<TControl*>(msg.LParam));
      return;
    }
    TForm::WndProc(msg);
  }
};

}  // namespace pxq::vcl::testing
