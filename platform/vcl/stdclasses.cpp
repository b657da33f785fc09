// The classes of the library that descriptions can create by name.
#include "platform/vcl/form.h"
#include "platform/vcl/menus.h"
#include "platform/vcl/stdctrls.h"

namespace pxq::vcl {

void RegisterStandardClasses() {
  static const bool done = [] {
    RegisterClasses({&TForm::StaticClass(), &TLabel::StaticClass(), &TEdit::StaticClass(),
                     &TMaskEdit::StaticClass(), &TMemo::StaticClass(), &TButton::StaticClass(),
                     &TCheckBox::StaticClass(), &TRadioButton::StaticClass(),
                     &TComboBox::StaticClass(), &TGroupBox::StaticClass(),
                     &TMenuItem::StaticClass(), &TPopupMenu::StaticClass(),
                     &TMainMenu::StaticClass(), &TStringList::StaticClass()});
    return true;
  }();
  (void)done;
}

}  // namespace pxq::vcl
