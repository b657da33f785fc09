#include <gtest/gtest.h>

#include <memory>

#include "lib/controls/select_panel.h"
#include "lib/dialog/base_gene.h"
#include "lib/dialog/test_support.h"
#include "platform/os/codepage.h"

namespace pxq::dialog {
namespace {

using namespace vcl;
using testing::Environment;
using testing::FakeHost;
using testing::NewDialog;

Variant Row(std::vector<Variant> values) { return Variant(VarArray::Of(std::move(values))); }

TEST(ServerAccess, SettingsWithCategoryDefaults) {
  struct Case {
    const char* uiCodePage;
    const char* name;
    const char* value;  // UTF-8
  } cases[] = {
      {"936", "SYS007", "Brand"},
      {"936", "sys008", "商品分类方式二"},
      {"936", "SYS010", "商品分类方式四"},
      {"437", "SYS009", "Inv.Cate.3"},
      {"437", "SYS010", "Inv.Cate.4"},
      {"936", "Sys001", "1"},
      {"936", "NOSUCH", ""},
      {"936", "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.uiCodePage) + " " + c.name);
    Environment env(c.uiCodePage);
    auto form = NewDialog(env.host);
    EXPECT_EQ(form->GetSetting(c.name), os::Ansi(c.value));
  }
}

TEST(ServerAccess, SettingsOfTheWrongShapeLoadNothing) {
  Environment env;
  for (const Variant& answer :
       {Variant(), Variant(u"text"), Row({"NTQ002", "Name"}), Variant(VarArray(0, 0, 0, 1))}) {
    SCOPED_TRACE(answer.Dump());
    env.host.counter->Returns("GetSysInfo", answer);
    auto form = NewDialog(env.host);
    EXPECT_EQ(form->CompanyName(), "");
    EXPECT_EQ(form->GetSetting("SYS008"), os::Ansi("商品分类方式二"));
  }
  // An element that is not a text leaves that setting out, the others stay.
  VarArray mixed(0, 1, 0, 1);
  mixed.At(0, 0) = Variant(u"NTQ002");
  mixed.At(1, 0) = Row({"nested"});
  mixed.At(0, 1) = Variant(u"Sys002");
  mixed.At(1, 1) = Variant(u"-");
  env.host.counter->Returns("GetSysInfo", Variant(mixed));
  auto form = NewDialog(env.host);
  EXPECT_EQ(form->CompanyName(), "");
  EXPECT_EQ(form->GetSetting("SYS002"), "-");
}

TEST(ServerAccess, MissingServiceObjectsDisableOnlyTheirFeatures) {
  Environment env;
  env.host.app->Throws("Com_Counter", "no counter");
  env.host.app->Returns("Com_Validator", Variant(u"not an object"));
  env.host.app->Throws("Com_F2Window", "no lookup");
  auto form = NewDialog(env.host);
  EXPECT_TRUE(form->CounterObject.IsEmpty());
  EXPECT_TRUE(form->ValidatorObject.IsEmpty());
  EXPECT_TRUE(form->LookupObject.IsEmpty());
  EXPECT_TRUE(form->ServerObject.IsObject());  // the dialog still opens
  EXPECT_TRUE(form->GetCounterValue("SimpleSQL", Row({"select 1", "c"})).IsEmpty());
  Variant result;
  EXPECT_FALSE(form->CheckCode("INVMB", "01", "A01", false, result));
  EXPECT_TRUE(form->LookupByF2("INVMB", "01", "", "", false).IsEmpty());
  EXPECT_EQ(form->PickDate("20240101", false), "");
  EXPECT_EQ(form->ProgramName(), "PXQR07");
}

TEST(ServerAccess, CheckCodePassesTheRightsAndGuardsTheAnswer) {
  Environment env;
  auto form = NewDialog(env.host);
  form->Rights.BaseLimited = "limit";
  Variant result;
  EXPECT_TRUE(form->CheckCode("INVMB", "01", "A01", false, result));
  EXPECT_EQ(result, Row({u"A01", u"Alpha"}));
  EXPECT_EQ(env.host.validator->Prop("ProductID"), Variant(5));
  EXPECT_EQ(env.host.validator->Prop("BaseLimited"), Variant("limit"));
  const Args args = env.host.validator->LastArgs("CheckValue");
  EXPECT_EQ(args[2], Variant("DS1"));
  EXPECT_FALSE(form->CheckCode("INVMB", "01", "Z99", false, result));
  EXPECT_FALSE(form->CheckCode("INVMB", "01", "A01", true, result));  // QueryData
  EXPECT_EQ(env.host.validator->CallCount("QueryData"), 1);

  env.host.validator->Returns("CheckValue", Variant(u"maybe"));
  EXPECT_FALSE(form->CheckCode("INVMB", "01", "A01", false, result));
  env.host.validator->Throws("CheckValue", "lost");
  EXPECT_FALSE(form->CheckCode("INVMB", "01", "A01", false, result));
}

TEST(ServerAccess, ValidateField) {
  Environment env;
  auto form = NewDialog(env.host);
  Variant result;
  EXPECT_TRUE(form->ValidateField("INVMB", "01", "A01", "E", 1, result));
  EXPECT_EQ(result, Variant(u"Alpha"));
  EXPECT_TRUE(form->ValidateField("INVMB", "01", "A01", "E", 5, result));
  EXPECT_EQ(result, Row({u"A01", u"Alpha"}));  // outside the row: the whole row
  const int calls = env.host.validator->CallCount("CheckValue");
  EXPECT_TRUE(form->ValidateField("INVMB", "01", Variant(), "E", 1, result));
  EXPECT_TRUE(form->ValidateField("INVMB", "01", "", "E", 1, result));
  EXPECT_EQ(env.host.validator->CallCount("CheckValue"), calls);  // empty: not looked up
  EXPECT_EQ(form->MessageIds(), "");

  EXPECT_FALSE(form->ValidateField("INVMB", "01", "Z99", "E", 1, result));
  EXPECT_EQ(form->MessageIds(), "E;000001;I000008 %s; ");
  EXPECT_EQ(env.app->Boxes().back().Request.Type, mtError);
  EXPECT_FALSE(form->ValidateField("INVMB", "01", "Z99", "W", 1, result));
  EXPECT_EQ(form->MessageIds(), "E;000001;I000008 %s; W;000004;I000008 %s; ");
  EXPECT_EQ(env.app->Boxes().back().Request.Type, mtWarning);

  // Leaving a field for the cancel button checks nothing.
  form->Show();
  form->btnCancel->SetFocus();
  EXPECT_TRUE(form->ValidateField("INVMB", "01", "Z99", "E", 1, result));
}

TEST(ServerAccess, CountersArePassedUpperCasedWithTheCompanyAndDataSource) {
  Environment env;
  auto form = NewDialog(env.host);
  EXPECT_EQ(form->GetCounterValue("SimpleSQL", Row({"select 1", "c"})), Variant(u"0001"));
  EXPECT_EQ(env.host.counter->LastArgs("GetCounter"),
            (Args{Variant("SIMPLESQL"), Row({"select 1", "c"}), Row({"C01", "DS1"})}));
  env.host.counter->Throws("GetCounter", "busy");
  EXPECT_TRUE(form->GetCounterValue("X", Variant()).IsEmpty());
}

TEST(ServerAccess, LookupSendsTheNineteenElementArray) {
  Environment env;
  auto form = NewDialog(env.host);
  form->Rights = {"limit", true, false};
  EXPECT_EQ(form->LookupByF2("INVMB", "01", "p", "x", true), Row({u"A01", u"Alpha"}));
  const Args args = env.host.lookup->LastArgs("F2GetData");
  ASSERT_EQ(args.size(), 1u);
  ASSERT_TRUE(args[0].IsArray());
  const VarArray& a = args[0].Array();
  ASSERT_EQ(a.Low(), 0);
  ASSERT_EQ(a.High(), 18);
  const Variant expected[19] = {"INVMB",
                                "01",
                                "p",
                                Variant(true),
                                "x",
                                "C01",
                                "DS1",
                                Variant(static_cast<int64_t>(form->Handle())),
                                Variant(1),
                                Variant(false),
                                Variant(5),
                                "",
                                "",
                                "",
                                "limit",
                                Variant(true),
                                Variant(false),
                                env.host.App(),
                                "796"};
  for (int i = 0; i <= 18; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(a[i], expected[i]);
  }
  env.host.lookup->Throws("F2GetData", "window closed");
  EXPECT_TRUE(form->LookupByF2("INVMB", "01", "", "", false).IsEmpty());
}

TEST(ServerAccess, PhrasesAndDates) {
  Environment env;
  auto form = NewDialog(env.host);
  form->edCode->SetText("old");
  form->FillPhrase(form->edCode);
  EXPECT_EQ(form->edCode->Text(), "phrase");
  for (const Variant& answer : {Variant(u""), Row({"x"})}) {
    env.host.lookup->Returns("GetPhrase", answer);
    form->FillPhrase(form->edCode);
    EXPECT_EQ(form->edCode->Text(), "phrase");
  }

  EXPECT_EQ(form->PickDate("20240101", false), "2024/01/05");
  EXPECT_EQ(env.host.lookup->LastArgs("ShowInputDay"),
            (Args{Row({Variant(false), "20240101", "DS1"})}));
  EXPECT_EQ(form->PickDate("202401", true), "2024/01");
  EXPECT_EQ(env.host.lookup->LastArgs("ShowInputDay")[0].Array()[1].ToAnsi().size(), 8u);
  for (const Variant& answer : {Variant(u"  "), Variant(u"garbage"), Row({"20240105"})}) {
    SCOPED_TRACE(answer.Dump());
    env.host.lookup->Returns("ShowInputDay", answer);
    EXPECT_EQ(form->PickDate("20240101", false), "20240101");
  }
}

TEST(ServerAccess, HelpTopics) {
  struct Case {
    const char* code;
    const char* topic;
  } cases[] = {
      {"PXQR07", "12070000"},
      {"PXQB12", "13120000"},
      {"INVAB3", "63B30000"},
      {"ABCMR9", "82R90000"},
      {"PXQT07", ""},
      {"PXQAX1", ""},
      {"PXQ", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(TfrmBaseGene::HelpTopic(c.code), c.topic) << c.code;

  Environment env;
  auto form = NewDialog(env.host);
  form->CallHelp();
  EXPECT_EQ(env.host.app->LastArgs("CallHelp"), (Args{Row({"PXQ", "12070000"})}));
  env.host.app->Throws("CallHelp", "no help file");
  EXPECT_NO_THROW(form->CallHelp());
}

TEST(ServerAccess, SelectionPanelLookups) {
  Environment env;
  auto form = NewDialog(env.host);
  auto* panel = new TSelectPanel(form.get());
  panel->SetName("sp01");
  panel->SetParent(form.get());
  env.host.lookup->Returns(
      "F2GetData", Variant(VarArray::Of({Row({"A01", "Alpha", "a", "b", "c"}), Row({"B02"})})));
  form->FillPanelFromLookup(panel->ListBox, "INVMB", "01", false, "", "");
  ASSERT_EQ(panel->Items()->Count(), 2);
  EXPECT_EQ(panel->Items()->Item(0)->Caption(), "A01");
  EXPECT_EQ(panel->Items()->Item(0)->SubItems()->Count(), 3);  // four columns at most
  EXPECT_TRUE(env.host.lookup->LastArgs("F2GetData")[0].Array()[3].ToBool());

  panel->Items()->Clear();
  panel->SetUseDiscard(true);
  panel->SetDiscard("-");
  form->FillPanelFromLookup(panel->ListBox, "INVMB", "01", true, "", "");
  EXPECT_EQ(panel->Items()->Item(0)->Caption(), "A01-Alpha-a-b-c");

  env.host.lookup->Returns("F2GetData", Row({"A01", "Alpha"}));
  form->FillPanelFromLookup(panel->edBegin, "INVMB", "01", false, "", "");
  EXPECT_EQ(panel->edBegin->Text(), "A01-Alpha");
  panel->SetUseDiscard(false);
  form->FillPanelFromLookup(panel->edFinal, "INVMB", "01", false, "", "");
  EXPECT_EQ(panel->edFinal->Text(), "A01");
  EXPECT_FALSE(env.host.lookup->LastArgs("F2GetData")[0].Array()[3].ToBool());
  env.host.lookup->Returns("F2GetData", Variant());
  form->FillPanelFromLookup(panel->edFinal, "INVMB", "01", false, "", "");
  EXPECT_EQ(panel->edFinal->Text(), "A01");  // nothing chosen

  const int lookups = env.host.lookup->CallCount("F2GetData");
  form->FillPanelFromLookup(form->edCode, "INVMB", "01", false, "", "");
  EXPECT_EQ(env.host.lookup->CallCount("F2GetData"), lookups);
  EXPECT_EQ(env.app->Boxes().back().Request.Type, mtError);
}

// A Big5 interface on a GB2312 database: once the form is converted, texts from the server are
// shown in Big5 and texts sent to it go back to GB2312; catalogue texts are always converted.
TEST(ServerAccess, Big5InterfaceConvertsTextsBothWays) {
  Environment env("950");
  auto form = NewDialog(env.host);
  ASSERT_TRUE(form->NtConverter->HasTranslator());
  const std::string gbCompany = os::Ansi("示范公司");
  const std::string big5Company = *os::WideToMultiByte(950, u"示範公司");
  EXPECT_EQ(form->GetSetting("NTQ002"), gbCompany);
  form->ConvertOnce();
  EXPECT_EQ(form->GetSetting("NTQ002"), big5Company);

  Variant result;
  form->CheckCode("INVMB", "01", Variant(big5Company), false, result);
  EXPECT_EQ(env.host.validator->LastArgs("CheckValue")[3], Variant(gbCompany));

  env.host.app->Returns("GetMessage", Variant(os::Utf8ToWide("找不到资料")));
  EXPECT_EQ(form->GetMessageText("I", "000008"), *os::WideToMultiByte(950, u"找不到資料"));
}

}  // namespace
}  // namespace pxq::dialog
