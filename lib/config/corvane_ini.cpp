#include "lib/config/corvane_ini.h"

#include <filesystem>
#include <string_view>
#include <system_error>
#include <utility>

#include "lib/config/folders.h"
#include "lib/config/password.h"
#include "platform/os/codepage.h"
#include "platform/os/profile.h"
#include "platform/os/registry.h"
#include "platform/os/sysinfo.h"
#include "platform/os/text.h"

namespace pxq::config {
namespace {

constexpr char kKeyPath[] = "Software\\NTQ\\Corvane";

using Lines = std::vector<std::pair<std::string, std::string>>;

// Folders are kept in the ANSI code page; the file system names files in UTF-8.
std::filesystem::path FileSystemPath(std::string_view ansi) { return os::AnsiToUtf8(ansi); }

bool IsYes(std::string_view value) {
  const std::string upper = os::UpperAscii(value);
  return upper == "1" || upper == "Y" || upper == "YES" || upper == "TRUE";
}

// The conversion modes follow from the code pages; applied at the start of a load and again
// once the profile file has been read.
template <class Ini>
void DeriveConvertModes(Ini& ini) {
  if (ini.UICodePage == "950") {
    ini.UIConvertMode = 2;
  } else if (ini.UICodePage == "936" && ini.SystemCodePage == "950") {
    ini.UIConvertMode = 4;
  } else {
    ini.UIConvertMode = 0;
  }
  if (ini.UICodePage == "950" && ini.DBCodePage == "936") {
    ini.DBConvertMode = 2;
  } else if (ini.UICodePage == "936" && ini.DBCodePage == "950") {
    ini.DBConvertMode = 1;
  } else {
    ini.DBConvertMode = 0;
  }
}

template <class Ini>
void SetInitialValues(Ini& ini, std::string& installFolder) {
  ini.ErrorId.clear();
  installFolder.clear();
  ini.ProfilePath.clear();
  ini.ProfileType = "0";
  ini.ProfileUser = "Default";
  ini.DBCodePage = "936";
  ini.SystemCodePage = std::to_string(os::AnsiCodePage());
  if (ini.SystemCodePage != "936" && ini.SystemCodePage != "950") ini.SystemCodePage = "437";
  ini.UICodePage = ini.SystemCodePage;
  ini.SupportCallBack = false;
  ini.IniFileName.clear();
  DeriveConvertModes(ini);
}

bool IsFileIn(const std::string& folder, std::string_view fileName) {
  auto found = os::FindEntryIgnoringCase(FileSystemPath(folder), fileName);
  std::error_code ec;
  return found && !std::filesystem::is_directory(*found, ec);
}

// Reads the installation folder and the profile type from the registry and chooses the profile
// file: the user's own under "Profile/<user>/" when per-user profiles are on and it exists,
// else the one in the installation folder (which need not exist). False when the load stops.
template <class Ini>
bool LocateProfile(Ini& ini, std::string& installFolder, std::string_view folderValue,
                   std::string_view fileName) {
  auto key = os::RegistryKey::OpenReadOnly(os::RegistryHive::LocalMachine, kKeyPath);
  if (!key) {
    ini.ErrorId = kErrorRegistryKey;
    return false;
  }
  const std::string configured = key->ReadStringOrEmpty(folderValue);
  ini.ProfileType = key->ReadStringOrEmpty("ProfileType");
  if (configured.empty()) return false;
  installFolder = InstallationFolder(configured);
  ini.ProfilePath = installFolder;
  if (!ini.ProfileType.empty() && ini.ProfileType != "0") {
    ini.ProfileUser = os::Ansi(os::UserName());
    ini.ProfilePath = installFolder + "Profile/" + ini.ProfileUser + "/";
  }
  if (!IsFileIn(ini.ProfilePath, fileName)) ini.ProfilePath = installFolder;
  ini.IniFileName = ini.ProfilePath + std::string(fileName);
  return true;
}

std::vector<std::string> RawLines(const Lines& lines) {
  std::vector<std::string> raw;
  for (const auto& [name, value] : lines) raw.push_back(name + "=" + value);
  return raw;
}

// The "WorkDLLPath" lines as absolute folders, in their order; the names are dropped. Without
// lines, the one default folder under the installation folder.
std::vector<std::string> WorkFolders(const Lines& lines, const std::string& installFolder,
                                     std::string_view defaultName) {
  if (lines.empty()) return {installFolder + std::string(defaultName)};
  std::vector<std::string> folders;
  for (const auto& [name, value] : lines)
    folders.push_back(ResolvePath(EndsWithSeparator(value) ? value : value + "\\", installFolder));
  return folders;
}

// "host1;host2" -> [0..1, 0..1]: hosts in row 0, the port in every column of row 1. The pieces
// are not trimmed.
Variant HostList(std::string_view hosts, int32_t port) {
  VarArray list(0, 1, 0, 0);
  for (int i = 0;; ++i) {
    const size_t separator = hosts.find(';');
    list.Redim(i);
    list.At(0, i) = Variant(std::string(hosts.substr(0, separator)));
    list.At(1, i) = Variant(port);
    if (separator == std::string_view::npos) break;
    hosts.remove_prefix(separator + 1);
  }
  return Variant(std::move(list));
}

}  // namespace

TCorvaneIniC::TCorvaneIniC() { Load(); }

bool TCorvaneIniC::Load() {
  SetInitialValues(*this, ClientPath);
  if (!LocateProfile(*this, ClientPath, "ClientPath", "CorvaneC.ini")) return false;

  const os::ProfileFile ini(FileSystemPath(IniFileName));
  LangType = ini.ReadString("Client Components", "LangType", "ENG");
  Version = ini.ReadString("ProductVersion", "Version", "");
  CreateGifBeforeSendEF = ini.ReadString("UserDefine", "CreateGifBeforeSendEF", "Y");
  UICodePage = ini.ReadString("CodePage", "UICodePage", SystemCodePage);
  DBCodePage = ini.ReadString("CodePage", "DBCodePage", "936");
  SupportCallBack = IsYes(ini.ReadString("Server Information", "SupportCallBack", "0"));
  std::string hosts = os::Trim(ini.ReadString("Server Information", "ComputerName", "127.0.0.1"));
  const int32_t port = ini.ReadInteger("Server Information", "ServerPort", 211);
  const Lines folders = ini.ReadSectionValues("WorkDLLPath");
  WorkDLLPath = RawLines(folders);
  AutoCheckNewMsg = ini.ReadString("TaskMessageCenter Setting", "AutoCheckNewMsg", "1");
  CheckInterval = ini.ReadString("TaskMessageCenter Setting", "CheckInterval", "1");
  PopupMsg = ini.ReadString("TaskMessageCenter Setting", "PopupMsg", "1");
  LoginCheck = ini.ReadString("TaskMessageCenter Setting", "LoginCheck", "0");
  DeriveConvertModes(*this);

  if (!hosts.empty() && hosts.back() == ';') hosts.pop_back();
  if (hosts.empty()) {
    ErrorId = kErrorNoServer;
    return false;
  }
  ServerList = HostList(hosts, port);
  WorkDLLPath = WorkFolders(folders, ClientPath, "C_PKG/");
  return true;
}

TCorvaneIniS::TCorvaneIniS() { Load(); }

bool TCorvaneIniS::Load() {
  SetInitialValues(*this, ServerPath);
  if (!LocateProfile(*this, ServerPath, "ServerPath", "CorvaneS.ini")) return false;

  const os::ProfileFile ini(FileSystemPath(IniFileName));
  VarArray db(0, 3, 0, 7);
  auto text = [&](int i, int j, std::string_view key, std::string_view defaultValue) {
    db.At(i, j) = Variant(ini.ReadString("DBE Setting", key, defaultValue));
  };
  auto number = [&](int i, int j, std::string_view section, std::string_view key,
                    int32_t defaultValue) {
    db.At(i, j) = Variant(ini.ReadInteger(section, key, defaultValue));
  };
  auto password = [&](int i, int j, std::string_view key) {
    db.At(i, j) = Variant(DecodePassword(ini.ReadString("DBE Setting", key, "")));
  };

  Version = ini.ReadString("ProductVersion", "Version", "");
  UICodePage = ini.ReadString("CodePage", "UICodePage", SystemCodePage);
  DBCodePage = ini.ReadString("CodePage", "DBCodePage", "936");
  text(0, 0, "MainAlias", "Vantor");
  text(0, 1, "MainUserName", "sa");
  password(0, 2, "XXXXXX");
  text(0, 3, "MainDBType", "MSSQL");
  text(0, 4, "MainDBName", "");
  text(0, 5, "MainServerName", "");
  SystemControlAddress = ini.ReadString("DBE Setting", "SystemControlAddress", "");
  OtherSystemControlAddress = ini.ReadString("DBE Setting", "OtherSystemControlAddress", "");
  number(0, 6, "DBE Setting", "MainConnectionTimeOut", 300);
  number(0, 7, "DBE Setting", "MainCommandTimeOut", 3000);
  text(1, 0, "TempAlias", "VantorTemp");
  text(1, 1, "TempUserName", "sa");
  password(1, 2, "TempPassword");
  text(1, 3, "TempDBType", "PARADOX");
  text(1, 4, "TempDBName", "");
  text(1, 5, "TempDriverName", "PostgreSQL");
  number(1, 6, "DBE Setting", "TempConnectionTimeOut", 300);
  number(1, 7, "DBE Setting", "TempCommandTimeOut", 3000);
  db.At(2, 0) = Variant(os::Trim(ini.ReadString("DBPasswordCtrl", "ComputerName", "")));
  number(2, 1, "DBPasswordCtrl", "ServerPort", 211);
  number(2, 2, "DBPasswordCtrl", "ClientSocketPort", 1024);
  SupportCallBack = IsYes(ini.ReadString("DBPasswordCtrl", "SupportCallBack", "0"));
  text(2, 3, "DataBaseCodeOrder", "Chinese_Taiwan_Stroke_BIN");
  text(3, 0, "EctAlias", "EDIDATA");
  text(3, 1, "EctUserName", "sa");
  text(3, 2, "EctPassword", "");
  const Lines folders = ini.ReadSectionValues("WorkDLLPath");

  const std::string& mainServer = db.At(0, 5).Narrow();
  if (os::Trim(SystemControlAddress).empty()) SystemControlAddress = mainServer;
  if (os::Trim(OtherSystemControlAddress).empty()) OtherSystemControlAddress = mainServer;
  const std::string& mainType = db.At(0, 3).Narrow();
  DatabaseKind = 0;
  if (os::EqualsIgnoreCase(mainType, "ORACLE")) DatabaseKind = 1;
  if (os::EqualsIgnoreCase(mainType, "DB2")) DatabaseKind = 2;
  DatabaseSettings = Variant(std::move(db));
  DeriveConvertModes(*this);
  WorkDLLPath = WorkFolders(folders, ServerPath, "S_PKG/");
  return true;
}

void TCorvaneIniS::GetWorkDLLPath(std::vector<std::string>& list) const { list = WorkDLLPath; }

}  // namespace pxq::config
