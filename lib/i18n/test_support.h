// Test fixtures of the localisation tests: an installation folder with its registry key,
// client and server profile files and the sample language files, and the example form chain
// TfrmLangBase <- TfrmLangSample that those files translate.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "lib/i18n/language_controller.h"
#include "platform/vcl/form.h"
#include "platform/vcl/stdctrls.h"
#include "testing/testing.h"

namespace pxq::i18n::testing {

// A temporary installation used by both configurations: ClientPath and ServerPath name it, its
// profile files set the interface code page and its MultiLanguage folder holds the sample
// language files (data/lang).
class Installation {
 public:
  // `profileExtra` is appended to both profile files (e.g. "DBCodePage=950\n" in [CodePage]).
  explicit Installation(std::string_view uiCodePage, std::string_view profileExtra = "",
                        bool withLanguageFiles = true);
  std::string Folder() const;  // ending with "/"

 private:
  pxq::testing::TempDir dir_;
  pxq::testing::ScopedEnv registry_;
};

// Keeps the screen's fonts as they were (converting a form changes them for the process).
class ScopedScreenFonts {
 public:
  ScopedScreenFonts();
  ~ScopedScreenFonts();
  ScopedScreenFonts(const ScopedScreenFonts&) = delete;
  ScopedScreenFonts& operator=(const ScopedScreenFonts&) = delete;
  // The icon, hint and menu fonts.
  static std::array<vcl::TFont*, 3> Fonts();

 private:
  vcl::TFont saved_[3];
};

class TfrmLangBase : public vcl::TForm {
  PXQ_CLASS(TfrmLangBase)
 public:
  explicit TfrmLangBase(vcl::TComponent* owner);
  vcl::TLabel* lblTitle;
  vcl::TButton* btnOk;
  vcl::TComboBox* cboSort;
  vcl::TCheckBox* chkPrint;
  TNtLangController* LangController;
};

class TfrmLangSample : public TfrmLangBase {
  PXQ_CLASS(TfrmLangSample)
 public:
  explicit TfrmLangSample(vcl::TComponent* owner);
  vcl::TLabel* lblNote;
};

}  // namespace pxq::i18n::testing
