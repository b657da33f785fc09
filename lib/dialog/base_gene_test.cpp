#include "lib/dialog/base_gene.h"

#include <gtest/gtest.h>

#include <memory>

#include "lib/boundary/host_calls.h"
#include "lib/dialog/test_support.h"
#include "platform/automation/classes.h"
#include "platform/os/codepage.h"

namespace pxq::dialog {
namespace {

using namespace vcl;
using testing::Environment;
using testing::HostParams;
using testing::NewDialog;
using testing::TfrmPxqr07;

TEST(TfrmBaseGene, InitialisesFromTheHostWithAnInProcessServer) {
  Environment env;
  auto form = NewDialog(env.host);
  EXPECT_EQ(form->MessageIds(), "");
  EXPECT_EQ(form->UserCode(), "796");
  EXPECT_EQ(form->CompanyCode(), "C01");
  EXPECT_EQ(form->DataSourceCode(), "DS1");
  EXPECT_EQ(form->HostWindow, 77u);
  EXPECT_EQ(form->ProgramCode(), "PXQR07");
  EXPECT_EQ(form->ServerClassName(), "PXQR07S.Class1");
  EXPECT_EQ(form->ProgramName(), os::Ansi("采购计划表"));
  EXPECT_TRUE(form->WantLog());
  EXPECT_EQ(form->CompanyName(), os::Ansi("示范公司"));
  EXPECT_EQ(form->VersionType, 2);
  EXPECT_EQ(form->ProductID, 5);
  EXPECT_EQ(form->OptionCount, 1);
  EXPECT_TRUE(form->LookupObject.IsObject());
  EXPECT_EQ(form->afterConnectCalls, 1);

  // "127.0.0.1": the server class is created here by name; no socket is opened.
  EXPECT_TRUE(form->LocalServer());
  EXPECT_EQ(env.serversCreated, 1);
  EXPECT_EQ(form->ServerObject, testing::FakeHost::Of(env.server));
  EXPECT_EQ(form->MainMidas->Address(), "127.0.0.1");
  EXPECT_EQ(form->MainMidas->Port(), 211);
  EXPECT_EQ(form->MainMidas->SocketsOpened(), 0);

  // The settings are read once.
  form->GetSetting("");
  EXPECT_EQ(env.host.counter->CallCount("GetSysInfo"), 1);

  // Initialisation happens once.
  EXPECT_FALSE(form->InitFromHost(Variant(VarArray::Of({"x", "y", "z", 1, 2}))));
  EXPECT_EQ(form->CompanyCode(), "C01");
  EXPECT_EQ(env.serversCreated, 1);
}

TEST(TfrmBaseGene, SchemeRowsComeThroughTheConnection) {
  Environment env;
  env.server->On("AS_GetRecords", [](Args& a) {
    EXPECT_EQ(a[0], Variant("pvdConSave"));
    const Variant fields(VarArray::Of({Variant(VarArray::Of({"NCONDITION", "string", 40})),
                                       Variant(VarArray::Of({"CREATOR", "string", 10})),
                                       Variant(VarArray::Of({"PROGRAMME", "string", 10}))}));
    const Variant rows(VarArray::Of({Variant(VarArray::Of({"s2", "796", "PXQR07"})),
                                     Variant(VarArray::Of({"s1", "796", "PXQR07"}))}));
    return Variant(VarArray::Of({fields, rows}));
  });
  auto form = NewDialog(env.host);
  form->ClientDataSet1->Open();
  EXPECT_EQ(form->ClientDataSet1->RecordCount(), 2);
  EXPECT_EQ(form->ClientDataSet1->FieldByName("NCONDITION").AsString(), "s1");  // index order
}

TEST(TfrmBaseGene, RemoteServerWithoutTransportIsReportedAndClosesTheDialog) {
  Environment env("936", "10.0.0.5");
  auto form = NewDialog(env.host, false);
  Application().ClearMessages();
  EXPECT_FALSE(form->InitFromHost(HostParams()));
  EXPECT_EQ(form->MessageIds(), "E;-1; E;000006; ");
  EXPECT_NE(form->MessageTexts().find("10.0.0.5:211 not connected"), std::string::npos);
  EXPECT_FALSE(form->LocalServer());
  EXPECT_TRUE(form->ServerObject.IsEmpty());
  ASSERT_EQ(env.app->Boxes().size(), 1u);
  EXPECT_EQ(env.app->Boxes()[0].Request.Type, mtError);
  EXPECT_EQ(Application().PendingMessages(), 1u);  // the close request
  EXPECT_EQ(env.serversCreated, 0);
}

TEST(TfrmBaseGene, UnregisteredServerClass) {
  Environment env;
  RegisterAutoClass(boundary::host::kAppServerClass, nullptr);
  auto form = NewDialog(env.host, false);
  EXPECT_FALSE(form->InitFromHost(HostParams()));
  EXPECT_EQ(form->MessageIds(), "E;-1; E;000006; ");
  EXPECT_NE(form->MessageTexts().find(boundary::host::kAppServerClass), std::string::npos);
  EXPECT_TRUE(form->LocalServer());
}

TEST(TfrmBaseGene, RemoteServerThroughTheSocketTransport) {
  Environment env("936", "appsrv");
  auto remote = ScriptedObject::Create("Remote");
  std::string seen;
  SetSocketTransport([&](const std::string& address, int port, const std::string& server) {
    seen = address + ":" + std::to_string(port) + "/" + server;
    return std::static_pointer_cast<AutoObject>(remote);
  });
  auto form = NewDialog(env.host);
  SetSocketTransport(nullptr);
  EXPECT_EQ(seen, "appsrv:211/ReportCounterS.dmReportCounter");
  EXPECT_EQ(form->ServerObject, testing::FakeHost::Of(remote));
  EXPECT_FALSE(form->LocalServer());
  EXPECT_EQ(form->MainMidas->SocketsOpened(), 1);
  form->MainMidas->Close();
  EXPECT_EQ(form->MainMidas->SocketsClosed(), 1);
}

TEST(TfrmBaseGene, HostArrayWithoutElementFour) {
  Environment env;
  auto form = NewDialog(env.host, false);
  Application().ClearMessages();
  EXPECT_FALSE(form->InitFromHost(HostParams(2)));
  EXPECT_EQ(form->HostWindow, 0u);
  // The recorded message also stops the connection set-up.
  EXPECT_EQ(form->MessageIds(), "E;000038; E;000006; ");
  EXPECT_EQ(env.app->Boxes().size(), 2u);
  EXPECT_GE(Application().PendingMessages(), 1u);
  EXPECT_EQ(env.serversCreated, 0);
}

TEST(TfrmBaseGene, DialogOfAnotherProgram) {
  Environment env;
  auto form = NewDialog(env.host, false);
  form->SetName("frmInv001");
  EXPECT_TRUE(form->InitFromHost(HostParams()));
  EXPECT_EQ(form->MessageIds(), "E;000036; ");
  EXPECT_EQ(env.serversCreated, 0);
}

TEST(TfrmBaseGene, BadHostInputIsRecordedNotRaised) {
  Environment env;
  for (const Variant& params :
       {Variant(), Variant("796"), Variant(VarArray(0, 1, 0, 4)),
        Variant(VarArray::Of({"796", "C01"})),
        Variant(VarArray::Of({"796", "C01", "DS1", Variant(u"window"), Variant()}))}) {
    SCOPED_TRACE(params.Dump());
    auto form = NewDialog(env.host, false);
    bool ok = true;
    EXPECT_NO_THROW(ok = form->InitFromHost(params));
    EXPECT_FALSE(ok);
    EXPECT_NE(form->MessageIds().find("E;-1; "), std::string::npos);
  }
}

TEST(TfrmBaseGene, MissingConfigurationIsRaisedByItsIdentifier) {
  Environment env;
  pxq::testing::TempDir empty;
  pxq::testing::ScopedEnv registry("PXQ_REGISTRY_ROOT", empty.path().string());
  auto form = NewDialog(env.host, false);
  EXPECT_FALSE(form->InitFromHost(HostParams()));
  EXPECT_EQ(form->MessageIds(), "E;000015; E;000006; ");
}

TEST(TfrmBaseGene, ProgramCodeFromTheLibraryName) {
  Environment env;
  struct Case {
    const char* path;
    const char* code;
  } cases[] = {
      {"/opt/corvane/C_PKG/PXQR07C.DLL", "PXQR07"},
      {"pxqr07c.so", "PXQR07"},
      {"/tmp/PXQR07CT.exe", "PXQR07"},  // a test program: one more character goes
      {"/tmp/Pxq.dll", "PXQ"},          // at least six characters are kept
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    auto form = NewDialog(env.host, false);
    form->SetModulePath(c.path);
    form->InitFromHost(HostParams());
    EXPECT_EQ(form->ProgramCode(), c.code);
  }
}

TEST(TfrmBaseGene, AStandAloneProgramCreatesItsOwnHost) {
  Environment env;
  RegisterAutoClass("VantorWorkCenter.Manager",
                    [&] { return std::static_pointer_cast<AutoObject>(env.host.app); });
  auto form = NewDialog(env.host, false);
  form->SetModulePath("/tmp/PXQR07CT.exe");
  form->SetHostApp(Variant());
  EXPECT_TRUE(form->InitFromHost(HostParams()));
  RegisterAutoClass("VantorWorkCenter.Manager", nullptr);
  EXPECT_EQ(form->ProgramName(), os::Ansi("采购计划表"));
  EXPECT_EQ(form->CompanyName(), os::Ansi("示范公司"));
}

TEST(TfrmBaseGene, ProgramRegister) {
  {
    Environment env("437");
    auto form = NewDialog(env.host);
    EXPECT_EQ(form->ProgramName(), "Purchase Plan");  // the English name, element 7
  }
  Environment env;
  struct Case {
    const char* what;
    std::function<void(ScriptedObject&)> validator;
  } cases[] = {
      {"raises", [](ScriptedObject& v) { v.Throws("CheckValue", "no register"); }},
      {"not found", [](ScriptedObject& v) { v.Returns("CheckValue", Variant(false)); }},
      {"short row",
       [](ScriptedObject& v) {
         v.On("CheckValue", [](Args& a) {
           a[4] = Variant(VarArray::Of({"Name"}));
           return Variant(true);
         });
       }},
      {"scalar row",
       [](ScriptedObject& v) {
         v.On("CheckValue", [](Args& a) {
           a[4] = Variant("Name");
           return Variant(true);
         });
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    c.validator(*env.host.validator);
    auto form = NewDialog(env.host);
    EXPECT_EQ(form->ProgramName(), "PXQR07");
    EXPECT_FALSE(form->WantLog());
  }
}

}  // namespace
}  // namespace pxq::dialog
