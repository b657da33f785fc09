// The classes of the library that descriptions can create by name.
#include "platform/vcl/buttons.h"
#include "platform/vcl/extctrls.h"
#include "platform/vcl/form.h"
#include "platform/vcl/grids.h"
#include "platform/vcl/listview.h"
#include "platform/vcl/menus.h"
#include "platform/vcl/pagecontrol.h"
#include "platform/vcl/spin.h"
#include "platform/vcl/stdctrls.h"
#include "platform/vcl/toolbar.h"

namespace pxq::vcl {

void RegisterStandardClasses() {
  static const bool done = [] {
    RegisterClasses({&TForm::StaticClass(),        &TLabel::StaticClass(),
                     &TEdit::StaticClass(),        &TMaskEdit::StaticClass(),
                     &TMemo::StaticClass(),        &TButton::StaticClass(),
                     &TCheckBox::StaticClass(),    &TRadioButton::StaticClass(),
                     &TComboBox::StaticClass(),    &TGroupBox::StaticClass(),
                     &TMenuItem::StaticClass(),    &TPopupMenu::StaticClass(),
                     &TMainMenu::StaticClass(),    &TStringList::StaticClass(),
                     &TBitBtn::StaticClass(),      &TSpeedButton::StaticClass(),
                     &TPanel::StaticClass(),       &TBevel::StaticClass(),
                     &TSplitter::StaticClass(),    &TImage::StaticClass(),
                     &TAnimate::StaticClass(),     &TCustomImageList::StaticClass(),
                     &TPageControl::StaticClass(), &TTabSheet::StaticClass(),
                     &TListView::StaticClass(),    &TToolBar::StaticClass(),
                     &TToolButton::StaticClass(),  &TSpinEdit::StaticClass(),
                     &TStringGrid::StaticClass()});
    return true;
  }();
  (void)done;
}

}  // namespace pxq::vcl
