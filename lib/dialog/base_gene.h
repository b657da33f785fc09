// TfrmBaseGene: the generic condition dialog from which every report and job dialog derives.
// This header holds its identity, its connection to the application server and the host's
// service objects, and two groups of services that every derived dialog uses:
//
// - the message catalogue (message_catalogue.cpp): messages named by identifier, looked up in
//   the host's catalogue, accumulated in MessageIds and MessageTexts and shown by kind;
// - application-server access (server_access.cpp): service objects, company settings, code
//   validation, counters, lookup windows, phrases, the date quick-pick, help, the program
//   register, the connection and the server object.
//
// Every call on the host, a service object or the server is guarded: a failure gives the
// neutral answer (false, an empty text or an empty Variant) and, where it matters, a recorded
// message; nothing is raised to the host.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "lib/boundary/base_controller.h"
#include "lib/dialog/nt_form.h"
#include "lib/dialog/socket_connection.h"
#include "platform/variant/variant.h"
#include "platform/vcl/dataset.h"
#include "platform/vcl/stdctrls.h"

namespace pxq::dialog {

// The user's rights that travel with lookups and validations (read with the rights, after
// initialisation, by the generation options).
struct TUserRights {
  std::string BaseLimited;  // restriction text handed to the validator and lookup windows
  bool AmountsAllowed = false;
  bool RightFlag7 = false;
};

// Option flag: the program uses the host's lookup windows.
inline constexpr int kOptionLookupWindows = 4;

class TfrmBaseGene : public TNTForm {
  PXQ_CLASS(TfrmBaseGene)
 public:
  explicit TfrmBaseGene(vcl::TComponent* owner);
  ~TfrmBaseGene() override;

  // Components this part of the dialog relies on.
  vcl::TMaskEdit* edPrintDate = nullptr;
  vcl::TButton* btnCancel = nullptr;
  TSocketConnection* MainMidas = nullptr;
  // The scheme rows of provider "pvdConSave", fetched through MainMidas.
  std::unique_ptr<vcl::TClientDataSet> ClientDataSet1;

  // --- Identity and initialisation
  // Full path of the library file. A file that is not a library (".dll" or ".so") means a
  // stand-alone test program.
  void SetModulePath(const std::string& path) { modulePath_ = path; }
  const std::string& ModulePath() const { return modulePath_; }
  bool RunningAsLibrary() const;
  void SetHostApp(const Variant& hostApp) { HostApp = hostApp; }
  // Initialises the dialog from the host parameter array [user code, company code, data-source
  // code, host window, extra value]; false when initialised before, when the server cannot be
  // reached or on any error (then recorded as a message). Raises nothing.
  virtual bool InitFromHost(const Variant& params);

  const std::string& UserCode() const { return userCode_; }
  const std::string& CompanyCode() const { return companyCode_; }
  const std::string& DataSourceCode() const { return dataSourceCode_; }
  const std::string& ProgramCode() const { return programCode_; }
  const std::string& ProgramName() const { return programName_; }
  const std::string& ServerClassName() const { return serverClassName_; }
  const std::string& CompanyName() const { return companyName_; }
  bool WantLog() const { return wantLog_; }
  bool LocalServer() const { return localServer_; }

  // --- Message catalogue
  // The catalogue text of (kind, number) from the host, converted from the database code page;
  // without a host (or when the host fails) "Can not Get Message\rType= <kind>, ID= <number> ".
  std::string GetMessageText(std::string_view kind, std::string_view number);
  // Shows the catalogue text with its placeholders filled; the kind gives the dialog type and,
  // unless `buttons` is not empty, the buttons. The button pressed, 0 when nothing was shown.
  vcl::TModalResult ShowMessageId(std::string_view kind, std::string_view number,
                                  const std::vector<std::string>& arguments,
                                  vcl::TMsgDlgButtons buttons = {});
  // Records a message by identifier and shows it (OK only) unless its number is not above 0.
  // An empty identifier clears both accumulators.
  void RaiseMessage(std::string_view identifier);
  // Records a run-time error as "E;-1" with its text; shows nothing. An empty text clears both
  // accumulators.
  void RecordError(std::string_view errorText);
  // Shows a message dialog captioned like the dialog. While a page change is validated only
  // errors are shown (0 otherwise). Afterwards the active control gets a button-up message and,
  // after an error, the focus returns to the control that last had it.
  vcl::TModalResult ShowDialog(std::string_view text, vcl::TMsgDlgType type,
                               vcl::TMsgDlgButtons buttons);
  // Identifiers and texts of the messages since initialisation, each followed by "; ".
  const std::string& MessageIds() const { return messageIds_; }
  const std::string& MessageTexts() const { return messageTexts_; }

  // --- Application-server access
  // The company setting `name`; the first call (with an empty name) loads the settings. Empty
  // when unknown, except the four item-category names, which have default labels.
  std::string GetSetting(std::string_view name);
  // Looks a key up through the validator (QueryData with `query`, else CheckValue); the row or
  // rows come back in `result`. False without a validator or on any error.
  bool CheckCode(const Variant& table, const Variant& key, const Variant& parameters, bool query,
                 Variant& result);
  // The exit check of a code field: true without checking while the cancel button is active or
  // when the value is empty; a code the server does not know raises "E;000001" (kind "W":
  // "W;000004") with the text of "I;000008" and gives false. On success `result` is the row,
  // or its element `column` when the row has one (column -2 asks with QueryData).
  bool ValidateField(const Variant& table, const Variant& key, const Variant& value,
                     std::string_view kind, int column, Variant& result);
  // The host counter `name` (upper-cased) for the arguments; empty without a counter object.
  Variant GetCounterValue(std::string_view name, const Variant& arguments);
  // The date chosen in the host's date quick-pick, starting from `text` (a "YYYYMMDD" text, else
  // today), formatted for display as a date or a year-month; `text` when nothing was chosen,
  // empty without a lookup object.
  std::string PickDate(const std::string& text, bool yearMonth);
  // Fills an edit or the list of a selection panel from the host's lookup window.
  void FillPanelFromLookup(vcl::TControl* control, const Variant& table, const Variant& key,
                           bool allColumns, const Variant& extra, const Variant& parameters);
  // Help topic of a program code ("PXQR07" -> "12070000"); empty when the program has none.
  static std::string HelpTopic(std::string_view programCode);
  // Opens the program's help topic in the host.
  void CallHelp();

  // --- Hooks
  // A common phrase from the host replaces the control's text (when one is chosen).
  virtual void FillPhrase(vcl::TControl* control);
  // The host's lookup window: the chosen row, or rows with `multiple`; empty without a lookup
  // object or when the lookup fails.
  virtual Variant LookupByF2(const Variant& table, const Variant& key, const Variant& parameters,
                             const Variant& extra, bool multiple);
  // Counter, validator, company settings and company name from the host.
  virtual void CreateServiceObjects();
  // The lookup-window object, when the program's option flags ask for it.
  virtual void CreateLookupObject();

 protected:
  // Identity, service objects and program description, in this order.
  virtual void LoadHostInfo();
  // The base program description: program code and server class from the library name, the
  // program register, the option counts.
  virtual void DescribeProgram();
  // Called after the connection was configured, before the server object is obtained.
  virtual void AfterConnect(TSocketConnection* connection);
  // Reads the client configuration into MainMidas; false (after raising or recording the
  // reason) when the configuration failed or a message was already recorded.
  bool ConfigureConnection();
  // Obtains ServerObject: created in this process for "127.0.0.1", else through MainMidas.
  bool ConnectServer();
  // ProgramName and WantLog from the program register ("ADMMB").
  void LoadProgramRegister();
  // Posts a close request to the dialog's own window.
  void PostCloseRequest();
  void Notification(vcl::TComponent* c, vcl::TOperation op) override;

  Variant HostApp;
  Variant HostExtra;
  boundary::WindowHandle HostWindow = 0;
  Variant ServerObject;
  Variant CounterObject;
  Variant ValidatorObject;
  Variant LookupObject;
  std::int32_t VersionType = 0;
  std::int32_t ProductID = 3;
  int OptionFlags = 0;
  int EnvCount = 0;
  int OptionCount = 0;
  int BaseOptionCount = 1;
  // Options of the derived dialog itself (0 in the base).
  int OwnOptionCount = 0;
  std::string JobKind;
  std::string DateFields;
  std::string VersionText = "870401-0.00.00";
  TUserRights Rights;
  // Company settings as name=value lines.
  vcl::TStringList SystemSettings;
  // True: messages are shown; false: only accumulated (unattended runs).
  bool Interactive = true;
  bool FieldCheckFailed = false;
  // A page change is being validated.
  bool PageChanging = false;
  // The control that last had the focus; the focus returns there after an error message.
  vcl::TWinControl* LastFocused = nullptr;
  bool ComponentValues = true;
  bool ExternalRestoreOk = false;

  std::string modulePath_;
  std::string userCode_;
  std::string companyCode_;
  std::string dataSourceCode_;
  std::string programCode_;
  std::string programName_;
  std::string serverClassName_;
  std::string companyName_;
  bool wantLog_ = false;
  bool localServer_ = false;

 private:
  std::string messageIds_;
  std::string messageTexts_;
  bool settingsLoaded_ = false;
};

}  // namespace pxq::dialog
