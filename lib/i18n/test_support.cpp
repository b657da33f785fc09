#include "lib/i18n/test_support.h"

#include <filesystem>

#include "platform/os/codepage.h"

namespace pxq::i18n::testing {

Installation::Installation(std::string_view uiCodePage, std::string_view profileExtra,
                           bool withLanguageFiles)
    : registry_("PXQ_REGISTRY_ROOT", (dir_.path() / "registry").string()) {
  pxq::testing::WriteRegistryKey(
      dir_.path() / "registry", "Software\\NTQ\\Corvane",
      "ClientPath=" + Folder() + "\nServerPath=" + Folder() + "\nProfileType=0\n");
  const std::string profile = "[CodePage]\nUICodePage=" + std::string(uiCodePage) + "\n" +
                              std::string(profileExtra) +
                              "\n[Server Information]\nComputerName=127.0.0.1\n";
  pxq::testing::WriteFile(dir_ / "CorvaneC.ini", profile);
  pxq::testing::WriteFile(dir_ / "CorvaneS.ini", profile);
  if (withLanguageFiles) {
    std::filesystem::copy(PXQ_DATA_DIR "/lang", dir_ / "MultiLanguage",
                          std::filesystem::copy_options::recursive);
  }
}

std::string Installation::Folder() const { return dir_.path().string() + "/"; }

ScopedScreenFonts::ScopedScreenFonts() {
  for (size_t i = 0; i < 3; ++i) saved_[i].Assign(*Fonts()[i]);
}

ScopedScreenFonts::~ScopedScreenFonts() {
  for (size_t i = 0; i < 3; ++i) Fonts()[i]->Assign(saved_[i]);
}

std::array<vcl::TFont*, 3> ScopedScreenFonts::Fonts() {
  return {vcl::Screen().IconFont(), vcl::Screen().HintFont(), vcl::Screen().MenuFont()};
}

PXQ_REGISTER_CLASS(TfrmLangBase, vcl::TForm)
PXQ_REGISTER_CLASS(TfrmLangSample, TfrmLangBase)
void TfrmLangBase::DefineClass(vcl::TClassBuilder<TfrmLangBase>&) {}
void TfrmLangSample::DefineClass(vcl::TClassBuilder<TfrmLangSample>&) {}

TfrmLangBase::TfrmLangBase(vcl::TComponent* owner) : vcl::TForm(owner) {
  SetName("frmLangBase");
  SetCaption("NTForm");
  lblTitle = new vcl::TLabel(this);
  lblTitle->SetName("lblTitle");
  lblTitle->SetParent(this);
  btnOk = new vcl::TButton(this);
  btnOk->SetName("btnOk");
  btnOk->SetParent(this);
  cboSort = new vcl::TComboBox(this);
  cboSort->SetName("cboSort");
  cboSort->SetParent(this);
  cboSort->SetStyle(vcl::csDropDownList);
  cboSort->Items()->Add("Item");
  cboSort->Items()->Add("Supplier");
  cboSort->SetItemIndex(1);
  chkPrint = new vcl::TCheckBox(this);
  chkPrint->SetName("chkPrint");
  chkPrint->SetParent(this);
  LangController = new TNtLangController(this);
  LangController->SetName("LangController");
}

TfrmLangSample::TfrmLangSample(vcl::TComponent* owner) : TfrmLangBase(owner) {
  lblNote = new vcl::TLabel(this);
  lblNote->SetName("lblNote");
  lblNote->SetParent(this);
}

}  // namespace pxq::i18n::testing
