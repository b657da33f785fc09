#include "platform/vcl/dialogs.h"

#include <memory>

namespace pxq::vcl {

namespace {
constexpr const char* kButtonNames[] = {"Yes",    "No",  "OK",      "Cancel",   "Abort", "Retry",
                                        "Ignore", "All", "NoToAll", "YesToAll", "Help"};
constexpr const char* kButtonCaptions[] = {"&Yes",       "&No",         "OK",      "Cancel",
                                           "&Abort",     "&Retry",      "&Ignore", "&All",
                                           "N&o to All", "Yes to &All", "&Help"};
constexpr TModalResult kButtonResults[] = {mrYes,    mrNo,  mrOk,      mrCancel,   mrAbort, mrRetry,
                                           mrIgnore, mrAll, mrNoToAll, mrYesToAll, mrNone};
constexpr const char* kCaptions[] = {"Warning", "Error", "Information", "Confirm", ""};
}  // namespace

PXQ_REGISTER_CLASS(TMessageForm, TForm)
void TMessageForm::DefineClass(TClassBuilder<TMessageForm>&) {}

TMessageForm::TMessageForm(TComponent* owner, std::string_view text, TMsgDlgType type,
                           TMsgDlgButtons buttons)
    : TForm(owner), type_(type), buttons_(buttons), message_(new TLabel(this)) {
  SetBorderStyle(bsDialog);
  SetPosition(poScreenCenter);
  SetCaption(type == mtCustom ? Application().Title() : kCaptions[type]);
  message_->SetName("Message");
  message_->SetParent(this);
  message_->SetCaption(std::string(text));
  int left = 8;
  for (int b = mbYes; b <= mbHelp; ++b) {
    if (!buttons.Contains(static_cast<TMsgDlgBtn>(b))) continue;
    auto* button = new TButton(this);
    button->SetName(kButtonNames[b]);
    button->SetParent(this);
    button->SetCaption(kButtonCaptions[b]);
    button->SetModalResult(kButtonResults[b]);
    button->SetLeft(left);
    left += button->Width() + 8;
  }
}

TModalResult TMessageForm::ShowModal() {
  TMessageBoxRequest r;
  r.Text = message_->Caption();
  r.Caption = Caption();
  r.Type = type_;
  r.Buttons = buttons_;
  r.FontName = Font()->Name();
  r.FontCharset = Font()->Charset();
  SetModalResult(Application().Backend().ShowMessageBox(r));
  return ModalResult();
}

TMessageForm* CreateMessageDialog(std::string_view text, TMsgDlgType type, TMsgDlgButtons buttons) {
  return CreateForm<TMessageForm>(nullptr, text, type, buttons);
}

TModalResult MessageDlg(std::string_view text, TMsgDlgType type, TMsgDlgButtons buttons, int) {
  std::unique_ptr<TMessageForm> dialog(CreateMessageDialog(text, type, buttons));
  return dialog->ShowModal();
}

void ShowMessage(std::string_view text) { MessageDlg(text, mtCustom, {mbOK}); }

}  // namespace pxq::vcl
