#include "lib/i18n/language_controller.h"

#include <gtest/gtest.h>

#include <memory>

#include "lib/i18n/test_support.h"
#include "platform/os/codepage.h"
#include "platform/vcl/form_description.h"

namespace pxq::i18n {
namespace {

using testing::Installation;
using testing::TfrmLangSample;

// The class names of a form from the one below TForm down to its own class.
std::vector<std::string> ClassChain(const vcl::TComponent& form) {
  std::vector<std::string> chain;
  for (const vcl::TMetaClass* c = &form.ClassType(); c && c->Name() != "TForm"; c = c->Parent()) {
    chain.insert(chain.begin(), c->Name());
  }
  return chain;
}

std::string ErrorOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const LanguageControllerError& e) {
    return e.what();
  }
  return "(no error)";
}

TEST(TLanguageController, TranslatesAFormFromItsClassChainInEachLanguage) {
  struct Case {
    const char* uiCodePage;
    const char *form, *formHint, *title, *titleFont, *ok, *okHint, *item0, *item1, *note;
  } cases[] = {
      {"936", "采购计划表", "基础窗体", "标题", "宋体", "执行", "确定并关闭", "按料号", "按供应商",
       "注意：日期格式为年月日"},
      {"950", "採購計劃表", "基礎窗體", "標題", "新細明體", "執行", "確定並關閉", "按料號",
       "按供應商", "注意：日期格式為年月日"},
      {"437", "Purchase Plan", "Base form", "Title", "Tahoma", "Run", "Confirm and close",
       "By item", "By supplier", "Note: dates are year, month, day"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.uiCodePage);
    Installation installation(c.uiCodePage);
    std::unique_ptr<TfrmLangSample> form(vcl::CreateForm<TfrmLangSample>(nullptr));
    ASSERT_EQ(ClassChain(*form), (std::vector<std::string>{"TfrmLangBase", "TfrmLangSample"}));
    form->LangController->LoadClassChain(form.get(), ClassChain(*form));

    EXPECT_EQ(form->Caption(), os::Ansi(c.form));   // the derived class overrides the base
    EXPECT_EQ(form->Hint(), os::Ansi(c.formHint));  // only the base sets it
    EXPECT_EQ(form->lblTitle->Caption(), os::Ansi(c.title));
    EXPECT_EQ(form->lblTitle->Font()->Name(), os::Ansi(c.titleFont));
    EXPECT_EQ(form->btnOk->Caption(), os::Ansi(c.ok));
    EXPECT_EQ(form->btnOk->Hint(), os::Ansi(c.okHint));
    EXPECT_EQ(form->cboSort->Items()->ToVector(),
              (std::vector<std::string>{os::Ansi(c.item0), os::Ansi(c.item1)}));
    EXPECT_EQ(form->cboSort->ItemIndex(), 1);
    EXPECT_EQ(form->lblNote->Caption(), os::Ansi(c.note));
    EXPECT_EQ(form->LangController->FileName(), installation.Folder() + "MultiLanguage/" +
                                                    LanguageCode(c.uiCodePage) +
                                                    "/TfrmLangSample.Lng");
  }
}

TEST(TLanguageController, LanguageFolderFollowsTheDesignTypesConfiguration) {
  {
    // No language for code page 1252: the file name is the bare package name.
    Installation installation("1252");
    TNtLangController controller(nullptr);
    controller.SetLangPackageName("X");
    EXPECT_EQ(controller.FileName(), "X.Lng");
  }
  {
    // A language whose folder is missing counts as no folder.
    Installation installation("936", "", /*withLanguageFiles=*/false);
    EXPECT_EQ(LanguageFolder(dtClient), "");
    EXPECT_EQ(LanguageFileName(dtServer, "P"), "P.Lng");
  }
  {
    Installation installation("950");
    EXPECT_EQ(LanguageFolder(dtServer), installation.Folder() + "MultiLanguage/CHT/");
    TNtLangController controller(nullptr);
    controller.SetDesignType(dtServer);
    controller.SetLangPackageName("TfrmLangBase");
    EXPECT_EQ(controller.FileName(), installation.Folder() + "MultiLanguage/CHT/TfrmLangBase.Lng");
  }
}

TEST(TLanguageController, OpeningFailuresRaiseAndLeaveItClosed) {
  Installation installation("936");
  TNtLangController controller(nullptr);
  EXPECT_EQ(ErrorOf([&] { controller.SetActive(true); }), "Cannot Find File !");
  EXPECT_EQ(ErrorOf([&] { controller.Reader(); }), "No active LanguageController!");

  controller.SetFileName(installation.Folder() + "missing.Lng");
  EXPECT_NE(ErrorOf([&] { controller.SetActive(true); }), "(no error)");
  EXPECT_FALSE(controller.Active());

  // Malformed XML text, and files that are truncated, declare an unknown encoding or hold
  // bytes that are not GB2312.
  for (const char* bad : {"<a Caption='x'", "<a></b>", "not xml"}) {
    controller.XmlText()->SetText(bad);
    const std::string error = ErrorOf([&] { controller.SetActive(true); });
    EXPECT_NE(error, "(no error)") << bad;
    EXPECT_FALSE(error.empty()) << bad;
    EXPECT_FALSE(controller.Active()) << bad;
  }
  const std::string files[] = {
      "<?xml version='1.0' encoding='GB2312'?><a Caption='\xB0",
      "<?xml version='1.0' encoding='NoSuchCharset'?><a Caption='x'/>",
      "<?xml version='1.0' encoding='GB2312'?><a Caption='\xFF\xFF\x81'/>",
      "<?xml version='1.0' encoding='Big5'?><a Caption='\xA4\x30'/>",
  };
  for (const std::string& bytes : files) {
    pxq::testing::WriteFile(installation.Folder() + "bad.Lng", bytes);
    controller.SetFileName("");
    controller.SetFileName(installation.Folder() + "bad.Lng");
    const std::string error = ErrorOf([&] { controller.SetActive(true); });
    EXPECT_NE(error, "(no error)") << bytes;
    EXPECT_FALSE(controller.Active()) << bytes;
  }
}

TEST(TLanguageController, SourceChangesCloseTheControllerAndRaiseItsEvents) {
  Installation installation("936");
  TNtLangController controller(nullptr);
  std::vector<std::string> log;
  controller.BeforeOpen = [&](vcl::TObject*) { log.push_back("BeforeOpen"); };
  controller.AfterOpen = [&](vcl::TObject*) { log.push_back("AfterOpen"); };
  controller.BeforeClose = [&](vcl::TObject*) { log.push_back("BeforeClose"); };
  controller.AfterClose = [&](vcl::TObject*) { log.push_back("AfterClose"); };

  controller.SetLangPackageName("TfrmLangBase");
  vcl::SetOrdPropByName(&controller, "Active", 1);  // published, as descriptions set it
  EXPECT_TRUE(controller.Active());

  // XML text replaces the file and closes; a new file name clears the text and closes.
  controller.XmlText()->SetText("<Root Caption='x'/>");
  EXPECT_FALSE(controller.Active());
  EXPECT_EQ(controller.FileName(), "");
  controller.SetActive(true);
  EXPECT_TRUE(controller.Active());
  controller.SetLangPackageName("TfrmLangSample");
  EXPECT_FALSE(controller.Active());
  EXPECT_EQ(controller.XmlText()->Count(), 0);
  EXPECT_EQ(log,
            (std::vector<std::string>{"BeforeOpen", "AfterOpen", "BeforeClose", "AfterClose",
                                      "BeforeOpen", "AfterOpen", "BeforeClose", "AfterClose"}));
}

TEST(TLanguageController, ActiveReadFromADescriptionOpensWhenLoadingCompletes) {
  Installation installation("936");
  vcl::TComponent owner(nullptr);
  auto* controller = new TNtLangController(&owner);
  controller->SetLangPackageName("TfrmLangBase");
  controller->SetComponentState(vcl::csLoading, true);
  controller->SetComponentState(vcl::csReading, true);
  controller->SetActive(true);
  EXPECT_FALSE(controller->Active());
  controller->SetComponentState(vcl::csReading, false);
  controller->Loaded();
  EXPECT_TRUE(controller->Active());
}

TEST(TLanguageController, ExcludedComponentsAndLoadEvents) {
  Installation installation("936");
  std::unique_ptr<TfrmLangSample> form(vcl::CreateForm<TfrmLangSample>(nullptr));
  TNtLangController& controller = *form->LangController;
  std::vector<std::string> loaded;
  controller.BeforeLoadComponent = [&](vcl::TComponent* c, xml::Node node) {
    loaded.push_back(c->Name() + "<" + node.Name());
  };
  controller.AfterLoadComponent = [&](vcl::TComponent* c, xml::Node) {
    loaded.push_back(">" + c->Name());
  };
  controller.ExcludeControls()->SetText(" BTNOK \r\n");
  controller.SetLangPackageName("TfrmLangSample");
  controller.SetActive(true);
  // The open reader follows a later change of the list.
  controller.ExcludeControls()->Add("lblNote ");
  controller.Reader().ReadComponent(form.get());

  EXPECT_EQ(form->btnOk->Caption(), "");
  EXPECT_EQ(form->lblNote->Caption(), "");
  EXPECT_EQ(form->Caption(), os::Ansi("采购计划表"));
  EXPECT_EQ(loaded, (std::vector<std::string>{"frmLangBase<TfrmLangSample", ">frmLangBase"}));
}

TEST(TLanguageController, GetLangMessage) {
  Installation installation("950");
  struct Case {
    const char* package;
    const char* id;
    std::string expected;
  } cases[] = {
      {"TfrmLangBase", "sDeleteProj", os::Ansi("確實要刪除此方案嗎？")},
      {"TfrmLangSample", "sNoData", os::Ansi("沒有符合條件的資料")},
      {"TfrmLangBase", "sNoSuchText", "default"},
      {"TfrmLangBase", "btnOk", "default"},  // an element without "Msg"
      {"TfrmNoFile", "sDeleteProj", "default"},
      {"TfrmLangBase", "sDeleteProj/@Msg | //btnOk", "default"},  // not an element name
      {"TfrmLangBase", "", "default"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TLanguageController::GetLangMessage(dtClient, c.package, c.id, "default"), c.expected)
        << c.package << " " << c.id;
  }
}

}  // namespace
}  // namespace pxq::i18n
