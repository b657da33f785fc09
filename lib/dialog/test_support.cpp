#include "lib/dialog/test_support.h"

#include "lib/boundary/host_calls.h"
#include "platform/automation/classes.h"
#include "platform/os/codepage.h"

namespace pxq::dialog::testing {

Installation::Installation(std::string_view uiCodePage, std::string_view serverAddress, int port)
    : registry_("PXQ_REGISTRY_ROOT", (dir_.path() / "registry").string()) {
  pxq::testing::WriteRegistryKey(dir_.path() / "registry", "Software\\NTQ\\Corvane",
                                 "ClientPath=" + dir_.path().string() + "\nProfileType=0\n");
  pxq::testing::WriteFile(dir_ / "CorvaneC.ini",
                          "[CodePage]\nUICodePage=" + std::string(uiCodePage) +
                              "\n[Server Information]\nComputerName=" + std::string(serverAddress) +
                              "\nServerPort=" + std::to_string(port) + "\n");
}

void Installation::WriteLanguageFile(std::string_view code, std::string_view package,
                                     std::string_view xml) {
  pxq::testing::WriteFile(dir_ / "MultiLanguage" / code / (std::string(package) + ".Lng"), xml);
}

FakeHost::FakeHost() {
  app->On("GetMessage", [](Args& a) { return Variant(a[0].ToWide() + a[1].ToWide() + u" %s"); });
  app->Returns("Com_Counter", Of(counter));
  app->Returns("Com_Validator", Of(validator));
  app->Returns("Com_F2Window", Of(lookup));
  app->Prop("VersionType") = Variant(2);
  app->Prop("ProductID") = Variant(5);
  app->Returns("CallHelp", Variant());

  VarArray settings(0, 1, 0, 2);
  settings.At(0, 0) = Variant(u"NTQ002");
  settings.At(1, 0) = Variant(os::Utf8ToWide("示范公司"));
  settings.At(0, 1) = Variant(u"Sys001");
  settings.At(1, 1) = Variant(u"1");
  settings.At(0, 2) = Variant(u"SYS007");
  settings.At(1, 2) = Variant(u"Brand");
  counter->Returns("GetSysInfo", Variant(settings));
  counter->Returns("GetCounter", Variant(u"0001"));

  // The program register knows PXQR07; other codes are unknown.
  validator->On("CheckValue", [](Args& a) {
    if (a[0].ToAnsi() == "ADMMB") {
      a[4] = Variant(VarArray::Of({Variant(os::Utf8ToWide("采购计划表")), u"x", u"x", u"x", u"Y",
                                   u"x", u"x", u"Purchase Plan"}));
      return Variant(true);
    }
    if (a[3].ToAnsi() == "A01") {
      a[4] = Variant(VarArray::Of({u"A01", u"Alpha"}));
      return Variant(true);
    }
    return Variant(false);
  });
  validator->Returns("QueryData", Variant(false));

  lookup->Returns("GetPhrase", Variant(u"phrase"));
  lookup->Returns("ShowInputDay", Variant(u"20240105"));
  lookup->Returns("F2GetData", Variant(VarArray::Of({u"A01", u"Alpha"})));
}

Environment::Environment(std::string_view uiCodePage, std::string_view serverAddress)
    : installation(uiCodePage, serverAddress) {
  RegisterAutoClass(boundary::host::kAppServerClass, [this] {
    ++serversCreated;
    return std::static_pointer_cast<AutoObject>(server);
  });
}

Environment::~Environment() { RegisterAutoClass(boundary::host::kAppServerClass, nullptr); }

FakeHost::~FakeHost() {
  for (const auto& object : {app, counter, validator, lookup}) object->ClearCalls();
}

Variant HostParams(int highBound) {
  std::vector<Variant> all{"796", "C01", "DS1", Variant(77), Variant(u"extra")};
  all.resize(static_cast<size_t>(highBound + 1));
  return Variant(VarArray::Of(all));
}

PXQ_REGISTER_CLASS(TfrmPxqr07, TfrmBaseGene)
void TfrmPxqr07::DefineClass(vcl::TClassBuilder<TfrmPxqr07>&) {}

TfrmPxqr07::TfrmPxqr07(vcl::TComponent* owner) : TfrmBaseGene(owner) {
  SetName("frmPxqr07");
  edCode = new vcl::TEdit(this);
  edCode->SetName("edCode");
  edCode->SetParent(this);
}

void TfrmPxqr07::DescribeProgram() {
  TfrmBaseGene::DescribeProgram();
  OptionFlags |= kOptionLookupWindows;
}

void TfrmPxqr07::AfterConnect(TSocketConnection* connection) {
  ++afterConnectCalls;
  connection->SetServerName(boundary::host::kAppServerClass);
}

std::unique_ptr<TfrmPxqr07> NewDialog(const FakeHost& host, bool init) {
  std::unique_ptr<TfrmPxqr07> form(vcl::CreateForm<TfrmPxqr07>(nullptr));
  form->SetModulePath("/opt/corvane/C_PKG/PXQR07C.DLL");
  form->SetHostApp(host.App());
  if (init) form->InitFromHost(HostParams());
  return form;
}

}  // namespace pxq::dialog::testing
