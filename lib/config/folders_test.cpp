#include "lib/config/folders.h"

#include <gtest/gtest.h>

#include "platform/os/codepage.h"
#include "testing/testing.h"

namespace pxq::config {
namespace {

TEST(ResolvePath, MapsEachFormAgainstTheInstallationFolder) {
  const std::string base = "/opt/corvane/";
  struct Case {
    const char* folder;
    const char* expected;
  } cases[] = {
      {"D:\\Work\\S_PKG\\", "/Work/S_PKG/"},                // drive letter: absolute
      {"d:Work\\", "/Work/"},                               // drive-relative: still absolute
      {"\\\\server\\share\\pkg\\", "//server/share/pkg/"},  // network share, unchanged
      {"//server/share/pkg/", "//server/share/pkg/"},
      {"/srv/pkg/", "/srv/pkg/"},                   // absolute here
      {"\\S_PKG\\", "/opt/corvane/S_PKG/"},         // leading "\": under the base
      {"S_PKG\\Sub\\", "/opt/corvane/S_PKG/Sub/"},  // relative: under the base
      {"sub/dir/", "/opt/corvane/sub/dir/"},
      {"\\", "/opt/corvane/"},
      {"", "/opt/corvane/"},
  };
  for (const auto& c : cases) EXPECT_EQ(ResolvePath(c.folder, base), c.expected) << c.folder;
}

TEST(InstallationFolder, EndsWithOneSeparatorInThisPlatformsForm) {
  struct Case {
    const char* configured;
    const char* expected;
  } cases[] = {
      {"C:\\Corvane\\Client", "/Corvane/Client/"},
      {"C:\\Corvane\\Client\\", "/Corvane/Client/"},
      {"/opt/corvane", "/opt/corvane/"},
      {"/opt/corvane/", "/opt/corvane/"},
      {"\\\\nas\\erp\\client", "//nas/erp/client/"},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(InstallationFolder(c.configured), c.expected);
}

TEST(NativePath, LeavesTheSecondByteOfDoubleByteCharactersAlone) {
  // Big5 "功" is A5 5C: its second byte is the value of "\".
  testing::ScopedCodePage big5(950);
  const std::string gong = os::Ansi("功能");
  ASSERT_EQ(gong.substr(0, 2), "\xA5\x5C");
  EXPECT_EQ(NativePath("C:\\" + gong + "\\x"), "/" + gong + "/x");
  EXPECT_EQ(InstallationFolder("/srv/" + gong.substr(0, 2)), "/srv/" + gong.substr(0, 2) + "/");
  EXPECT_EQ(ResolvePath(gong.substr(0, 2) + "\\", "/base/"), "/base/" + gong.substr(0, 2) + "/");
  // Text that is not valid in the code page has no characters to protect.
  EXPECT_EQ(NativePath("\xFF\\x"), "\xFF/x");
}

}  // namespace
}  // namespace pxq::config
