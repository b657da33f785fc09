// TNTForm: the base of every form of the library. It gives each form the same font and input
// settings, makes disabled images for its buttons' glyphs, translates the form from the
// language files of its class chain when it is first shown, converts its texts between code
// pages once, and offers its descendants the code pages, a message box and localised texts.
//
// Descendants name their localised texts by (class name, identifier, default text):
//
//   std::string text = GetLangMessage("TfrmBaseGene", "sDeleteProj", true,
//                                     os::Ansi("确实要删除此方案吗？"));
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "lib/i18n/code_converter.h"
#include "lib/i18n/language_controller.h"
#include "platform/vcl/form.h"

namespace pxq::dialog {

class TNTForm : public vcl::TForm {
  PXQ_CLASS(TNTForm)
 public:
  // Creates NtConverter (which reads the client configuration and may load the translator; its
  // errors make the creation fail) and LangController.
  explicit TNTForm(vcl::TComponent* owner);

  i18n::TCodeConverter* NtConverter = nullptr;
  i18n::TNtLangController* LangController = nullptr;

  // The form's texts have been passed through the converter.
  bool Converted() const { return converted_; }
  // Translate the form when it is shown (on by default).
  bool LoadLanguageOnShow() const { return loadLanguageOnShow_; }
  void SetLoadLanguageOnShow(bool v) { loadLanguageOnShow_ = v; }

  // Converts the form's texts and fonts for the interface, the first time only.
  void ConvertOnce();
  vcl::TModalResult ShowMessageBox(std::string_view text, vcl::TMsgDlgType type,
                                   vcl::TMsgDlgButtons buttons);

  const std::string& SystemCodePage() const { return NtConverter->SystemCodePage(); }
  const std::string& UICodePage() const { return NtConverter->UICodePage(); }
  uint8_t UIConvertMode() const { return NtConverter->UIConvertMode(); }
  uint8_t DBConvertMode() const { return NtConverter->DBConvertMode(); }

  // The text of message `identifier` in the language file of `className`, else `defaultText`
  // (first converted for display when `convertDefault` is set).
  std::string GetLangMessage(std::string_view className, std::string_view identifier,
                             bool convertDefault, std::string_view defaultText) const;

  // Translates `component` from the language files of its class and, with `withAncestors`, of
  // each ancestor below the platform's form class, the most basic first, so files of more
  // derived classes override. LanguageControllerError for a language file that is not
  // well-formed.
  virtual void LoadLanguage(vcl::TComponent* component, bool withAncestors);
  // The same, leaving out TNTForm's own language file.
  virtual void LoadOwnLanguage(vcl::TComponent* component, bool withAncestors);

 protected:
  // Clears input-method names, sets the English font when the interface code page is "437"
  // and adds disabled images to the buttons, for every component of the form; then OnCreate.
  void DoCreate() override;
  // Translates the form (when LoadLanguageOnShow), then OnShow.
  void DoShow() override;
  void SetConverted(bool v) { converted_ = v; }

 private:
  static std::vector<std::string> LanguageChain(const vcl::TComponent* component,
                                                bool withAncestors, bool withBase);
  void PrepareComponent(vcl::TComponent* component);

  bool converted_ = false;
  bool loadLanguageOnShow_ = true;
};

}  // namespace pxq::dialog
