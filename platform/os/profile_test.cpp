#include "platform/os/profile.h"

#include <gtest/gtest.h>

#include "testing/testing.h"

namespace pxq::os {
namespace {

TEST(ProfileFile, ReadingRules) {
  auto p = ProfileFile::FromText(
      "; comment\r\n"
      "[Server Information]\r\n"
      "  ComputerName =  host1;host2;  \r\n"
      "ServerPort=0x1F\r\n"
      "Quoted=\"  spaced  \"\r\n"
      "NoEquals\r\n"
      "computername=second\r\n"
      "[codepage]\n"
      "UICodePage=950\n"
      "Bad=12abc\n"
      "Blank=\n"
      "Neg=-5\n"
      "Big=99999999999\n"
      "Gbk=\xD6\xD0\xCE\xC4\n");
  EXPECT_EQ(p.ReadString("server information", "COMPUTERNAME", "x"), "host1;host2;");
  EXPECT_EQ(p.ReadInteger("Server Information", "ServerPort", 211), 31);
  EXPECT_EQ(p.ReadString("Server Information", "Quoted", ""), "  spaced  ");
  EXPECT_EQ(p.ReadString("Server Information", "NoEquals", "dflt"), "dflt");
  EXPECT_EQ(p.ReadString("CodePage", "UICodePage", ""), "950");
  EXPECT_EQ(p.ReadInteger("CodePage", "Bad", 7), 7);
  EXPECT_EQ(p.ReadInteger("CodePage", "Blank", 7), 7);
  EXPECT_EQ(p.ReadInteger("CodePage", "Neg", 7), -5);
  EXPECT_EQ(p.ReadInteger("CodePage", "Big", 7), 7);
  EXPECT_EQ(p.ReadInteger("CodePage", "Missing", 7), 7);
  EXPECT_EQ(p.ReadString("CodePage", "Gbk", ""), "\xD6\xD0\xCE\xC4");
  EXPECT_EQ(p.ReadString("Nowhere", "Key", "d"), "d");
  EXPECT_TRUE(p.KeyExists("codepage", "blank"));
  EXPECT_FALSE(p.SectionExists("WorkDLLPath"));
}

TEST(ProfileFile, SectionValuesKeepOrderAndFirstValueOfRepeatedNames) {
  auto p = ProfileFile::FromText("[WorkDLLPath]\nA=/one\njunk\nB=rel\nA=/two\n[Other]\nC=3\n");
  auto values = p.ReadSectionValues("workdllpath");
  ASSERT_EQ(values.size(), 3u);
  EXPECT_EQ(values[0], (std::pair<std::string, std::string>{"A", "/one"}));
  EXPECT_EQ(values[1], (std::pair<std::string, std::string>{"B", "rel"}));
  EXPECT_EQ(values[2], (std::pair<std::string, std::string>{"A", "/one"}));
}

TEST(ProfileFile, FilesAreFoundIgnoringCaseAndMissingFilesDefault) {
  testing::TempDir dir;
  testing::WriteFile(dir / "corvanec.ini", "[A]\nK=v\n");
  ProfileFile p(dir / "CorvaneC.ini");
  EXPECT_TRUE(p.Loaded());
  EXPECT_EQ(p.ReadString("a", "k", ""), "v");
  ProfileFile missing(dir / "none.ini");
  EXPECT_FALSE(missing.Loaded());
  EXPECT_EQ(missing.ReadInteger("A", "K", 211), 211);
}

}  // namespace
}  // namespace pxq::os
