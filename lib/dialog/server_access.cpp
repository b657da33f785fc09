// Access to the application server and the host's service objects: settings, validation,
// counters, lookups, phrases, the date quick-pick, help, the program register and the
// connection. Every call is guarded and answers a neutral value on failure.
#include <chrono>
#include <ctime>
#include <exception>

#include "lib/boundary/host_calls.h"
#include "lib/config/corvane_ini.h"
#include "lib/dialog/base_gene.h"
#include "lib/util/dates.h"
#include "lib/util/strings.h"
#include "platform/automation/classes.h"
#include "platform/os/codepage.h"
#include "platform/os/text.h"

namespace pxq::dialog {

using namespace vcl;
namespace host = boundary::host;

namespace {

// An answer that should be an automation object; anything else counts as none.
Variant ObjectOrEmpty(const Variant& answer) { return answer.IsObject() ? answer : Variant(); }

std::string Today() {
  const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
  std::tm local{};
  localtime_r(&now, &local);
  return util::DateToText(util::EncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday));
}

}  // namespace

// --- Service objects -------------------------------------------------------------------------

void TfrmBaseGene::CreateServiceObjects() {
  if (!RunningAsLibrary()) {
    try {
      HostApp = Variant(CreateOleObject(host::kStandaloneHostClass));
    } catch (const std::exception&) {
      HostApp = Variant();
    }
  }
  try {
    CounterObject = ObjectOrEmpty(host::ComCounter(HostApp));
  } catch (const std::exception&) {
    CounterObject = Variant();
  }
  GetSetting("");
  companyName_ = GetSetting("NTQ002");
  try {
    ValidatorObject = ObjectOrEmpty(host::ComValidator(HostApp));
  } catch (const std::exception&) {
    ValidatorObject = Variant();
  }
}

void TfrmBaseGene::CreateLookupObject() {
  LookupObject = Variant();
  if ((OptionFlags & kOptionLookupWindows) == 0) return;
  try {
    LookupObject = ObjectOrEmpty(host::ComF2Window(HostApp));
  } catch (const std::exception&) {
    LookupObject = Variant();
  }
}

// --- Company settings ------------------------------------------------------------------------

std::string TfrmBaseGene::GetSetting(std::string_view name) {
  if (name.empty() && !settingsLoaded_) {
    settingsLoaded_ = true;
    SystemSettings.Clear();
    if (!CounterObject.IsObject()) return {};
    try {
      Variant company(companyCode_);
      const Variant info = host::GetSysInfo(CounterObject, company);
      if (info.IsArray() && info.Array().DimCount() == 2 && info.Array().Low(1) <= 0 &&
          info.Array().High(1) >= 1) {
        const VarArray& a = info.Array();
        for (int i = a.Low(2); i <= a.High(2); ++i) {
          try {
            SystemSettings.Add(a.At(0, i).ToAnsi() + "=" + a.At(1, i).ToAnsi());
          } catch (const std::exception&) {
            // A name or value that is not a text (an array, an object) is left out.
          }
        }
      }
    } catch (const std::exception&) {
      // No settings: every name reads as empty.
    }
    return {};
  }
  std::string value = SystemSettings.Values(name);
  if (value.empty()) {
    static const char* const kCategories[] = {"SYS007", "SYS008", "SYS009", "SYS010"};
    static const char* const kEnglish[] = {"Inv.Cate.1", "Inv.Cate.2", "Inv.Cate.3", "Inv.Cate.4"};
    static const char* const kChinese[] = {"商品分类方式一", "商品分类方式二", "商品分类方式三",
                                           "商品分类方式四"};
    const std::string upper = os::UpperAscii(name);
    for (int i = 0; i < 4; ++i) {
      if (upper == kCategories[i])
        return UICodePage() == "437" ? kEnglish[i] : os::Ansi(kChinese[i]);
    }
    return value;
  }
  if (Converted()) value = NtConverter->ConvertFromDatabase(Variant(value)).ToAnsi();
  return value;
}

// --- Validation and counters -----------------------------------------------------------------

bool TfrmBaseGene::CheckCode(const Variant& table, const Variant& key, const Variant& parameters,
                             bool query, Variant& result) {
  const Variant converted = NtConverter->ConvertToDatabase(parameters);
  if (!ValidatorObject.IsObject()) return false;
  try {
    host::SetValidatorProductID(ValidatorObject, ProductID);
    host::SetBaseLimited(ValidatorObject, Variant(Rights.BaseLimited));
  } catch (const std::exception&) {
    // The validator works without them.
  }
  bool found = false;
  try {
    host::ValidatorQuery q{table, key, Variant(dataSourceCode_), converted, Variant()};
    found = query ? host::QueryData(ValidatorObject, q) : host::CheckValue(ValidatorObject, q);
    result = Converted() ? NtConverter->ConvertFromDatabase(q.result) : q.result;
  } catch (const std::exception&) {
    return false;
  }
  return found;
}

bool TfrmBaseGene::ValidateField(const Variant& table, const Variant& key, const Variant& value,
                                 std::string_view kind, int column, Variant& result) {
  if (btnCancel && ActiveControl() == btnCancel) return true;
  if (value.IsBlank() || (value.IsText() && value.ToAnsi().empty())) return true;
  Variant row;
  if (!CheckCode(table, key, value, column == -2, row)) {
    const std::string notFound = GetMessageText("I", "000008");
    RaiseMessage((kind == "W" ? "W;000004;" : "E;000001;") + notFound);
    return false;
  }
  if (row.IsArray() && row.Array().DimCount() == 1 && row.Array().Contains(column))
    result = row.Array()[column];
  else
    result = row;
  return true;
}

Variant TfrmBaseGene::GetCounterValue(std::string_view name, const Variant& arguments) {
  if (!CounterObject.IsObject()) return {};
  try {
    Variant args = arguments;
    return host::GetCounter(CounterObject, Variant(os::UpperAscii(name)), args,
                            Variant(companyCode_), Variant(dataSourceCode_));
  } catch (const std::exception&) {
    return {};
  }
}

// --- Lookup windows, phrases and dates --------------------------------------------------------

Variant TfrmBaseGene::LookupByF2(const Variant& table, const Variant& key,
                                 const Variant& parameters, const Variant& extra, bool multiple) {
  if (!LookupObject.IsObject()) return {};
  try {
    host::F2Request r;
    r.table = table;
    r.key = key;
    r.parameters = NtConverter->ConvertToDatabase(parameters);
    r.multiple = multiple;
    r.extra = NtConverter->ConvertToDatabase(extra);
    r.companyCode = Variant(companyCode_);
    r.dataSourceCode = Variant(dataSourceCode_);
    r.window = static_cast<boundary::WindowHandle>(Handle());
    r.productId = ProductID;
    r.baseLimited = Variant(Rights.BaseLimited);
    r.amountsAllowed = Rights.AmountsAllowed;
    r.rightFlag7 = Rights.RightFlag7;
    r.hostApp = HostApp;
    r.userCode = Variant(userCode_);
    const Variant answer = host::F2GetData(LookupObject, r);
    return Converted() ? NtConverter->ConvertFromDatabase(answer) : answer;
  } catch (const std::exception&) {
    return {};
  }
}

void TfrmBaseGene::FillPhrase(TControl* control) {
  if (!control || !LookupObject.IsObject()) return;
  try {
    Variant user(userCode_), dataSource(dataSourceCode_);
    Variant phrase = host::GetPhrase(LookupObject, user, dataSource,
                                     static_cast<boundary::WindowHandle>(Handle()));
    if (Converted()) phrase = NtConverter->ConvertFromDatabase(phrase);
    const std::string text = phrase.ToAnsi();
    if (!text.empty()) control->SetText(text);
  } catch (const std::exception&) {
    // No phrase: the control keeps its text.
  }
}

std::string TfrmBaseGene::PickDate(const std::string& text, bool yearMonth) {
  if (!LookupObject.IsObject()) return {};
  const int displayType = util::StrToIntDef(GetSetting("Sys001"), 1);
  std::string separator = GetSetting("Sys002");
  if (separator.empty()) separator = "/";
  const std::string start = text.size() == 8 ? text : Today();
  std::string answer;
  try {
    answer =
        host::ShowInputDay(LookupObject, displayType > 3, Variant(start), Variant(dataSourceCode_))
            .ToAnsi();
  } catch (const std::exception&) {
    return text;
  }
  const std::string trimmed = os::Trim(answer);
  if (trimmed.empty()) return text;
  const util::DateDays date =
      util::TextToDate(yearMonth && trimmed.size() == 6 ? trimmed + "01" : trimmed.substr(0, 8));
  if (date == 0) return text;
  return yearMonth ? util::FormatYearMonthText(displayType, separator, date)
                   : util::FormatDateText(displayType, separator, date);
}

// --- Help ------------------------------------------------------------------------------------

std::string TfrmBaseGene::HelpTopic(std::string_view code) {
  if (code.size() < 4) return {};
  const char fourth = code[3];
  const bool byFifth = fourth == 'A' || fourth == 'M';
  if (byFifth && code.size() < 5) return {};
  std::string topic = fourth == 'A' ? "6" : fourth == 'M' ? "8" : "1";
  const char kindLetter = byFifth ? code[4] : fourth;
  if (kindLetter == 'B')
    topic += "3";
  else if (kindLetter == 'R')
    topic += "2";
  else
    return {};
  return topic + std::string(code.substr(code.size() - 2)) + "0000";
}

void TfrmBaseGene::CallHelp() {
  const std::string topic = HelpTopic(programCode_);
  if (topic.empty()) return;
  try {
    host::CallHelp(HostApp, Variant(programCode_.substr(0, 3)), Variant(topic));
  } catch (const std::exception&) {
    // Help is a convenience; a host without it changes nothing.
  }
}

// --- Program register and connection --------------------------------------------------------

void TfrmBaseGene::LoadProgramRegister() {
  try {
    Variant row;
    if (!CheckCode("ADMMB", "01", Variant(VarArray::Of({Variant(programCode_)})), false, row))
      throw std::runtime_error("not registered");
    const VarArray& r = row.Array();
    std::string name = r[0].ToAnsi();
    const bool log = r[4].ToAnsi() == "Y";
    if (r.High() > 6 && UICodePage() == "437") name = r[7].ToAnsi();
    programName_ = name;
    wantLog_ = log;
  } catch (const std::exception&) {
    programName_ = programCode_;
    wantLog_ = false;
  }
}

bool TfrmBaseGene::ConfigureConnection() {
  try {
    MainMidas->Close();
    config::TCorvaneIniC ini;
    if (!ini.ErrorId.empty()) RaiseMessage(ini.ErrorId);
    if (!MessageIds().empty()) return false;
    const Variant& list = ini.ServerList;
    if (list.IsArray() && list.Array().DimCount() == 2) {
      MainMidas->SetAddress(list.Array().At(0, 0).ToAnsi());
      MainMidas->SetPort(list.Array().At(1, 0).ToInt32());
      MainMidas->SetObjectBroker("");
    }
    return true;
  } catch (const std::exception& e) {
    RecordError(e.what());
    return false;
  }
}

bool TfrmBaseGene::ConnectServer() {
  try {
    ServerObject = Variant();
    if (MainMidas->Connected()) MainMidas->Close();
    localServer_ = util::IsLocalHost(MainMidas->Address());
    if (localServer_) {
      const Variant server(CreateOleObject(MainMidas->ServerName()));
      MainMidas->SetAppServer(server);
      ServerObject = server;
    } else {
      MainMidas->Open();
      ServerObject = MainMidas->AppServer();
    }
    return true;
  } catch (const std::exception& e) {
    RecordError(e.what());
    return false;
  }
}

}  // namespace pxq::dialog
