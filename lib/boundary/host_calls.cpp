#include "lib/boundary/host_calls.h"

#include <utility>

namespace pxq::boundary::host {

namespace {
Variant Array(std::vector<Variant> elements) { return Variant(VarArray::Of(std::move(elements))); }
}  // namespace

std::int32_t VersionType(const Variant& hostApp) {
  return GetProp(hostApp, "VersionType").ToInt32();
}

std::int32_t ProductID(const Variant& hostApp) { return GetProp(hostApp, "ProductID").ToInt32(); }

Variant GetMessage(const Variant& hostApp, const Variant& kind, const Variant& number) {
  return Call(hostApp, "GetMessage", {kind, number});
}

Variant ComCounter(const Variant& hostApp) { return Call(hostApp, "Com_Counter"); }
Variant ComValidator(const Variant& hostApp) { return Call(hostApp, "Com_Validator"); }
Variant ComF2Window(const Variant& hostApp) { return Call(hostApp, "Com_F2Window"); }

void CallHelp(const Variant& hostApp, const Variant& programPrefix, const Variant& topic) {
  Call(hostApp, "CallHelp", {Array({programPrefix, topic})});
}

Variant GetFileList(const Variant& hostApp, const Variant& lowerCaseFileName) {
  return Call(hostApp, "GetFileList", {Array({lowerCaseFileName})});
}

Variant GetSysInfo(const Variant& counter, Variant& companyCode) {
  Args args{companyCode};
  Variant answer = Invoke(counter, "GetSysInfo", args);
  companyCode = std::move(args[0]);
  return answer;
}

Variant GetCounter(const Variant& counter, const Variant& name, Variant& arguments,
                   const Variant& companyCode, const Variant& dataSourceCode) {
  Args args{name, arguments, Array({companyCode, dataSourceCode})};
  Variant answer = Invoke(counter, "GetCounter", args);
  arguments = std::move(args[1]);
  return answer;
}

void SetValidatorProductID(const Variant& validator, std::int32_t productId) {
  SetProp(validator, "ProductID", Variant(productId));
}

void SetBaseLimited(const Variant& validator, const Variant& baseLimited) {
  SetProp(validator, "BaseLimited", baseLimited);
}

namespace {
bool ValidatorCall(const Variant& validator, const char* name, ValidatorQuery& q) {
  Args args{q.table, q.key, q.dataSourceCode, q.parameters, q.result};
  Variant found = Invoke(validator, name, args);
  q.table = std::move(args[0]);
  q.key = std::move(args[1]);
  q.dataSourceCode = std::move(args[2]);
  q.parameters = std::move(args[3]);
  q.result = std::move(args[4]);
  return found.ToBool();
}
}  // namespace

bool CheckValue(const Variant& validator, ValidatorQuery& query) {
  return ValidatorCall(validator, "CheckValue", query);
}

bool QueryData(const Variant& validator, ValidatorQuery& query) {
  return ValidatorCall(validator, "QueryData", query);
}

VarArray F2Arguments(const F2Request& r) {
  const Variant noText{std::string()};
  return VarArray::Of({r.table, r.key, r.parameters, Variant(r.multiple), r.extra, r.companyCode,
                       r.dataSourceCode, Variant(static_cast<int64_t>(r.window)), Variant(1),
                       Variant(false), Variant(r.productId), noText, noText, noText, r.baseLimited,
                       Variant(r.amountsAllowed), Variant(r.rightFlag7), r.hostApp, r.userCode});
}

Variant F2GetData(const Variant& lookup, const F2Request& request) {
  return Call(lookup, "F2GetData", {Variant(F2Arguments(request))});
}

Variant GetPhrase(const Variant& lookup, Variant& userCode, Variant& dataSourceCode,
                  WindowHandle window) {
  Args args{userCode, dataSourceCode, Variant(static_cast<int64_t>(window))};
  Variant answer = Invoke(lookup, "GetPhrase", args);
  userCode = std::move(args[0]);
  dataSourceCode = std::move(args[1]);
  return answer;
}

Variant ShowInputDay(const Variant& lookup, bool yearMinus1911, const Variant& startDate,
                     const Variant& dataSourceCode) {
  return Call(lookup, "ShowInputDay", {Array({Variant(yearMinus1911), startDate, dataSourceCode})});
}

Variant LoadTable(const Variant& server, const Variant& userCode, const Variant& programCode) {
  return Call(server, "LoadTable", {Array({userCode, programCode})});
}

Variant InsertConTable(const Variant& server, const SchemeRecord& r) {
  return Call(server, "InsertConTable",
              {Array({r.name, r.userCode, r.createDate, r.programCode, r.controlList, r.valueList,
                      Variant(r.replace)})});
}

Variant DeleteConTable(const Variant& server, const Variant& name, const Variant& userCode,
                       const Variant& programCode) {
  return Call(server, "DeleteConTable", {Array({name, userCode, programCode})});
}

Variant ChangeConName(const Variant& server, const Variant& oldName, const Variant& newName,
                      const Variant& userCode, const Variant& programCode) {
  return Call(server, "ChangeConName",
              {Array({oldName, userCode, programCode}), Array({newName, userCode, programCode})});
}

Variant GetPower(const Variant& server, const Variant& dataSourceCode, const Variant& userCode,
                 const Variant& programCode) {
  return Call(server, "GetPower",
              {Array({dataSourceCode, userCode, programCode, Variant(std::string())})});
}

Variant Request(const Variant& server, const Variant& package) {
  return Call(server, "Request", {package});
}

Variant Request1(const Variant& server, const Variant& package, const Variant& workstation) {
  return Call(server, "Request1", {package, workstation});
}

Variant ErrorDescript(const Variant& server) { return Call(server, "ErrorDescript"); }

void UpdateStatus1(const Variant& server, const Variant& jobText, const Variant& messageTexts,
                   const Variant& now) {
  Call(server, "UpdateStatus1", {jobText, messageTexts, now});
}

}  // namespace pxq::boundary::host
