// The example form of the demo: a condition form with selection panels, date ranges, a bit
// check box, a sort choice and a page of print options.
#pragma once

#include "lib/controls/bit_check_box.h"
#include "lib/controls/select_panel.h"
#include "platform/vcl/form.h"
#include "platform/vcl/pagecontrol.h"
#include "platform/vcl/stdctrls.h"

namespace pxq::demo {

class TfrmDemo : public vcl::TForm {
 public:
  explicit TfrmDemo(vcl::TComponent* owner);

  vcl::TSelectPanel* sp01;
  vcl::TSelectPanel* sp02;
  vcl::TMaskEdit* me03Begin;
  vcl::TMaskEdit* me03Final;
  vcl::TComboBox* cbo04;
  vcl::TBitCheckBox* chk05;
  vcl::TButton* btnOK;
  vcl::TButton* btnCancel;
};

}  // namespace pxq::demo
