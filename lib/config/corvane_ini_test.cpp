#include "lib/config/corvane_ini.h"

#include <gtest/gtest.h>

#include <optional>

#include "lib/config/password.h"
#include "platform/os/codepage.h"
#include "platform/os/sysinfo.h"
#include "testing/testing.h"

namespace pxq::config {
namespace {

// An installation in a temporary folder: the registry store under registry/, the installation
// folder under install/ (given to the registry with a trailing "/" left off on purpose).
class CorvaneIniTest : public ::testing::Test {
 protected:
  std::string Install() const { return (dir_ / "install").string() + "/"; }
  void Registry(const std::string& values) {
    testing::WriteRegistryKey(dir_ / "registry", "Software\\NTQ\\Corvane", values);
  }
  void Installed(const std::string& profileType = "0") {
    Registry("ClientPath=" + (dir_ / "install").string() +
             "\nServerPath=" + (dir_ / "install").string() + "\nProfileType=" + profileType + "\n");
  }
  void Client(const std::string& text) { testing::WriteFile(dir_ / "install/CorvaneC.ini", text); }
  void Server(const std::string& text) { testing::WriteFile(dir_ / "install/CorvaneS.ini", text); }
  std::string GeneratorLog() const {
    std::string text;
    std::error_code ec;
    for (const auto& e : std::filesystem::directory_iterator(dir_ / "install" / "Log", ec))
      text += testing::ReadFile(e.path());
    return text;
  }

  testing::TempDir dir_;
  testing::ScopedEnv root_{"PXQ_REGISTRY_ROOT", (dir_ / "registry").string()};
  testing::ScopedCodePage gbk_{936};
};

// Column i of a host list: host and port.
std::pair<std::string, int64_t> Column(const Variant& list, int i) {
  return {list.Array().At(0, i).Narrow(), list.Array().At(1, i).ToInt()};
}

TEST_F(CorvaneIniTest, ClientWithoutProfileFileTakesEveryDefault) {
  Installed();
  TCorvaneIniC ini;
  EXPECT_EQ(ini.ErrorId, "");
  EXPECT_EQ(ini.ClientPath, Install());
  EXPECT_EQ(ini.ProfilePath, Install());
  EXPECT_EQ(ini.IniFileName, Install() + "CorvaneC.ini");
  EXPECT_EQ(ini.ProfileType, "0");
  EXPECT_EQ(ini.ProfileUser, "Default");
  EXPECT_EQ(ini.LangType, "ENG");
  EXPECT_EQ(ini.Version, "");
  EXPECT_EQ(ini.CreateGifBeforeSendEF, "Y");
  EXPECT_EQ(ini.SystemCodePage, "936");
  EXPECT_EQ(ini.UICodePage, "936");
  EXPECT_EQ(ini.DBCodePage, "936");
  EXPECT_EQ(ini.UIConvertMode, 0);
  EXPECT_EQ(ini.DBConvertMode, 0);
  EXPECT_FALSE(ini.SupportCallBack);
  ASSERT_TRUE(ini.ServerList.IsArray());
  const VarArray& list = ini.ServerList.Array();
  EXPECT_EQ(list.DimCount(), 2);
  EXPECT_EQ(list.Low(1), 0);
  EXPECT_EQ(list.High(1), 1);
  EXPECT_EQ(list.Low(2), 0);
  EXPECT_EQ(list.High(2), 0);
  EXPECT_EQ(Column(ini.ServerList, 0), (std::pair<std::string, int64_t>{"127.0.0.1", 211}));
  EXPECT_EQ(ini.WorkDLLPath, std::vector<std::string>{Install() + "C_PKG/"});
  EXPECT_EQ(ini.AutoCheckNewMsg, "1");
  EXPECT_EQ(ini.CheckInterval, "1");
  EXPECT_EQ(ini.PopupMsg, "1");
  EXPECT_EQ(ini.LoginCheck, "0");
  EXPECT_TRUE(ini.Load());
}

TEST_F(CorvaneIniTest, ClientReadsEveryKeyOfAFileWrittenOnTheDesktop) {
  Installed();
  Client(
      "\xEF\xBB\xBF; client profile\r\n"
      "[client components]\r\nlangtype=CHS\r\nLangType=ENG\r\n"
      "[ProductVersion]\r\nVersion=9.0 \xD6\xD0\xCE\xC4\r\n"
      "[UserDefine]\r\nCreateGifBeforeSendEF=N\r\n"
      "[CodePage]\r\nUICodePage=950\r\nDBCodePage=936\r\n"
      "[Server Information]\r\nSupportCallBack=yes\r\nComputerName=  app1;app2;  \r\n"
      "ServerPort=$D3\r\nbroken line\r\n"
      "[WorkDLLPath]\r\nA=D:\\Work\\C_PKG\r\nB=\\Extra\r\nC=rel/dir/\r\n"
      "[TaskMessageCenter Setting]\r\nAutoCheckNewMsg=0\r\nCheckInterval=5\r\nPopupMsg=0\r\n"
      "LoginCheck=1\r\n");
  TCorvaneIniC ini;
  EXPECT_EQ(ini.ErrorId, "");
  EXPECT_EQ(ini.LangType, "CHS");  // the first of duplicate keys
  EXPECT_EQ(ini.Version, "9.0 \xD6\xD0\xCE\xC4");
  EXPECT_EQ(ini.CreateGifBeforeSendEF, "N");
  EXPECT_EQ(ini.UICodePage, "950");
  EXPECT_EQ(ini.UIConvertMode, 2);
  EXPECT_EQ(ini.DBConvertMode, 2);
  EXPECT_TRUE(ini.SupportCallBack);
  ASSERT_EQ(ini.ServerList.Array().High(2), 1);
  EXPECT_EQ(Column(ini.ServerList, 0), (std::pair<std::string, int64_t>{"app1", 211}));
  EXPECT_EQ(Column(ini.ServerList, 1), (std::pair<std::string, int64_t>{"app2", 211}));
  EXPECT_EQ(ini.WorkDLLPath, (std::vector<std::string>{"/Work/C_PKG/", Install() + "Extra/",
                                                       Install() + "rel/dir/"}));
  EXPECT_EQ(ini.AutoCheckNewMsg, "0");
  EXPECT_EQ(ini.CheckInterval, "5");
  EXPECT_EQ(ini.PopupMsg, "0");
  EXPECT_EQ(ini.LoginCheck, "1");
}

TEST_F(CorvaneIniTest, ClientHostListAndPort) {
  Installed();
  struct Case {
    std::optional<std::string> hosts;  // nullopt: no "ComputerName" key
    const char* port;
    std::vector<std::string> expected;  // empty: "E;000016"
    int64_t expectedPort;
  } cases[] = {
      {std::nullopt, "", {"127.0.0.1"}, 211},
      {"srv", "212", {"srv"}, 212},
      {"a;b;", "abc", {"a", "b"}, 211},   // each host followed by ";"; non-numeric port
      {"a; b", "0x10", {"a", " b"}, 16},  // pieces are not trimmed
      {"a;;", " ", {"a", ""}, 211},       // only one ";" is removed from the end
      {"", "", {}, 0},
      {" ; ", "", {}, 0},
  };
  for (const auto& c : cases) {
    std::string text = "[Server Information]\nServerPort=" + std::string(c.port) + "\n";
    if (c.hosts) text += "ComputerName=" + *c.hosts + "\n";
    Client(text + "[WorkDLLPath]\nX=/x\n");
    TCorvaneIniC ini;
    const std::string label = c.hosts.value_or("(none)");
    if (c.expected.empty()) {
      EXPECT_EQ(ini.ErrorId, kErrorNoServer) << label;
      EXPECT_FALSE(ini.Load()) << label;
      EXPECT_TRUE(ini.ServerList.IsEmpty()) << label;
      EXPECT_EQ(ini.WorkDLLPath, std::vector<std::string>{"X=/x"}) << label;
      continue;
    }
    EXPECT_EQ(ini.ErrorId, "") << label;
    ASSERT_TRUE(ini.ServerList.IsArray()) << label;
    ASSERT_EQ(ini.ServerList.Array().Length(2), static_cast<int>(c.expected.size())) << label;
    for (int i = 0; i < static_cast<int>(c.expected.size()); ++i)
      EXPECT_EQ(Column(ini.ServerList, i), std::make_pair(c.expected[i], c.expectedPort)) << label;
    EXPECT_EQ(ini.WorkDLLPath, std::vector<std::string>{"/x/"}) << label;
  }
}

TEST_F(CorvaneIniTest, SupportCallBackAcceptsFourWordsInAnyCase) {
  Installed();
  struct Case {
    const char* value;
    bool expected;
  } cases[] = {{"1", true},   {"y", true},  {"Yes", true}, {"tRuE", true}, {"0", false},
               {"no", false}, {"2", false}, {"", false},   {"YES!", false}};
  for (const auto& c : cases) {
    Client(std::string("[Server Information]\nSupportCallBack=") + c.value + "\n");
    Server(std::string("[DBPasswordCtrl]\nSupportCallBack=") + c.value + "\n");
    EXPECT_EQ(TCorvaneIniC().SupportCallBack, c.expected) << c.value;
    EXPECT_EQ(TCorvaneIniS().SupportCallBack, c.expected) << c.value;
  }
}

TEST_F(CorvaneIniTest, CodePagesAndConversionModes) {
  Installed();
  struct Case {
    int system;
    const char* ui;  // nullptr: key missing
    const char* db;
    const char* systemText;
    const char* uiText;
    int uiMode, dbMode;
  } cases[] = {
      {1252, nullptr, nullptr, "437", "437", 0, 0}, {950, nullptr, nullptr, "950", "950", 2, 2},
      {950, "936", "950", "950", "936", 4, 1},      {950, "936", "936", "950", "936", 4, 0},
      {936, "936", "950", "936", "936", 0, 1},      {936, "950", "950", "936", "950", 2, 0},
      {936, "437", "950", "936", "437", 0, 0},
  };
  for (const auto& c : cases) {
    testing::ScopedCodePage system(c.system);
    std::string text = "[CodePage]\n";
    if (c.ui) text += std::string("UICodePage=") + c.ui + "\n";
    if (c.db) text += std::string("DBCodePage=") + c.db + "\n";
    Client(text);
    Server(text);
    TCorvaneIniC client;
    TCorvaneIniS server;
    for (auto [systemText, uiText, uiMode, dbMode] :
         {std::tuple{client.SystemCodePage, client.UICodePage, client.UIConvertMode,
                     client.DBConvertMode},
          std::tuple{server.SystemCodePage, server.UICodePage, server.UIConvertMode,
                     server.DBConvertMode}}) {
      SCOPED_TRACE(::testing::Message()
                   << c.system << " " << (c.ui ? c.ui : "-") << " " << (c.db ? c.db : "-"));
      EXPECT_EQ(systemText, c.systemText);
      EXPECT_EQ(uiText, c.uiText);
      EXPECT_EQ(uiMode, c.uiMode);
      EXPECT_EQ(dbMode, c.dbMode);
    }
  }
}

TEST_F(CorvaneIniTest, RegistryFailuresStopTheLoad) {
  {  // no registry store at all
    TCorvaneIniC client;
    TCorvaneIniS server;
    EXPECT_EQ(client.ErrorId, kErrorRegistryKey);
    EXPECT_EQ(server.ErrorId, kErrorRegistryKey);
    EXPECT_FALSE(client.Load());
    EXPECT_EQ(client.ProfileType, "0");
    EXPECT_EQ(client.ProfileUser, "Default");
    EXPECT_EQ(client.UICodePage, "936");
    EXPECT_EQ(client.IniFileName, "");
    EXPECT_TRUE(client.ServerList.IsEmpty());
    EXPECT_TRUE(client.WorkDLLPath.empty());
    EXPECT_TRUE(server.DatabaseSettings.IsEmpty());
  }
  {  // the key exists but names no installation folder
    Registry("ProfileType=1\n");
    Client("[Client Components]\nLangType=CHS\n");
    TCorvaneIniC client;
    EXPECT_EQ(client.ErrorId, "");
    EXPECT_FALSE(client.Load());
    EXPECT_EQ(client.ProfileType, "1");
    EXPECT_EQ(client.ClientPath, "");
    EXPECT_EQ(client.LangType, "");
    TCorvaneIniS server;
    EXPECT_EQ(server.ErrorId, "");
    EXPECT_FALSE(server.Load());
  }
}

TEST_F(CorvaneIniTest, PerUserProfiles) {
  const std::string user = os::Ansi(os::UserName());
  ASSERT_FALSE(user.empty());
  const std::string own = Install() + "Profile/" + user + "/";
  Client("[Client Components]\nLangType=CHS\n");
  {  // per-user profiles on, but this user has no file: the shared one, and the user's name
    Installed("1");
    TCorvaneIniC ini;
    EXPECT_EQ(ini.ProfileType, "1");
    EXPECT_EQ(ini.ProfileUser, user);
    EXPECT_EQ(ini.ProfilePath, Install());
    EXPECT_EQ(ini.LangType, "CHS");
  }
  testing::WriteFile(dir_ / "install/Profile" / user / "corvanec.ini",
                     "[Client Components]\nLangType=CHT\n");
  {
    TCorvaneIniC ini;
    EXPECT_EQ(ini.ProfilePath, own);
    EXPECT_EQ(ini.IniFileName, own + "CorvaneC.ini");
    EXPECT_EQ(ini.LangType, "CHT");
    EXPECT_EQ(ini.ClientPath, Install());  // work folders stay under the installation folder
    EXPECT_EQ(ini.WorkDLLPath, std::vector<std::string>{Install() + "C_PKG/"});
  }
  for (const char* off : {"0", ""}) {  // empty or "0": one shared file
    Installed(off);
    TCorvaneIniC ini;
    EXPECT_EQ(ini.ProfileType, off);
    EXPECT_EQ(ini.ProfileUser, "Default");
    EXPECT_EQ(ini.LangType, "CHS");
  }
}

TEST_F(CorvaneIniTest, ServerWithoutProfileFileTakesEveryDefault) {
  Installed();
  TCorvaneIniS ini;
  EXPECT_EQ(ini.ErrorId, "");
  EXPECT_EQ(ini.ServerPath, Install());
  EXPECT_EQ(ini.IniFileName, Install() + "CorvaneS.ini");
  ASSERT_TRUE(ini.DatabaseSettings.IsArray());
  const VarArray& db = ini.DatabaseSettings.Array();
  EXPECT_EQ(db.Low(1), 0);
  EXPECT_EQ(db.High(1), 3);
  EXPECT_EQ(db.Low(2), 0);
  EXPECT_EQ(db.High(2), 7);
  const Variant expected[4][8] = {
      {"Vantor", "sa", "", "MSSQL", "", "", 300, 3000},
      {"VantorTemp", "sa", "", "PARADOX", "", "PostgreSQL", 300, 3000},
      {"", 211, 1024, "Chinese_Taiwan_Stroke_BIN", {}, {}, {}, {}},
      {"EDIDATA", "sa", "", {}, {}, {}, {}, {}},
  };
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 8; ++j)
      EXPECT_EQ(db.At(i, j), expected[i][j]) << i << "," << j << " " << db.At(i, j).Dump();
  EXPECT_EQ(ini.DatabaseKind, 0);
  EXPECT_EQ(ini.SystemControlAddress, "");
  EXPECT_EQ(ini.OtherSystemControlAddress, "");
  EXPECT_FALSE(ini.SupportCallBack);
  EXPECT_EQ(ini.Version, "");
  EXPECT_EQ(ini.WorkDLLPath, std::vector<std::string>{Install() + "S_PKG/"});
  EXPECT_EQ(GeneratorLog(), "");
}

TEST_F(CorvaneIniTest, ServerReadsAccountsAndDecodesTwoOfThreePasswords) {
  Installed();
  Server(
      "[DBE Setting]\r\n"
      "MainAlias=Main\r\nMainUserName=erp\r\nXXXXXX=" +
      EncodePassword("s3cret") +
      "\r\n"
      "MainDBType=oracle\r\nMainDBName=ERP\r\nMainServerName=dbhost\r\n"
      "SystemControlAddress=  \r\nOtherSystemControlAddress=ctl2\r\n"
      "MainConnectionTimeOut=60\r\nMainCommandTimeOut=x\r\n"
      "TempPassword=" +
      EncodePassword("") +
      "\r\nTempDriverName=SQLite\r\n"
      "DataBaseCodeOrder=Chinese_PRC_BIN\r\n"
      "EctPassword=" +
      EncodePassword("edi") +
      "\r\n"
      "[DBPasswordCtrl]\r\nComputerName=  pwhost  \r\nServerPort=300\r\n"
      "ClientSocketPort=\r\n"
      "[WorkDLLPath]\r\nOne=\\\\nas\\pkg\\s\r\nTwo=\r\n");
  TCorvaneIniS ini;
  const VarArray& db = ini.DatabaseSettings.Array();
  EXPECT_EQ(db.At(0, 0), Variant("Main"));
  EXPECT_EQ(db.At(0, 1), Variant("erp"));
  EXPECT_EQ(db.At(0, 2), Variant("s3cret"));
  EXPECT_EQ(db.At(0, 5), Variant("dbhost"));
  EXPECT_EQ(db.At(0, 6), Variant(60));
  EXPECT_EQ(db.At(0, 7), Variant(3000));
  EXPECT_EQ(db.At(1, 2), Variant(""));
  EXPECT_EQ(db.At(1, 5), Variant("SQLite"));
  EXPECT_EQ(db.At(2, 0), Variant("pwhost"));
  EXPECT_EQ(db.At(2, 1), Variant(300));
  EXPECT_EQ(db.At(2, 2), Variant(1024));
  EXPECT_EQ(db.At(2, 3), Variant("Chinese_PRC_BIN"));
  EXPECT_EQ(db.At(3, 2), Variant(EncodePassword("edi")));  // kept as stored
  EXPECT_EQ(ini.DatabaseKind, 1);
  EXPECT_EQ(ini.SystemControlAddress, "dbhost");
  EXPECT_EQ(ini.OtherSystemControlAddress, "ctl2");
  EXPECT_EQ(ini.WorkDLLPath, (std::vector<std::string>{"//nas/pkg/s/", Install()}));
  std::vector<std::string> list{"old", "entries"};
  ini.GetWorkDLLPath(list);
  EXPECT_EQ(list, ini.WorkDLLPath);
  EXPECT_EQ(GeneratorLog(), "");
}

TEST_F(CorvaneIniTest, ServerDatabaseKind) {
  Installed();
  struct Case {
    const char* type;
    int kind;
  } cases[] = {{"ORACLE", 1}, {"oracle", 1}, {"Db2", 2}, {"MSSQL", 0}, {"ORACLE8", 0}};
  for (const auto& c : cases) {
    Server(std::string("[DBE Setting]\nMainDBType=") + c.type + "\n");
    EXPECT_EQ(TCorvaneIniS().DatabaseKind, c.kind) << c.type;
  }
}

TEST_F(CorvaneIniTest, ServerStoresTheFailureMarkerForABadPasswordAndGoesOn) {
  Installed();
  Server("[DBE Setting]\nXXXXXX=A0Z\nTempPassword=12xy34\nMainAlias=Main\n");
  TCorvaneIniS ini;
  EXPECT_EQ(ini.ErrorId, "");
  EXPECT_TRUE(ini.Load());
  const VarArray& db = ini.DatabaseSettings.Array();
  EXPECT_EQ(db.At(0, 2), Variant("A"));  // odd trailing character ignored
  EXPECT_EQ(db.At(1, 2), Variant(std::string(kPasswordErrorMarker)));
  EXPECT_EQ(db.At(0, 0), Variant("Main"));
  EXPECT_NE(GeneratorLog().find("'xy' is not a valid integer value"), std::string::npos);
}

TEST_F(CorvaneIniTest, WorkFoldersOfBothFiles) {
  Installed();
  const std::string section =
      "[WorkDLLPath]\nDrive=D:\\Work\nLead=\\pkg\nRel=rel\nShare=\\\\srv\\share\\x\nEmpty=\n"
      "Abs=/abs/dir\nSlash=/\n";
  const std::vector<std::string> expected{
      "/Work/", Install() + "pkg/", Install() + "rel/", "//srv/share/x/", Install(), "/abs/dir/",
      "/"};
  Client(section);
  Server(section);
  EXPECT_EQ(TCorvaneIniC().WorkDLLPath, expected);
  EXPECT_EQ(TCorvaneIniS().WorkDLLPath, expected);
}

TEST_F(CorvaneIniTest, DesktopInstallationFolderInTheRegistry) {
  Registry("ClientPath=C:\\Corvane\\Client\n");
  TCorvaneIniC ini;
  EXPECT_EQ(ini.ClientPath, "/Corvane/Client/");
  EXPECT_EQ(ini.IniFileName, "/Corvane/Client/CorvaneC.ini");
  EXPECT_EQ(ini.WorkDLLPath, std::vector<std::string>{"/Corvane/Client/C_PKG/"});
}

}  // namespace
}  // namespace pxq::config
