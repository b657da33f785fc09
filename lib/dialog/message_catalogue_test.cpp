#include <gtest/gtest.h>

#include <memory>

#include "lib/dialog/base_gene.h"
#include "lib/dialog/test_support.h"
#include "platform/os/codepage.h"

namespace pxq::dialog {
namespace {

using namespace vcl;
using testing::Environment;
using testing::NewDialog;

class MessageCatalogue : public ::testing::Test {
 protected:
  Environment env;
  std::unique_ptr<testing::TfrmPxqr07> form = NewDialog(env.host);
  const std::vector<THeadlessBackend::ShownBox>& Boxes() { return env.app->Boxes(); }
};

TEST_F(MessageCatalogue, RaisedMessagesAreRecordedAndShownByKind) {
  form->SetCaption("PXQR07");
  form->RaiseMessage("E;000038");
  EXPECT_EQ(form->MessageIds(), "E;000038; ");
  EXPECT_EQ(form->MessageTexts(), "E000038 ; ");
  ASSERT_EQ(Boxes().size(), 1u);
  EXPECT_EQ(Boxes()[0].Request.Type, mtError);
  EXPECT_EQ(Boxes()[0].Request.Buttons, TMsgDlgButtons{mbOK});
  EXPECT_EQ(Boxes()[0].Request.Caption, "PXQR07");
  EXPECT_EQ(Boxes()[0].Request.Text, "E000038 ");
  EXPECT_EQ(Boxes()[0].Request.FontName, "SimSun");  // the converter's display font
  EXPECT_EQ(Boxes()[0].Request.FontCharset, GB2312_CHARSET);
  EXPECT_EQ(env.host.app->LastArgs("GetMessage"), (Args{Variant("E"), Variant("000038")}));

  // Accumulated messages always offer OK alone, whatever the kind.
  form->RaiseMessage("D;000002");
  EXPECT_EQ(Boxes().back().Request.Type, mtWarning);
  EXPECT_EQ(Boxes().back().Request.Buttons, TMsgDlgButtons{mbOK});

  // Silent: recorded with its text, looked up without the sign, not shown.
  form->RaiseMessage("I;-000004;2024050100012");
  EXPECT_EQ(Boxes().size(), 2u);
  EXPECT_EQ(env.host.app->LastArgs("GetMessage")[1], Variant("000004"));
  EXPECT_EQ(form->MessageIds(), "E;000038; D;000002; I;-000004;2024050100012; ");
  EXPECT_EQ(form->MessageTexts(), "E000038 ; D000002 ; I000004 2024050100012; ");

  // The same message twice: two identifiers, one text.
  form->RaiseMessage("E;000038");
  EXPECT_EQ(form->MessageIds(), "E;000038; D;000002; I;-000004;2024050100012; E;000038; ");
  EXPECT_EQ(form->MessageTexts(), "E000038 ; D000002 ; I000004 2024050100012; ");

  form->RaiseMessage("");
  EXPECT_EQ(form->MessageIds(), "");
  EXPECT_EQ(form->MessageTexts(), "");
}

TEST_F(MessageCatalogue, RecordedErrors) {
  form->RecordError("disk full");
  form->RecordError("disk full");
  EXPECT_EQ(form->MessageIds(), "E;-1; E;-1; ");
  EXPECT_EQ(form->MessageTexts(), "disk full; ");
  EXPECT_TRUE(Boxes().empty());
  form->RecordError("");
  EXPECT_EQ(form->MessageIds(), "");
  EXPECT_EQ(form->MessageTexts(), "");
}

TEST_F(MessageCatalogue, CatalogueFailuresFallBackToFixedTexts) {
  const std::string noMessage = "Can not Get Message\rType= W, ID= 000014 ";
  struct Case {
    const char* what;
    std::function<void()> arrange;
    const char* text;
  } cases[] = {
      {"host raises", [&] { env.host.app->Throws("GetMessage", "catalogue closed"); }, nullptr},
      {"array answer",
       [&] {
         env.host.app->Returns("GetMessage", Variant(VarArray::Of({"a", "b"})));
       },
       nullptr},
      {"bad placeholder", [&] { env.host.app->Returns("GetMessage", Variant(u"%d of %s")); },
       "%d of %s\r;;;;;;;;;;"},
      {"no host", [&] { form->SetHostApp(Variant()); }, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    c.arrange();
    form->RaiseMessage("");
    EXPECT_NO_THROW(form->RaiseMessage("W;000014"));
    EXPECT_EQ(form->MessageTexts(), std::string(c.text ? c.text : noMessage.c_str()) + "; ");
  }
}

TEST_F(MessageCatalogue, ShowMessageIdOffersTheButtonsOfItsKind) {
  env.host.app->Returns("GetMessage", Variant(u"Save %s of %s?"));
  env.app->AnswerNext(mrNo);
  EXPECT_EQ(form->ShowMessageId("D", "000100", {"s1", "796"}), mrNo);
  EXPECT_EQ(Boxes().back().Request.Text, "Save s1 of 796?");
  EXPECT_EQ(Boxes().back().Request.Buttons, (TMsgDlgButtons{mbYes, mbNo, mbCancel}));
  form->ShowMessageId("Q", "000101", {"a", "b"}, {mbYes, mbNo});
  EXPECT_EQ(Boxes().back().Request.Type, mtConfirmation);
  EXPECT_EQ(Boxes().back().Request.Buttons, (TMsgDlgButtons{mbYes, mbNo}));
  EXPECT_TRUE(form->MessageIds().empty());  // shown, not accumulated
  // The buttons carry the interface's captions.
  const auto& captions = Boxes().back().Request.ButtonCaptions;
  ASSERT_EQ(captions.size(), 2u);
  EXPECT_EQ(captions.at(mbYes), os::Ansi("是(&Y)"));
  EXPECT_EQ(captions.at(mbNo), os::Ansi("否(&N)"));
}

TEST(MessageCatalogueEnglish, ButtonsKeepTheirStandardCaptions) {
  Environment env("437");
  auto form = NewDialog(env.host);
  env.app->AnswerNext(mrYes);
  form->ShowMessageId("Q", "000101", {}, {mbYes, mbNo});
  ASSERT_FALSE(env.app->Boxes().empty());
  EXPECT_TRUE(env.app->Boxes().back().Request.ButtonCaptions.empty());
}

TEST_F(MessageCatalogue, DuringAPageChangeOnlyErrorsAreShown) {
  form->PageChanging = true;
  form->RaiseMessage("W;000014");
  EXPECT_TRUE(Boxes().empty());
  EXPECT_EQ(form->ShowDialog("w", mtWarning, {mbOK}), mrNone);
  form->RaiseMessage("E;000005");
  EXPECT_EQ(Boxes().size(), 1u);
  EXPECT_EQ(form->MessageIds(), "W;000014; E;000005; ");
}

TEST_F(MessageCatalogue, AfterAnErrorTheFocusReturnsToTheLastFocusedControl) {
  form->Show();
  form->btnCancel->SetFocus();
  form->LastFocused = form->edCode;
  Application().ClearMessages();
  form->RaiseMessage("I;000005");
  EXPECT_EQ(form->ActiveControl(), form->btnCancel);  // not after information
  EXPECT_EQ(Application().PendingMessages(), 1u);     // the button-up for the active control
  form->RaiseMessage("E;000005");
  EXPECT_EQ(form->ActiveControl(), form->edCode);
  delete form->edCode;  // a freed control is forgotten
  EXPECT_EQ(form->LastFocused, form.get());
  form->edCode = nullptr;
  EXPECT_NO_THROW(form->RaiseMessage("E;000005"));
}

}  // namespace
}  // namespace pxq::dialog
