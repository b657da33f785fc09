#include "lib/dialog/nt_form.h"

#include <gtest/gtest.h>

#include <memory>

#include "lib/dialog/test_support.h"
#include "platform/os/codepage.h"
#include "platform/vcl/buttons.h"
#include "platform/vcl/stdctrls.h"

namespace pxq::dialog {
namespace {

using namespace vcl;
using testing::Installation;

// An edit of a control pack that publishes the name of its input method.
class TImeEdit : public TEdit {
  PXQ_CLASS(TImeEdit)
 public:
  using TEdit::TEdit;
  const std::string& ImeName() const { return imeName_; }
  void SetImeName(const std::string& v) { imeName_ = v; }

 private:
  std::string imeName_ = "Chinese (Simplified) - Pinyin";
};
PXQ_REGISTER_CLASS(TImeEdit, TEdit)
void TImeEdit::DefineClass(TClassBuilder<TImeEdit>& c) {
  c.Str("ImeName", &TImeEdit::ImeName, &TImeEdit::SetImeName);
}

// A form chain like a report dialog's: TNTForm <- TfrmChainBase <- TfrmChainReport.
class TfrmChainBase : public TNTForm {
  PXQ_CLASS(TfrmChainBase)
 public:
  explicit TfrmChainBase(TComponent* owner) : TNTForm(owner) {
    lblA = new TLabel(this);
    lblA->SetName("lblA");
    lblA->SetParent(this);
    edIme = new TImeEdit(this);
    edIme->SetName("edIme");
    edIme->SetParent(this);
    btnPick = new TSpeedButton(this);
    btnPick->SetName("btnPick");
    btnPick->SetParent(this);
    TBitmap glyph(4, 4);
    glyph.Fill(clFuchsia);
    glyph.SetPixel(1, 1, clBlack);
    btnPick->SetGlyph(glyph);
  }
  TLabel* lblA;
  TImeEdit* edIme;
  TSpeedButton* btnPick;
};
PXQ_REGISTER_CLASS(TfrmChainBase, TNTForm)
void TfrmChainBase::DefineClass(TClassBuilder<TfrmChainBase>&) {}

class TfrmChainReport : public TfrmChainBase {
  PXQ_CLASS(TfrmChainReport)
 public:
  using TfrmChainBase::TfrmChainBase;
};
PXQ_REGISTER_CLASS(TfrmChainReport, TfrmChainBase)
void TfrmChainReport::DefineClass(TClassBuilder<TfrmChainReport>&) {}

TEST(TNTForm, SettingsAndCreationWalk) {
  Installation installation("936");
  std::unique_ptr<TfrmChainReport> form(CreateForm<TfrmChainReport>(nullptr));
  EXPECT_EQ(form->Caption(), "NTForm");
  EXPECT_EQ(form->Width(), 400);
  EXPECT_EQ(form->Height(), 191);
  EXPECT_EQ(form->Position(), poScreenCenter);
  EXPECT_TRUE(form->KeyPreview());
  EXPECT_FALSE(form->Scaled());
  EXPECT_EQ(form->Font()->Name(), os::Ansi("宋体"));
  EXPECT_EQ(form->Font()->Height(), -13);
  EXPECT_EQ(form->NtConverter->Name(), "NtConverter");
  EXPECT_EQ(form->NtConverter->DesignType(), i18n::dtClient);
  EXPECT_FALSE(form->LangController->Active());
  EXPECT_FALSE(form->Converted());
  EXPECT_TRUE(form->LoadLanguageOnShow());

  EXPECT_EQ(form->edIme->ImeName(), "");
  EXPECT_EQ(form->btnPick->NumGlyphs(), 2);
  EXPECT_EQ(form->btnPick->Glyph().Width(), 8);
  // Fonts stay as they are unless the interface is English.
  EXPECT_EQ(form->lblA->Font()->Name(), form->Font()->Name());
}

TEST(TNTForm, EnglishInterfaceGivesEveryFontTahomaWithTheGb2312Charset) {
  Installation installation("437");
  std::unique_ptr<TfrmChainReport> form(CreateForm<TfrmChainReport>(nullptr));
  EXPECT_EQ(form->UICodePage(), "437");
  for (TControl* c : {static_cast<TControl*>(form->lblA), static_cast<TControl*>(form->edIme),
                      static_cast<TControl*>(form->btnPick)}) {
    SCOPED_TRACE(c->Name());
    EXPECT_EQ(c->Font()->Name(), "Tahoma");
    EXPECT_EQ(c->Font()->Charset(), GB2312_CHARSET);
  }
}

class TNTFormLanguage : public ::testing::Test {
 protected:
  TNTFormLanguage() {
    installation.WriteLanguageFile("CHS", "TNTForm",
                                   R"(<Root Hint="nt"><lblA Hint="from TNTForm"/></Root>)");
    installation.WriteLanguageFile(
        "CHS", "TfrmChainBase",
        R"(<Root><lblA Caption="base" Hint="base hint"/><sDeleteProj Msg="Delete?"/>)"
        R"(<sNoText/></Root>)");
    installation.WriteLanguageFile("CHS", "TfrmChainReport",
                                   R"(<Root Caption="Report"><lblA Caption="report"/></Root>)");
  }
  Installation installation{"936"};
  vcl::testing::HeadlessApp app;
};

TEST_F(TNTFormLanguage, ClassChainIsAppliedMostBasicFirst) {
  std::unique_ptr<TfrmChainReport> form(CreateForm<TfrmChainReport>(nullptr));
  form->LoadLanguage(form.get(), true);
  EXPECT_EQ(form->Caption(), "Report");
  EXPECT_EQ(form->Hint(), "nt");
  EXPECT_EQ(form->lblA->Caption(), "report");  // the derived class's file comes last
  EXPECT_EQ(form->lblA->Hint(), "base hint");  // ... and overrides the base class's

  std::unique_ptr<TfrmChainReport> own(CreateForm<TfrmChainReport>(nullptr));
  own->LoadOwnLanguage(own.get(), true);
  EXPECT_EQ(own->lblA->Caption(), "report");
  EXPECT_EQ(own->Hint(), "");  // TNTForm's file is left out
  EXPECT_EQ(own->lblA->Hint(), "base hint");

  std::unique_ptr<TfrmChainReport> single(CreateForm<TfrmChainReport>(nullptr));
  single->LoadLanguage(single.get(), false);
  EXPECT_EQ(single->lblA->Caption(), "report");
  EXPECT_EQ(single->lblA->Hint(), "");
}

TEST_F(TNTFormLanguage, ShowingTranslatesOnceAskedAndSurvivesABrokenFile) {
  std::unique_ptr<TfrmChainReport> form(CreateForm<TfrmChainReport>(nullptr));
  form->Show();
  EXPECT_EQ(form->lblA->Caption(), "report");

  std::unique_ptr<TfrmChainReport> off(CreateForm<TfrmChainReport>(nullptr));
  off->SetLoadLanguageOnShow(false);
  off->Show();
  EXPECT_EQ(off->lblA->Caption(), "");

  installation.WriteLanguageFile("CHS", "TfrmChainReport", "<Root><lblA Caption=");
  std::unique_ptr<TfrmChainReport> broken(CreateForm<TfrmChainReport>(nullptr));
  EXPECT_NO_THROW(broken->Show());
  EXPECT_TRUE(broken->Visible());
  EXPECT_EQ(broken->lblA->Caption(), "base");  // the files before the broken one still apply
}

TEST_F(TNTFormLanguage, LocalisedTextsByClassAndIdentifier) {
  std::unique_ptr<TfrmChainReport> form(CreateForm<TfrmChainReport>(nullptr));
  EXPECT_EQ(form->GetLangMessage("TfrmChainBase", "sDeleteProj", true, "default"), "Delete?");
  EXPECT_EQ(form->GetLangMessage("TfrmChainBase", "sNoText", true, "default"), "default");
  EXPECT_EQ(form->GetLangMessage("TfrmChainBase", "sMissing", false, "default"), "default");
  EXPECT_EQ(form->GetLangMessage("TfrmMissing", "sDeleteProj", true, "default"), "default");
}

TEST_F(TNTFormLanguage, MessageBoxAndConversionGoThroughTheConverter) {
  std::unique_ptr<TfrmChainReport> form(CreateForm<TfrmChainReport>(nullptr));
  form->SetCaption("Caption");
  app->AnswerNext(mrCancel);
  EXPECT_EQ(form->ShowMessageBox("text", mtWarning, {mbOK, mbCancel}), mrCancel);
  ASSERT_EQ(app->Boxes().size(), 1u);
  EXPECT_EQ(app->Boxes()[0].Request.Caption, "Caption");
  EXPECT_EQ(app->Boxes()[0].Request.Text, "text      ");
  EXPECT_EQ(form->ShowMessageBox("", mtWarning, {mbOK}), mrNone);
  EXPECT_EQ(app->Boxes().size(), 1u);

  form->ConvertOnce();
  EXPECT_TRUE(form->Converted());
  EXPECT_EQ(form->SystemCodePage(), "936");
  EXPECT_EQ(form->UIConvertMode(), 0);
  EXPECT_EQ(form->DBConvertMode(), 0);
}

}  // namespace
}  // namespace pxq::dialog
