#include "lib/util/alert_log.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "lib/util/alert_log_hooks.h"
#include "platform/os/codepage.h"
#include "testing/testing.h"

namespace pxq::util {
namespace {

namespace fs = std::filesystem;

// A temporary registry, install and program folder, and a clock the test sets.
class AlertLogTest : public ::testing::Test {
 protected:
  AlertLogTest() {
    SetLogClock([this] { return now_; });
    SetLogProgramFolder(dir_ / "prog");
  }
  ~AlertLogTest() override {
    SetLogClock({});
    SetLogProgramFolder(std::nullopt);
  }
  void SetInstall(std::string_view values) {
    testing::WriteRegistryKey(dir_ / "reg", "Software\\NTQ\\Corvane", values);
  }
  std::string Read(const fs::path& file) { return testing::ReadFile(file); }

  testing::TempDir dir_;
  testing::ScopedEnv registry_{"PXQ_REGISTRY_ROOT", (dir_ / "reg").string()};
  testing::ScopedEnv tmp_{"TMPDIR", (dir_ / "tmp").string()};
  testing::ScopedCodePage codePage_{936};
  LogTime now_{2024, 3, 5, 9, 8, 7, 6};
};

TEST_F(AlertLogTest, InstallFolderFromTheRegistry) {
  EXPECT_EQ(GetInstallFolder(), "");  // no key
  SetInstall("ClientPath=/opt/client/\nServerPath=/opt/server\n");
  EXPECT_EQ(GetInstallFolder(), "/opt/client/");  // as stored
  SetInstall("ClientPath=\nServerPath=/opt/server\n");
  EXPECT_EQ(GetInstallFolder(), "/opt/server");
  SetInstall("Other=1\n");
  EXPECT_EQ(GetInstallFolder(), "");
}

TEST_F(AlertLogTest, AlertLinesAreAppendedWithMillisecondStamps) {
  SetInstall("ClientPath=" + (dir_ / "install").string() + "\n");
  EXPECT_TRUE(WriteAlertLog("libstrs", "first", "D"));
  now_.millisecond = 250;
  EXPECT_TRUE(WriteAlertLog("libstrs", "second\r\nline", "D"));
  EXPECT_EQ(Read(dir_ / "install" / "Log" / "Alert_libstrs_20240305.log"),
            "[2024/03/05 09:08:07:006] first\r\n"
            "[2024/03/05 09:08:07:250] second\r\nline\r\n");
}

TEST_F(AlertLogTest, FileNamesFollowThePeriodAndTheName) {
  SetInstall("ServerPath=" + (dir_ / "install").string() + "\n");
  struct Case {
    const char* name;
    const char* period;
    const char* file;
  } cases[] = {
      {"a", "D", "Alert_a_20240305.log"}, {"b", "d", "Alert_b_20240305.log"},
      {"c", "M", "Alert_c_202403.log"},   {"d", "Y", "Alert_d_2024.log"},
      {"e", "", "Alert_e_20240305.log"},  {"f", "YM", "Alert_f_20240305.log"},
      {"g.txt", "Y", "Alert_g.txt_2024"},
  };
  for (const auto& c : cases) {
    EXPECT_TRUE(WriteAlertLog(c.name, "x", c.period)) << c.name;
    EXPECT_TRUE(fs::exists(dir_ / "install" / "Log" / c.file)) << c.file;
  }
}

TEST_F(AlertLogTest, WithoutInstallFolderTheProgramFolderServes) {
  EXPECT_TRUE(WriteAlertLog("n", "m", "Y"));
  EXPECT_EQ(Read(dir_ / "prog" / "Log" / "Alert_n_2024.log"), "[2024/03/05 09:08:07:006] m\r\n");

  // The updater log never looks at the registry.
  SetInstall("ClientPath=" + (dir_ / "install").string() + "\n");
  EXPECT_TRUE(WriteUpdaterLog("u", "m", "M"));
  EXPECT_TRUE(fs::exists(dir_ / "prog" / "Log" / "Alert_u_202403.log"));
  EXPECT_FALSE(fs::exists(dir_ / "install" / "Log" / "Alert_u_202403.log"));
}

TEST_F(AlertLogTest, GeneratorLogFolders) {
  EXPECT_TRUE(WriteGeneratorLog("in temp"));
  EXPECT_EQ(Read(dir_ / "tmp" / "Log" / "Alert_PlexaGenerator_20240305.log"),
            "[2024/03/05 09:08:07] in temp\r\n");
  SetInstall("ClientPath=" + (dir_ / "install").string() + "\n");
  EXPECT_TRUE(WriteGeneratorLog("installed"));
  EXPECT_EQ(Read(dir_ / "install" / "Log" / "Alert_PlexaGenerator_20240305.log"),
            "[2024/03/05 09:08:07] installed\r\n");
}

TEST_F(AlertLogTest, WritersAnswerFalseWhenTheFileCannotBeWritten) {
  testing::WriteFile(dir_ / "blocker", "a file where the folder should be");
  SetInstall("ClientPath=" + (dir_ / "blocker").string() + "\n");
  EXPECT_FALSE(WriteAlertLog("x", "m", "D"));
  EXPECT_FALSE(WriteGeneratorLog("m"));
  SetLogProgramFolder(dir_ / "blocker");
  EXPECT_FALSE(WriteUpdaterLog("x", "m", "D"));
  // A name that leads out of the folder into one that does not exist.
  EXPECT_FALSE(WriteUpdaterLog("x/../../missing/y", "m", "D"));
}

class ReportErrorTest : public AlertLogTest {
 protected:
  std::string Report(const std::exception* error, std::string_view location,
                     std::string_view message) {
    const fs::path file = dir_ / "tmp" / "Log" / "Alert_PlexaGenerator_20240305.log";
    std::error_code ec;
    fs::remove(file, ec);
    ReportError(error, location, message);
    std::string text = Read(file);
    // Drop the time stamps; they are tested above.
    std::string out;
    for (size_t pos = 0; pos < text.size();) {
      if (text.compare(pos, 22, "[2024/03/05 09:08:07] ") == 0) pos += 22;
      out += text[pos++];
    }
    return out;
  }
  const std::string dashes_ = std::string(34, '-');
  const std::string head_ = os::Ansi("讯息信息:") + "\r\n";
};

TEST_F(ReportErrorTest, BlocksByKindOfError) {
  EXPECT_EQ(Report(nullptr, "", ""), dashes_ + dashes_ + "\r\n");
  EXPECT_EQ(Report(nullptr, "  ", "  "), dashes_ + dashes_ + "\r\n");
  EXPECT_EQ(Report(nullptr, " Load ", " note "),
            dashes_ + " on  Load  " + dashes_ + "\r\nProgramer Message:  note \r\n");

  const std::runtime_error plain("boom");
  EXPECT_EQ(Report(&plain, "Decode", ""), dashes_ + " on Decode " + dashes_ + "\r\n" + head_ +
                                              "Exception is Exception\r\nMessage 01: boom\r\n"
                                              "ErrorMessage Count: 1\r\n");
  const Error convert("EConvertError", "'zz' is not a valid integer value");
  EXPECT_EQ(Report(&convert, "", "p"),
            dashes_ + dashes_ + "\r\n" + head_ +
                "Exception is EConvertError\r\nMessage 01: 'zz' is not a valid integer value\r\n"
                "ErrorMessage Count: 1\r\nProgramer Message: p\r\n");

  const DBEngineError db("db", {{9733, "Key violation"}, {65535, "Busy"}});
  EXPECT_EQ(Report(&db, "", ""),
            dashes_ + dashes_ + "\r\n" + head_ +
                "EDBEngineError Error 01: Code: 9733, Message: Key violation\r\n"
                "EDBEngineError Error 02: Code: 65535, Message: Busy\r\n"
                "ErrorMessage Count: 2\r\n");
  const DBEngineError none("db", {});
  EXPECT_EQ(Report(&none, "", ""),
            dashes_ + dashes_ + "\r\n" + head_ + "ErrorMessage Count: 0\r\n");

  const Win32Error win(5, "Access denied");
  EXPECT_EQ(Report(&win, "", ""), dashes_ + dashes_ + "\r\n" + head_ +
                                      "EWin32Error Error 01: Code: 5, Message: Access denied\r\n"
                                      "ErrorMessage Count: 1\r\n");
  const InOutError io(103, "File not open");
  EXPECT_EQ(Report(&io, "", ""), dashes_ + dashes_ + "\r\n" + head_ +
                                     "EInOutError Error 01: Code: 103, Message: File not open\r\n"
                                     "ErrorMessage Count: 1\r\n");
}

}  // namespace
}  // namespace pxq::util
