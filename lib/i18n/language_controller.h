// The language controller that every form carries: it opens a language file (or XML held as
// text), translates components from it through its reader, and serves message texts by
// identifier from the language files.
//
//   controller->SetLangPackageName("TfrmBaseGene");   // <folder>/TfrmBaseGene.Lng
//   if (LanguageFileExists(controller->FileName())) {
//     controller->SetActive(true);
//     controller->Reader().ReadComponent(form);
//   }
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "lib/i18n/lang_reader.h"
#include "lib/i18n/language_files.h"
#include "lib/xml/xml.h"
#include "platform/vcl/component.h"

namespace pxq::i18n {

class TLanguageController : public vcl::TComponent {
  PXQ_CLASS(TLanguageController)
 public:
  explicit TLanguageController(vcl::TComponent* owner);
  ~TLanguageController() override;

  // Opening parses the XML text, else the file, and creates the reader; LanguageControllerError
  // "Cannot Find File %s!" when there is neither, or the parser's reason when the document is
  // not well-formed XML. While the controller is read from a description the value is only
  // remembered and applied when loading completes.
  bool Active() const;
  void SetActive(bool active);

  // Base name of the language file; a change makes FileName the package's language file for
  // the current DesignType.
  const std::string& LangPackageName() const { return langPackageName_; }
  void SetLangPackageName(const std::string& name);
  TDesignType DesignType() const { return designType_; }
  void SetDesignType(TDesignType designType) { designType_ = designType; }

  // The file to open; a change clears the XML text and closes the controller.
  const std::string& FileName() const { return fileName_; }
  void SetFileName(const std::string& fileName);
  // XML held as text; when not empty it is used instead of the file (a change to a non-empty
  // text clears the file name and closes the controller).
  vcl::TStrings* XmlText() const { return xmlText_.get(); }

  // Component names never translated; an open reader follows every change.
  vcl::TStrings* ExcludeControls() const { return excludeControls_.get(); }
  void SetExcludeControls(const vcl::TStrings* names);

  // The reader of the open document; LanguageControllerError "No active LanguageController!"
  // while the controller is not active.
  TLangReader& Reader();

  // Opens the language file of each class name in turn (the most basic first) and translates
  // the component with every file that exists, so later classes override earlier ones.
  void LoadClassChain(vcl::TComponent* component, const std::vector<std::string>& classNames);

  // The "Msg" text of the message element `messageId` in the language file of `package`, or
  // `defaultText` when the file, the element or the attribute is missing.
  static std::string GetLangMessage(TDesignType designType, std::string_view package,
                                    std::string_view messageId, std::string_view defaultText);

  void Loaded() override;

  vcl::TNotifyEvent BeforeOpen;
  vcl::TNotifyEvent AfterOpen;
  vcl::TNotifyEvent BeforeClose;
  vcl::TNotifyEvent AfterClose;
  TLoadComponentEvent BeforeLoadComponent;
  TLoadComponentEvent AfterLoadComponent;

 private:
  void Open();
  void Close();
  void XmlTextChanged();
  std::vector<std::string> ExcludeList() const;

  std::string fileName_;
  std::string langPackageName_;
  TDesignType designType_ = dtClient;
  std::unique_ptr<vcl::TStringList> xmlText_;
  std::unique_ptr<vcl::TStringList> excludeControls_;
  std::unique_ptr<xml::Document> document_;
  std::unique_ptr<TLangReader> reader_;
  bool streamedActive_ = false;
};

// The controller placed on forms (the form's "LangController").
class TNtLangController : public TLanguageController {
  PXQ_CLASS(TNtLangController)
 public:
  using TLanguageController::TLanguageController;
};

}  // namespace pxq::i18n
