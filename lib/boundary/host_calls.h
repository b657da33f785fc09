// The calls the library makes on the host's application object, the host's service objects and
// the application server: member names and argument layouts in one place, as small typed
// wrappers over late-bound automation calls. Nothing here guards: errors arrive as
// AutomationError (or VariantError when an answer has the wrong kind) and the caller decides
// the neutral answer. Text arguments are passed in whichever kind (wide or narrow) the caller
// gives them. "var" arguments are passed by reference and may come back changed.
#pragma once

#include <cstdint>

#include "lib/boundary/base_controller.h"
#include "platform/automation/automation.h"
#include "platform/variant/variant.h"

namespace pxq::boundary::host {

// Automation class of the application server's report counter.
inline constexpr char kAppServerClass[] = "ReportCounterS.dmReportCounter";
// Automation class of the host application when a dialog runs outside a host.
inline constexpr char kStandaloneHostClass[] = "VantorWorkCenter.Manager";
// Data provider of the scheme rows on the application-server connection.
inline constexpr char kSchemeProvider[] = "pvdConSave";

// --- Host application object (HostApp) ---

// Integer properties VersionType and ProductID.
std::int32_t VersionType(const Variant& hostApp);
std::int32_t ProductID(const Variant& hostApp);
// The catalogue text of a message: GetMessage(kind, number), both texts.
Variant GetMessage(const Variant& hostApp, const Variant& kind, const Variant& number);
// The three service objects.
Variant ComCounter(const Variant& hostApp);
Variant ComValidator(const Variant& hostApp);
Variant ComF2Window(const Variant& hostApp);
// Opens help: CallHelp([program prefix, topic]); no result.
void CallHelp(const Variant& hostApp, const Variant& programPrefix, const Variant& topic);
// Version text of a program file: GetFileList([file name in lower case]).
Variant GetFileList(const Variant& hostApp, const Variant& lowerCaseFileName);

// --- Counter object ---

// GetSysInfo(var company code): a two-dimensional array, [0, i] a setting name, [1, i] its value.
Variant GetSysInfo(const Variant& counter, Variant& companyCode);
// GetCounter(counter name, var arguments, [company code, data-source code]): the counter value.
Variant GetCounter(const Variant& counter, const Variant& name, Variant& arguments,
                   const Variant& companyCode, const Variant& dataSourceCode);

// --- Validator object ---

void SetValidatorProductID(const Variant& validator, std::int32_t productId);
void SetBaseLimited(const Variant& validator, const Variant& baseLimited);
// The five var arguments of CheckValue and QueryData; the row or rows come back in result.
struct ValidatorQuery {
  Variant table;
  Variant key;
  Variant dataSourceCode;
  Variant parameters;
  Variant result;
};
// Whether the key was found.
bool CheckValue(const Variant& validator, ValidatorQuery& query);
bool QueryData(const Variant& validator, ValidatorQuery& query);

// --- Lookup-window object ---

// The arguments of F2GetData, sent as one array with bounds 0 to 18.
struct F2Request {
  Variant table;            // [0] table code
  Variant key;              // [1] query key
  Variant parameters;       // [2]
  bool multiple = false;    // [3] multiple selection
  Variant extra;            // [4] extra text
  Variant companyCode;      // [5]
  Variant dataSourceCode;   // [6]
  WindowHandle window = 0;  // [7] the dialog's window, as an integer
  // [8] is 1 and [9] false.
  std::int32_t productId = 0;  // [10]
  // [11] to [13] are empty texts.
  Variant baseLimited;          // [14] the user's rights restriction text
  bool amountsAllowed = false;  // [15]
  bool rightFlag7 = false;      // [16]
  Variant hostApp;              // [17]
  Variant userCode;             // [18]
};
inline constexpr int kF2ArgumentCount = 19;
VarArray F2Arguments(const F2Request& request);
// The chosen row, or an array of rows with multiple selection.
Variant F2GetData(const Variant& lookup, const F2Request& request);
// GetPhrase(var user code, var data-source code, window handle): a phrase text.
Variant GetPhrase(const Variant& lookup, Variant& userCode, Variant& dataSourceCode,
                  WindowHandle window);
// ShowInputDay([year-minus-1911 display, start date "YYYYMMDD", data-source code]): the date.
Variant ShowInputDay(const Variant& lookup, bool yearMinus1911, const Variant& startDate,
                     const Variant& dataSourceCode);

// --- Application server ---
// Scheme operations answer an empty text on success, else the error's description.

// LoadTable([user code, program code]).
Variant LoadTable(const Variant& server, const Variant& userCode, const Variant& programCode);
// The record of InsertConTable, sent as one array with bounds 0 to 6 in this order.
struct SchemeRecord {
  Variant name;
  Variant userCode;
  Variant createDate;  // "YYYYMMDD"
  Variant programCode;
  Variant controlList;
  Variant valueList;
  bool replace = false;
};
Variant InsertConTable(const Variant& server, const SchemeRecord& record);
// DeleteConTable([name, user code, program code]).
Variant DeleteConTable(const Variant& server, const Variant& name, const Variant& userCode,
                       const Variant& programCode);
// ChangeConName([old name, user, program], [new name, user, program]).
Variant ChangeConName(const Variant& server, const Variant& oldName, const Variant& newName,
                      const Variant& userCode, const Variant& programCode);
// GetPower([data-source code, user code, program code, ""]): the rights answer.
Variant GetPower(const Variant& server, const Variant& dataSourceCode, const Variant& userCode,
                 const Variant& programCode);
// Request(package) and Request1(package, workstation name): the job text.
Variant Request(const Variant& server, const Variant& package);
Variant Request1(const Variant& server, const Variant& package, const Variant& workstation);
// The text of the server's last error.
Variant ErrorDescript(const Variant& server);
// UpdateStatus1(job text, message texts, date and time); no result.
void UpdateStatus1(const Variant& server, const Variant& jobText, const Variant& messageTexts,
                   const Variant& now);

}  // namespace pxq::boundary::host
