// Message dialogs. CreateMessageDialog builds the dialog as a form, so that its caption, font
// and texts can be changed before it is shown; showing it modally asks the application's
// backend, which shows (or, headless, answers) the box.
#pragma once

#include <string_view>

#include "platform/vcl/form.h"
#include "platform/vcl/stdctrls.h"

namespace pxq::vcl {

// The dialog: the label "Message" with the text and a button per choice, named after it
// ("Yes", "No", "OK", "Cancel", "Abort", "Retry", "Ignore", "All", "NoToAll", "YesToAll",
// "Help").
class TMessageForm : public TForm {
  PXQ_CLASS(TMessageForm)
 public:
  TMessageForm(TComponent* owner, std::string_view text, TMsgDlgType type, TMsgDlgButtons buttons);

  TMsgDlgType DlgType() const { return type_; }
  TMsgDlgButtons Buttons() const { return buttons_; }
  TLabel* Message() const { return message_; }
  // Shows the box through the backend with the current caption, text and font.
  TModalResult ShowModal() override;

 private:
  TMsgDlgType type_;
  TMsgDlgButtons buttons_;
  TLabel* message_;
};

// A new message dialog (the caller frees it); its caption is the type's ("Warning", "Error",
// "Information", "Confirm") or, for mtCustom, the application's title.
TMessageForm* CreateMessageDialog(std::string_view text, TMsgDlgType type, TMsgDlgButtons buttons);

}  // namespace pxq::vcl
