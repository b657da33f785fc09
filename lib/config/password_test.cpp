#include "lib/config/password.h"

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>

#include "platform/os/codepage.h"
#include "testing/testing.h"

namespace pxq::config {
namespace {

TEST(Rotate, RotatesByCountModEight) {
  struct Case {
    int value, count, left, right;
  } cases[] = {
      {0x81, 1, 0x03, 0xC0}, {0x81, 0, 0x81, 0x81},  {0x81, 8, 0x81, 0x81},
      {0x81, 9, 0x03, 0xC0}, {0x81, -1, 0xC0, 0x03}, {0x12, 4, 0x21, 0x21},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(RotateLeft(static_cast<uint8_t>(c.value), c.count), c.left) << c.count;
    EXPECT_EQ(RotateRight(static_cast<uint8_t>(c.value), c.count), c.right) << c.count;
  }
}

TEST(EncodePassword, RotatesEachByteRightByItsPositionAndWritesUpperCaseHex) {
  // "A" = 41: positions 1..7 rotate by 1..7, the eighth by 0, the ninth by 1 again.
  EXPECT_EQ(EncodePassword("AAAAAAAAA"), "A05028140A058241A0");
  EXPECT_EQ(EncodePassword(std::string(1, '\0')), "00");
  const std::string empty = EncodePassword("");
  EXPECT_EQ(empty.size(), 72u);
  EXPECT_EQ(empty, EncodePassword(kEmptyPasswordMarker));
}

TEST(EncodePassword, RoundTripsEveryByteValueAtEveryRotation) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  for (int offset = 0; offset < 8; ++offset) {
    const std::string plain = std::string(static_cast<size_t>(offset), 'x') + all;
    EXPECT_EQ(DecodePassword(EncodePassword(plain)), plain) << offset;
  }
  EXPECT_EQ(DecodePassword(EncodePassword("")), "");
  const std::string gbk = os::Ansi("口令");
  EXPECT_EQ(DecodePassword(EncodePassword(gbk)), gbk);
}

class DecodePasswordTest : public ::testing::Test {
 protected:
  // Error reports go to <installation>/Log; the installation folder comes from the registry.
  void SetUp() override {
    testing::WriteRegistryKey(dir_ / "registry", "Software\\NTQ\\Corvane",
                              "ClientPath=" + (dir_ / "install").string() + "\n");
  }
  std::string GeneratorLog() const {
    std::string text;
    std::error_code ec;
    for (const auto& e : std::filesystem::directory_iterator(dir_ / "install" / "Log", ec))
      if (e.path().filename().string().starts_with("Alert_PlexaGenerator_"))
        text += testing::ReadFile(e.path());
    return text;
  }
  testing::TempDir dir_;
  testing::ScopedEnv root_{"PXQ_REGISTRY_ROOT", (dir_ / "registry").string()};
};

TEST_F(DecodePasswordTest, DecodesStoredTexts) {
  const std::string lowerEmpty = [] {
    std::string s = EncodePassword("");
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
  }();
  struct Case {
    std::string stored;
    std::string plain;
  } cases[] = {
      {"", ""},
      {"A", ""},  // shorter than a pair
      {"A0", "A"},
      {"a0", "A"},   // either letter case
      {"A0F", "A"},  // a trailing odd character is ignored
      {"A05028140A058241A0", "AAAAAAAAA"},
      {lowerEmpty, ""},  // the empty-password marker
  };
  for (const auto& c : cases) EXPECT_EQ(DecodePassword(c.stored), c.plain) << c.stored;
  EXPECT_EQ(GeneratorLog(), "");
}

TEST_F(DecodePasswordTest, PairsThatAreNotHexadecimalGiveTheFailureMarker) {
  for (const char* stored : {"zz", "A0zz", "A0 1", "+1", "0x", "A0\r\n"})
    EXPECT_EQ(DecodePassword(stored), kPasswordErrorMarker) << stored;
}

TEST_F(DecodePasswordTest, FailureIsReportedToTheGeneratorLog) {
  EXPECT_EQ(DecodePassword("A0g1"), kPasswordErrorMarker);
  const std::string log = GeneratorLog();
  EXPECT_NE(log.find(" on " + EncodePassword("DecodeSQLSa") + " "), std::string::npos) << log;
  EXPECT_NE(log.find("EConvertError"), std::string::npos) << log;
  EXPECT_NE(log.find("'g1' is not a valid integer value"), std::string::npos) << log;
  EXPECT_NE(log.find(os::Ansi("解析 Sa 时发生错误!")), std::string::npos) << log;
}

}  // namespace
}  // namespace pxq::config
