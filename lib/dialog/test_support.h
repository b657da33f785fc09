// Test fixtures of the dialog tests: an installation (registry key, client profile file and a
// language folder), a scripted host with its counter, validator and lookup-window objects, and
// a report dialog class TfrmPxqr07 whose protected state the tests read.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "lib/dialog/base_gene.h"
#include "platform/automation/scripted_object.h"
#include "platform/vcl/headless_test.h"
#include "testing/testing.h"

namespace pxq::dialog::testing {

// A temporary installation: ClientPath names it; CorvaneC.ini sets the interface code page and
// the application server's address and port.
class Installation {
 public:
  explicit Installation(std::string_view uiCodePage = "936",
                        std::string_view serverAddress = "127.0.0.1", int port = 211);
  // Writes <folder>/MultiLanguage/<code>/<package>.Lng.
  void WriteLanguageFile(std::string_view code, std::string_view package, std::string_view xml);

 private:
  pxq::testing::TempDir dir_;
  pxq::testing::ScopedEnv registry_;
};

// The host application and its three service objects, answering as a working host does:
// catalogue texts "<kind><number> %s", settings from `settings`, a program register row for
// PXQR07, a counter, a phrase, a date and lookup rows.
struct FakeHost {
  FakeHost();
  // The objects' call records may hold the host itself (the lookup window is handed it), so
  // they are dropped to break the cycle.
  ~FakeHost();
  FakeHost(const FakeHost&) = delete;
  FakeHost& operator=(const FakeHost&) = delete;
  Variant App() const { return Variant(std::static_pointer_cast<AutoObject>(app)); }
  static Variant Of(const std::shared_ptr<ScriptedObject>& object) {
    return Variant(std::static_pointer_cast<AutoObject>(object));
  }

  std::shared_ptr<ScriptedObject> app = ScriptedObject::Create("Host");
  std::shared_ptr<ScriptedObject> counter = ScriptedObject::Create("Counter");
  std::shared_ptr<ScriptedObject> validator = ScriptedObject::Create("Validator");
  std::shared_ptr<ScriptedObject> lookup = ScriptedObject::Create("Lookup");
};

// Everything a dialog test needs: the installation, a headless application, the scripted host
// and the application server registered in-process under its class name.
struct Environment {
  explicit Environment(std::string_view uiCodePage = "936",
                       std::string_view serverAddress = "127.0.0.1");
  ~Environment();
  Environment(const Environment&) = delete;
  Environment& operator=(const Environment&) = delete;

  Installation installation;
  vcl::testing::HeadlessApp app;
  FakeHost host;
  std::shared_ptr<ScriptedObject> server = ScriptedObject::Create("AppServer");
  int serversCreated = 0;
};

// The host parameter array [user, company, data source, window, extra].
Variant HostParams(int highBound = 4);

// A report dialog: program PXQR07 from "PXQR07C.DLL", lookup windows on, the application
// server "ReportCounterS.dmReportCounter".
class TfrmPxqr07 : public TfrmBaseGene {
  PXQ_CLASS(TfrmPxqr07)
 public:
  explicit TfrmPxqr07(vcl::TComponent* owner);

  using TfrmBaseGene::ConfigureConnection;
  using TfrmBaseGene::ConnectServer;
  using TfrmBaseGene::CounterObject;
  using TfrmBaseGene::HostWindow;
  using TfrmBaseGene::Interactive;
  using TfrmBaseGene::LastFocused;
  using TfrmBaseGene::LookupObject;
  using TfrmBaseGene::OptionCount;
  using TfrmBaseGene::PageChanging;
  using TfrmBaseGene::ProductID;
  using TfrmBaseGene::Rights;
  using TfrmBaseGene::ServerObject;
  using TfrmBaseGene::SetConverted;
  using TfrmBaseGene::ValidatorObject;
  using TfrmBaseGene::VersionType;

  vcl::TEdit* edCode = nullptr;
  int afterConnectCalls = 0;

 protected:
  void DescribeProgram() override;
  void AfterConnect(TSocketConnection* connection) override;
};

// Creates the dialog as the controller does: module path, host object, then InitFromHost.
std::unique_ptr<TfrmPxqr07> NewDialog(const FakeHost& host, bool init = true);

}  // namespace pxq::dialog::testing
