// The message catalogue of the condition dialog: lookup, formatting, accumulation and display.
#include <exception>

#include "lib/boundary/host_calls.h"
#include "lib/dialog/base_gene.h"
#include "lib/dialog/message_text.h"
#include "lib/util/strings.h"
#include "platform/vcl/font.h"

namespace pxq::dialog {

using namespace vcl;

std::string TfrmBaseGene::GetMessageText(std::string_view kind, std::string_view number) {
  std::string text;
  try {
    text = boundary::host::GetMessage(HostApp, Variant(std::string(kind)),
                                      Variant(std::string(number)))
               .ToAnsi();
  } catch (const std::exception&) {
    text = *FormatMessage("Can not Get Message\rType= %s, ID= %s ",
                          {std::string(kind), std::string(number)});
  }
  return NtConverter->ConvertFromDatabase(Variant(text)).ToAnsi();
}

TModalResult TfrmBaseGene::ShowMessageId(std::string_view kind, std::string_view number,
                                         const std::vector<std::string>& arguments,
                                         TMsgDlgButtons buttons) {
  const std::string text = FormatWithFallback(GetMessageText(kind, number), arguments);
  const MessagePresentation how = PresentationOf(kind);
  return ShowDialog(text, how.type, buttons.Empty() ? how.buttons : buttons);
}

void TfrmBaseGene::RaiseMessage(std::string_view identifier) {
  if (identifier.empty()) {
    messageIds_.clear();
    messageTexts_.clear();
    return;
  }
  messageIds_ += std::string(identifier) + "; ";
  const MessageId id = ParseMessageId(identifier);
  const std::string text =
      FormatWithFallback(GetMessageText(id.kind, id.lookupNumber),
                         std::vector<std::string>(id.arguments.begin(), id.arguments.end()));
  if (messageTexts_.find(text) == std::string::npos) messageTexts_ += text + "; ";
  if (id.shown) ShowDialog(text, PresentationOf(id.kind).type, {mbOK});
}

void TfrmBaseGene::RecordError(std::string_view errorText) {
  if (errorText.empty()) {
    messageIds_.clear();
    messageTexts_.clear();
    return;
  }
  messageIds_ += "E;-1; ";
  if (messageTexts_.find(errorText) == std::string::npos)
    messageTexts_ += std::string(errorText) + "; ";
}

TModalResult TfrmBaseGene::ShowDialog(std::string_view text, TMsgDlgType type,
                                      TMsgDlgButtons buttons) {
  if (PageChanging && type != mtError) return mrNone;
  TMessageBoxRequest request;
  request.Text = std::string(text);
  request.Caption = Caption();
  request.Type = type;
  request.Buttons = buttons;
  TFont font;
  i18n::TCodeConverter::ApplyFont(UIConvertMode(), &font);
  request.FontName = font.Name();
  request.FontCharset = font.Charset();
  // Outside English interfaces the buttons speak the interface's language.
  if (UICodePage() != "437") {
    const TEnumInfo& names = EnumInfoOf(static_cast<TMsgDlgBtn*>(nullptr));
    for (size_t b = 0; b < names.Values.size(); ++b) {
      const auto button = static_cast<TMsgDlgBtn>(b);
      if (!buttons.Contains(button)) continue;
      const std::string caption = util::ButtonCaption(names.Values[b].substr(2));  // "mbOK" -> "OK"
      request.ButtonCaptions[button] = NtConverter->ConvertForDisplay(Variant(caption)).ToAnsi();
    }
  }
  const TModalResult result = Application().Backend().ShowMessageBox(request);
  // No control may stay pressed by the click that led to the message.
  if (TWinControl* active = ActiveControl()) PostMessage(active->Handle(), WM_LBUTTONUP);
  if (type == mtError && LastFocused && LastFocused != this && LastFocused->CanFocus())
    LastFocused->SetFocus();
  return result;
}

}  // namespace pxq::dialog
