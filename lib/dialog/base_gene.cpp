#include "lib/dialog/base_gene.h"

#include <algorithm>
#include <exception>
#include <filesystem>

#include "lib/boundary/host_calls.h"
#include "platform/os/text.h"

namespace pxq::dialog {

using namespace vcl;
namespace host = boundary::host;

PXQ_REGISTER_CLASS(TfrmBaseGene, TNTForm)
void TfrmBaseGene::DefineClass(TClassBuilder<TfrmBaseGene>& c) {
  c.Bool("WantLog", &TfrmBaseGene::WantLog);
}

TfrmBaseGene::TfrmBaseGene(TComponent* owner) : TNTForm(owner) {
  edPrintDate = new TMaskEdit(this);
  edPrintDate->SetName("edPrintDate");
  edPrintDate->SetParent(this);
  btnCancel = new TButton(this);
  btnCancel->SetName("btnCancel");
  btnCancel->SetParent(this);
  MainMidas = new TSocketConnection(this);
  MainMidas->SetName("MainMidas");
  ClientDataSet1 = std::make_unique<TClientDataSet>();
  ClientDataSet1->Name = "ClientDataSet1";
  ClientDataSet1->IndexName = "Index1";
  ClientDataSet1->SetIndexFieldNames("NCONDITION;CREATOR;PROGRAMME");
  MainMidas->AttachDataSet(*ClientDataSet1, host::kSchemeProvider);
  LastFocused = this;
}

TfrmBaseGene::~TfrmBaseGene() {
  // The owned components are gone by now: MainMidas closed its socket when it was freed (an
  // in-process server had none to close).
  ClientDataSet1->Close();
  CounterObject = ValidatorObject = LookupObject = Variant();
  ServerObject = Variant();
  HostApp = Variant();
}

bool TfrmBaseGene::RunningAsLibrary() const {
  std::string ext = os::UpperAscii(std::filesystem::path(modulePath_).extension().string());
  return ext == ".DLL" || ext == ".SO";
}

void TfrmBaseGene::Notification(TComponent* c, TOperation op) {
  TNTForm::Notification(c, op);
  if (op != opRemove) return;
  if (c == LastFocused) LastFocused = this;
  if (c == edPrintDate) edPrintDate = nullptr;
  if (c == btnCancel) btnCancel = nullptr;
  if (c == MainMidas) MainMidas = nullptr;
}

void TfrmBaseGene::PostCloseRequest() { PostMessage(Handle(), WM_CLOSE); }

bool TfrmBaseGene::InitFromHost(const Variant& params) {
  if (!companyCode_.empty()) return false;
  try {
    SystemSettings.Clear();
    settingsLoaded_ = false;
    CounterObject = ValidatorObject = LookupObject = Variant();
    BaseOptionCount = 1;
    RaiseMessage("");
    if (edPrintDate) edPrintDate->SetText("");
    ComponentValues = true;
    ExternalRestoreOk = false;

    const int high =
        params.IsArray() && params.Array().DimCount() == 1 ? params.Array().High() : -1;
    // A host without a window of its own passes nothing there.
    const Variant window = high >= 3 ? params.Array()[3] : Variant();
    HostWindow = window.IsBlank() ? 0 : static_cast<boundary::WindowHandle>(window.ToInt());
    if (high >= 4) {
      HostExtra = params.Array()[4];
    } else {
      RaiseMessage("E;000038");
      PostCloseRequest();
    }
    Hide();
    if (high < 2)
      throw std::runtime_error("The host parameter array has no user, company and data source");
    userCode_ = params.Array()[0].ToAnsi();
    companyCode_ = params.Array()[1].ToAnsi();
    dataSourceCode_ = params.Array()[2].ToAnsi();
    LoadHostInfo();

    // The dialog's name is "frm" followed by its program code.
    auto prefix = [](std::string_view text, size_t from) {
      return os::UpperAscii(std::string(text.substr(std::min(from, text.size()), 3)));
    };
    if (prefix(Name(), 3) != prefix(programCode_, 0)) {
      RaiseMessage("E;000036");
      PostCloseRequest();
      return true;
    }
    bool connected = ConfigureConnection();
    if (connected) {
      AfterConnect(MainMidas);
      if (!MainMidas->ServerName().empty()) connected = ConnectServer();
    }
    if (!connected) {
      RaiseMessage("E;000006");
      PostCloseRequest();
      return false;
    }
    return true;
  } catch (const std::exception& e) {
    RecordError(e.what());
    return false;
  }
}

void TfrmBaseGene::LoadHostInfo() {
  CreateServiceObjects();
  try {
    VersionType = host::VersionType(HostApp);
  } catch (const std::exception&) {
    VersionType = 0;
  }
  try {
    ProductID = host::ProductID(HostApp);
  } catch (const std::exception&) {
    ProductID = 3;
  }
  DescribeProgram();
  CreateLookupObject();
}

void TfrmBaseGene::DescribeProgram() {
  DateFields = "edPrintDate";
  JobKind = "R";
  EnvCount = 9;
  OptionFlags = 0;
  const std::filesystem::path file = std::filesystem::path(modulePath_).filename();
  const std::string stem = file.stem().string();
  const size_t drop = RunningAsLibrary() ? 1 : 2;
  const size_t keep = std::max<size_t>(6, stem.size() > drop ? stem.size() - drop : 0);
  programCode_ = os::UpperAscii(stem.substr(0, std::min(keep, stem.size())));
  serverClassName_ = programCode_ + "S.Class1";
  LoadProgramRegister();
  const int previous = OptionCount;
  OptionCount = OwnOptionCount;
  if (BaseOptionCount >= previous) OptionCount += BaseOptionCount;
}

void TfrmBaseGene::AfterConnect(TSocketConnection*) {}

}  // namespace pxq::dialog
