#include "lib/controls/register.h"

#include "lib/controls/bit_check_box.h"
#include "lib/controls/kip_list_view.h"
#include "lib/controls/labelled_edits.h"
#include "lib/controls/radio_controls.h"
#include "lib/controls/select_panel.h"
#include "lib/controls/speed_buttons.h"

namespace pxq::vcl {

void RegisterControlClasses() {
  static const bool done = [] {
    RegisterClasses(
        {&TBitCheckBox::StaticClass(), &TKipCheckBox::StaticClass(), &TGSpeedButton::StaticClass(),
         &TF2Button::StaticClass(), &TKipMaskEdit::StaticClass(), &TKipListView::StaticClass(),
         &TSelectPanel::StaticClass(), &TNtEdit::StaticClass(), &TNtDBEdit::StaticClass(),
         &TNtBtnDBEdit::StaticClass(), &TDBLabel::StaticClass(), &TNtSpinEdit::StaticClass(),
         &TNtRadioButton::StaticClass(), &TNtGroupButton::StaticClass(),
         &TNtRadioGroup::StaticClass(), &TExtPageControl::StaticClass()});
    return true;
  }();
  (void)done;
}

}  // namespace pxq::vcl
