#include "lib/boundary/host_calls.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "platform/automation/scripted_object.h"

namespace pxq::boundary::host {
namespace {

std::string DumpArgs(const Args& args) {
  std::string out;
  for (const Variant& a : args) out += (out.empty() ? "" : " | ") + a.Dump();
  return out;
}

// Every call goes to the member of that name with the argument layout the host and the server
// expect; the layouts are the contract, so they are spelled out here in full.
TEST(HostCalls, NamesAndArgumentLayouts) {
  auto fake = ScriptedObject::Create("Fake");
  Variant target(std::static_pointer_cast<AutoObject>(fake));
  Variant v;
  struct Case {
    const char* member;
    std::function<void()> call;
    const char* args;
  };
  const Case cases[] = {
      {"GetMessage", [&] { GetMessage(target, "E", "000038"); }, R"("E" | "000038")"},
      {"Com_Counter", [&] { ComCounter(target); }, ""},
      {"Com_Validator", [&] { ComValidator(target); }, ""},
      {"Com_F2Window", [&] { ComF2Window(target); }, ""},
      {"CallHelp", [&] { CallHelp(target, "PXQ", "12070000"); }, R"([0..1: "PXQ", "12070000"])"},
      {"GetFileList", [&] { GetFileList(target, "pxqr07s.dll"); }, R"([0..0: "pxqr07s.dll"])"},
      {"GetCounter",
       [&] {
         v = Variant(VarArray::Of({"sql", "col"}));
         GetCounter(target, "SIMPLESQL", v, "C01", "DS");
       },
       R"("SIMPLESQL" | [0..1: "sql", "col"] | [0..1: "C01", "DS"])"},
      {"ShowInputDay", [&] { ShowInputDay(target, true, "20240105", "DS"); },
       R"([0..2: True, "20240105", "DS"])"},
      {"LoadTable", [&] { LoadTable(target, "796", "PXQR07"); }, R"([0..1: "796", "PXQR07"])"},
      {"InsertConTable",
       [&] {
         InsertConTable(target, {"s1", "796", "20240105", "PXQR07", "ed01.text;", "a\r\n", true});
       },
       R"([0..6: "s1", "796", "20240105", "PXQR07", "ed01.text;", "a\x0D\x0A", True])"},
      {"DeleteConTable", [&] { DeleteConTable(target, "s1", "796", "PXQR07"); },
       R"([0..2: "s1", "796", "PXQR07"])"},
      {"ChangeConName", [&] { ChangeConName(target, "old", "new", "796", "PXQR07"); },
       R"([0..2: "old", "796", "PXQR07"] | [0..2: "new", "796", "PXQR07"])"},
      {"GetPower", [&] { GetPower(target, "DS", "796", "PXQR07"); },
       R"([0..3: "DS", "796", "PXQR07", ""])"},
      {"Request", [&] { Request(target, Variant(u"pkg")); }, R"(L"pkg")"},
      {"Request1", [&] { Request1(target, Variant(u"pkg"), "WS1"); }, R"(L"pkg" | "WS1")"},
      {"ErrorDescript", [&] { ErrorDescript(target); }, ""},
      {"UpdateStatus1", [&] { UpdateStatus1(target, "J1", "m; ", Variant::Date(45000.5)); },
       R"("J1" | "m; " | Date(45000.5))"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.member);
    fake->ClearCalls();
    fake->On(c.member, [](Args&) { return Variant(); });
    c.call();
    ASSERT_EQ(fake->Calls().size(), 1u);
    EXPECT_EQ(fake->Calls()[0].name, c.member);
    EXPECT_EQ(DumpArgs(fake->Calls()[0].args), c.args);
  }
}

TEST(HostCalls, LookupWindowArrayHasNineteenElements) {
  auto fake = ScriptedObject::Create("Lookup");
  fake->Returns("F2GetData", Variant(u"row"));
  Variant target(std::static_pointer_cast<AutoObject>(fake));
  F2Request r;
  r.table = "INVMB";
  r.key = "01";
  r.multiple = true;
  r.companyCode = "C01";
  r.dataSourceCode = "DS";
  r.window = 77;
  r.productId = 3;
  r.baseLimited = "lim";
  r.rightFlag7 = true;
  r.hostApp = Variant(std::static_pointer_cast<AutoObject>(ScriptedObject::Create("Host")));
  r.userCode = "796";
  EXPECT_EQ(F2GetData(target, r), Variant(u"row"));
  Args args = fake->LastArgs("F2GetData");
  ASSERT_EQ(args.size(), 1u);
  EXPECT_EQ(args[0].Dump(),
            R"([0..18: "INVMB", "01", Empty, True, Empty, "C01", "DS", 77, 1, False, 3, "", "", )"
            R"("", "lim", False, True, Object, "796"])");
}

TEST(HostCalls, VarArgumentsComeBackChangedAndAnswersAreTyped) {
  auto fake = ScriptedObject::Create("Service");
  fake->On("CheckValue", [](Args& a) {
    a[4] = Variant(VarArray::Of({"01", u"name"}));
    return Variant(true);
  });
  fake->On("GetSysInfo", [](Args& a) {
    a[0] = Variant(u"C02");
    return Variant(VarArray(0, 1, 0, 0));
  });
  fake->On("GetPhrase", [](Args& a) {
    a[1] = Variant("DS2");
    return Variant(u"phrase");
  });
  fake->Prop("ProductID") = Variant(3);
  fake->Prop("VersionType") = Variant("x");  // not an integer
  Variant target(std::static_pointer_cast<AutoObject>(fake));

  ValidatorQuery q{"ADMMB", "01", "DS", Variant(VarArray::Of({"PXQR07"})), Variant()};
  EXPECT_TRUE(CheckValue(target, q));
  EXPECT_EQ(q.result, Variant(VarArray::Of({"01", u"name"})));
  EXPECT_THROW(QueryData(target, q), AutomationError);  // no such member on the fake

  Variant company("C01");
  EXPECT_TRUE(GetSysInfo(target, company).IsArray());
  EXPECT_EQ(company, Variant(u"C02"));

  Variant user("796"), ds("DS");
  EXPECT_EQ(GetPhrase(target, user, ds, 5), Variant(u"phrase"));
  EXPECT_EQ(ds, Variant("DS2"));
  EXPECT_EQ(fake->LastArgs("GetPhrase")[2], Variant(int64_t{5}));

  EXPECT_EQ(ProductID(target), 3);
  EXPECT_THROW(VersionType(target), VariantError);
  SetValidatorProductID(target, 3);
  SetBaseLimited(target, "lim");
  EXPECT_EQ(fake->Prop("BaseLimited"), Variant("lim"));
}

}  // namespace
}  // namespace pxq::boundary::host
