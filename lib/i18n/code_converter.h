// The code-page converter that every form carries: converts a whole form once before it is
// first shown, converts values on their way to and from the display and the database, and shows
// message dialogs. Texts are GB2312 (code page 936) in the system; an interface or a database in
// Big5 (code page 950) gets them converted by the translator library.
//
// Direction codes: 1 Big5 -> GB2312, 2 GB2312 -> Big5, anything else no change. A conversion
// mode is used directly as a direction code; the reverse of a mode swaps 1 and 2.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "lib/i18n/language_files.h"
#include "lib/i18n/translator.h"
#include "platform/variant/variant.h"
#include "platform/vcl/application.h"
#include "platform/vcl/component.h"

namespace pxq::vcl {
class TCustomForm;
class TFont;
class TListView;
}  // namespace pxq::vcl

namespace pxq::i18n {

inline constexpr int kBig5ToGb = 1;
inline constexpr int kGbToBig5 = 2;

class TCodeConverter : public vcl::TComponent {
  PXQ_CLASS(TCodeConverter)
 public:
  // Reads the code pages and modes of the client configuration; when the interface needs
  // conversion, loads the translator (its TranslatorError makes the creation fail).
  explicit TCodeConverter(vcl::TComponent* owner);
  // The same with the translator library named (tests point it elsewhere).
  TCodeConverter(vcl::TComponent* owner, std::string_view translatorLibrary);
  ~TCodeConverter() override;

  const std::string& SystemCodePage() const { return systemCodePage_; }
  const std::string& UICodePage() const { return uiCodePage_; }
  const std::string& DBCodePage() const { return dbCodePage_; }
  uint8_t UIConvertMode() const { return uiConvertMode_; }
  uint8_t DBConvertMode() const { return dbConvertMode_; }
  // Published and stored; the converter always reads the client configuration.
  TDesignType DesignType() const { return designType_; }
  void SetDesignType(TDesignType designType) { designType_ = designType; }
  bool HasTranslator() const { return translator_ != nullptr; }

  // A value converted in direction `code`: a text (any single value is taken as text) is
  // converted; arrays element by element, arrays inside arrays too; empty and null values, and
  // everything when there is no translator or the code is no direction, stay as they are.
  // Converted values are narrow texts.
  Variant ConvertText(int code, const Variant& value) const;
  Variant ConvertForDisplay(const Variant& value) const;
  // The reverse of the interface mode; a failed conversion gives the value unchanged.
  Variant ConvertFromDisplay(const Variant& value) const;
  Variant ConvertFromDatabase(const Variant& value) const;
  // The reverse of the database mode; a failed conversion gives the value unchanged.
  Variant ConvertToDatabase(const Variant& value) const;
  // A narrow text converted in direction `code`.
  std::string Convert(int code, std::string_view text) const;
  std::string Big5ToGb(std::string_view text) const;
  std::string GbToBig5(std::string_view text) const;

  // Modes 0, 1 and 4: "SimSun" with the GB2312 character set; 2 and 3: "SimSun" with Big5;
  // other modes leave the font alone.
  static void ApplyFont(int mode, vcl::TFont* font);
  static int ReverseMode(int mode);

  // Converts the form's texts and fonts for the interface (once per form; the form remembers).
  void ConvertForm(vcl::TCustomForm* form) const;

  // Shows the platform's message dialog captioned like the owning form; 0 for an empty text.
  vcl::TModalResult ShowMessageDialog(std::string_view text, vcl::TMsgDlgType type,
                                      vcl::TMsgDlgButtons buttons) const;

 private:
  void ConvertComponent(vcl::TComponent* component) const;
  void ConvertByKind(vcl::TComponent* component) const;
  void ConvertStrings(vcl::TComponent* component, std::string_view name, int code) const;
  void ConvertStrProp(vcl::TObject* object, std::string_view name, int code) const;
  void ConvertListView(vcl::TListView* list, int code) const;

  std::string systemCodePage_ = "936";
  std::string uiCodePage_ = "936";
  std::string dbCodePage_ = "936";
  uint8_t uiConvertMode_ = 0;
  uint8_t dbConvertMode_ = 0;
  TDesignType designType_ = dtClient;
  std::unique_ptr<TTranslator> translator_;
};

}  // namespace pxq::i18n
