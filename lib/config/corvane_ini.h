// The client and server configuration of an installation: registry key "Software\NTQ\Corvane"
// (HKEY_LOCAL_MACHINE, read-only) and the profile files "CorvaneC.ini" and "CorvaneS.ini".
// Each object reads everything once, in its constructor; callers copy the fields they need and
// drop the object. Nothing is ever written back. Texts are bytes of the ANSI code page; folders
// are in this platform's form (see folders.h) and end with "/".
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/variant/variant.h"

namespace pxq::config {

// Message ids recorded in ErrorId.
inline constexpr char kErrorRegistryKey[] = "E;000015";  // the registry key cannot be opened
inline constexpr char kErrorNoServer[] = "E;000016";     // client: no application-server host

class TCorvaneIniC {
 public:
  TCorvaneIniC();

  // Fills every field; false when the load failed (ErrorId tells why, when it can).
  bool Load();

  std::string ClientPath;   // registry "ClientPath", ending with "/" when not empty
  std::string ProfilePath;  // folder of the profile file read, ending with "/"
  std::string ProfileType;  // registry "ProfileType" as read ("0" until the registry is read)
  std::string ProfileUser;  // "Default", or the user name when per-user profiles are on
  std::string UICodePage;
  std::string DBCodePage;
  std::string SystemCodePage;  // "936", "950", or "437" for any other ANSI code page
  uint8_t UIConvertMode = 0;   // 0, 2 or 4
  uint8_t DBConvertMode = 0;   // 0, 1 or 2
  bool SupportCallBack = false;
  std::string IniFileName;
  // Hosts and port of the application server, bounds [0..1, 0..n-1]: [0, i] the i-th host
  // (text), [1, i] the port (integer). Column 0 is the host that the connection uses. Empty
  // when the load failed.
  Variant ServerList;
  std::string ErrorId;
  std::string LangType;
  // Absolute folders that hold work libraries, each ending with "/". (After "E;000016" it holds
  // the section's raw "name=value" lines.)
  std::vector<std::string> WorkDLLPath;
  std::string Version;
  std::string CreateGifBeforeSendEF;
  std::string AutoCheckNewMsg;
  std::string CheckInterval;
  std::string PopupMsg;
  std::string LoginCheck;
};

class TCorvaneIniS {
 public:
  TCorvaneIniS();

  // Fills every field; false when the load failed (ErrorId tells why, when it can).
  bool Load();
  // Replaces the content of `list` with a copy of WorkDLLPath.
  void GetWorkDLLPath(std::vector<std::string>& list) const;

  std::string ServerPath;  // registry "ServerPath", ending with "/" when not empty
  std::string ProfilePath;
  std::string ProfileType;
  std::string ProfileUser;
  std::string UICodePage;
  std::string DBCodePage;
  std::string SystemCodePage;
  uint8_t UIConvertMode = 0;
  uint8_t DBConvertMode = 0;
  bool SupportCallBack = false;
  std::string IniFileName;
  // Database connection settings, bounds [0..3, 0..7]; rows: 0 main database (alias, user,
  // password, type, name, server, connection and command time-out), 1 temporary database
  // (alias, user, password, type, name, driver, time-outs), 2 password control (host, server
  // port, client port) and the database collation at [2,3], 3 EDI database (alias, user,
  // password as stored). Elements not read stay empty.
  Variant DatabaseSettings;
  std::string ErrorId;
  std::vector<std::string> WorkDLLPath;
  std::string Version;
  uint8_t DatabaseKind = 0;  // 1 "ORACLE", 2 "DB2", else 0
  std::string SystemControlAddress;
  std::string OtherSystemControlAddress;
};

}  // namespace pxq::config
