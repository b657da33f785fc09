#include "lib/xml/xml.h"

#include <gtest/gtest.h>

#include "platform/os/codepage.h"
#include "testing/testing.h"

namespace pxq::xml {
namespace {

using os::Ansi;

const std::string kDecl = "<?xml version=\"1.0\" encoding=\"GB2312\"?>";
const std::string kDocType = "<!DOCTYPE SC[<!ENTITY stdd \"&amp;stdd;\">]>";

TEST(NormalizeXmlHeader, AddsWhatTheHeadLacks) {
  const std::string longDecl =
      "<?xml version=\"1.0\"" + std::string(120, ' ') + "encoding=\"UTF-8\"?>";
  struct Case {
    std::string in, out;
  } cases[] = {
      {"<Root/>", kDecl + kDocType + "<Root/>"},
      {"<?xml version=\"1.0\"?><Root/>", kDecl + kDocType + "<Root/>"},
      {"<!DOCTYPE Root><Root/>", kDecl + "<!DOCTYPE Root><Root/>"},
      {"<?xml version=\"1.0\" encoding=\"UTF-8\"?><!DOCTYPE a><a/>",
       "<?xml version=\"1.0\" encoding=\"UTF-8\"?><!DOCTYPE a><a/>"},
      // Upper case is recognised: only the document type is missing.
      {"<?XML VERSION=\"1.0\" ENCODING=\"GB2312\"?><a/>",
       "<?XML VERSION=\"1.0\" ENCODING=\"GB2312\"?>" + kDocType + "<a/>"},
      // A line break inside the declaration does not move the insertions.
      {"<?xml version=\"1.0\"\r\n?><a/>",
       "<?xml version=\"1.0\"\r\n encoding=\"GB2312\"?>" + kDocType + "<a/>"},
      // A declaration longer than the head keeps its own encoding.
      {longDecl + "<a/>", longDecl + kDocType + "<a/>"},
      {longDecl + "<!DOCTYPE a><a/>", longDecl + "<!DOCTYPE a><a/>"},
      {"", kDecl + kDocType},
  };
  for (const auto& c : cases) EXPECT_EQ(NormalizeXmlHeader(c.in), c.out) << c.in;
}

TEST(LoadXmlText, ReadsNarrowTextsInTheAnsiCodePageWhateverTheDeclaration) {
  for (int codePage : {936, 950}) {
    testing::ScopedCodePage cp(codePage);
    // 測試 is in GBK and Big5 but not in GB2312 proper.
    std::string name = Ansi("測試");
    Document doc =
        LoadXmlText(kDecl + "<Root><R1 ID=\"U01\" Name=\"" + name + "\">" + name + "</R1></Root>");
    Node r1 = doc.Root().SelectSingleNode("R1");
    EXPECT_EQ(GetAttributeText(r1, "Name"), name) << codePage;
    EXPECT_EQ(r1.Text(), name) << codePage;
  }
}

TEST(LoadXmlText, StddEntityReadsBackAsWritten) {
  Document doc = LoadXmlText("<a b=\"x&stdd;y\">p&stdd;q&amp;</a>");
  ASSERT_TRUE(doc.Root());
  EXPECT_EQ(GetAttributeText(doc.Root(), "b"), "x&stdd;y");
  EXPECT_EQ(doc.Root().Text(), "p&stdd;q&");
}

TEST(LoadXmlText, BadTextLeavesAnEmptyDocumentWithAReason) {
  for (std::string text : {"N", "", "<a><b></a>", "<a>&undeclared;</a>"}) {
    Document doc = LoadXmlText(text);
    EXPECT_FALSE(doc.Root()) << text;
    Document direct;
    EXPECT_FALSE(direct.LoadText(text));
    EXPECT_NE(direct.ParseErrorCode(), 0);
    EXPECT_FALSE(direct.ParseErrorReason().empty());
  }
}

TEST(LoadXmlText, NeverLoadsExternalEntities) {
  testing::TempDir dir;
  testing::WriteFile(dir / "secret.txt", "SECRET");
  testing::WriteFile(dir / "ext.dtd", "<!ENTITY e \"FROMDTD\">");
  std::string url = "file://" + (dir / "secret.txt").string();
  std::string dtd = "file://" + (dir / "ext.dtd").string();
  for (std::string text : {
           "<!DOCTYPE a [<!ENTITY e SYSTEM \"" + url + "\">]><a>&e;</a>",
           "<!DOCTYPE a [<!ENTITY e SYSTEM \"" + url + "\">]><a b=\"&e;\"/>",
           "<!DOCTYPE a [<!ENTITY % p SYSTEM \"" + dtd + "\"> %p;]><a>&e;</a>",
           "<!DOCTYPE a SYSTEM \"" + dtd + "\"><a>&e;</a>",
       }) {
    Document doc = LoadXmlText(text);
    std::string seen = doc.Root().Xml() + doc.Root().Text() + GetAttributeText(doc.Root(), "b");
    EXPECT_EQ(seen.find("SECRET"), std::string::npos) << text;
    EXPECT_EQ(seen.find("FROMDTD"), std::string::npos) << text;
  }
}

TEST(XmlHelpers, BuildAndReadARecipientList) {
  Document doc = CreateXmlDocument();
  EXPECT_FALSE(doc.Root());
  Node root = FindNode(doc.AsNode(), "Root", true);
  ASSERT_TRUE(root);
  EXPECT_EQ(doc.Root(), root);
  Node r1 = FindNode(root, "R1", true);
  EXPECT_EQ(FindNode(root, "R1", true), r1);  // found, not created again
  EXPECT_EQ(root.ChildElements().size(), 1u);
  SetAttributeText(r1, "ID", "U01");
  SetAttributeText(r1, "Name", Ansi("测试"));
  SetAttributeText(r1, "Mail", "m1");
  SetAttributeText(r1, "Type", "1");
  SetAttributeText(r1, "Msg", "YNN");
  SetAttributeText(r1, "Msg", "YNY");  // replaced in place
  EXPECT_EQ(root.Xml(),
            Ansi("<Root><R1 ID=\"U01\" Name=\"测试\" Mail=\"m1\" Type=\"1\" Msg=\"YNY\"/></Root>"));
  EXPECT_EQ(GetAttributeText(r1, "Mob"), "");
  EXPECT_FALSE(r1.Attribute("Mob"));
  EXPECT_EQ(r1.Attribute("ID"), "U01");

  std::vector<std::string> names;
  for (Node a : r1.Attributes()) names.push_back(a.Name() + "=" + a.Text());
  EXPECT_EQ(names, (std::vector<std::string>{"ID=U01", "Name=" + Ansi("测试"), "Mail=m1", "Type=1",
                                             "Msg=YNY"}));

  // Read back through the loader.
  Document again = LoadXmlText(kDecl + root.Xml());
  EXPECT_EQ(GetAttributeText(again.Root().SelectSingleNode("R1"), "Name"), Ansi("测试"));
}

TEST(XmlHelpers, RefusesWhatCannotBeBuilt) {
  Document doc = CreateXmlDocument();
  Node root = FindNode(doc.AsNode(), "Root", true);
  EXPECT_FALSE(FindNode(doc.AsNode(), "Other", true));  // a second document element
  EXPECT_FALSE(FindNode(root, "//R1", true));           // not a plain element name
  EXPECT_FALSE(FindNode(root, "][", true));             // malformed XPath, bad name
  SetAttributeText(root, "bad name", "x");
  SetAttributeText(Node(), "a", "x");
  EXPECT_EQ(root.Xml(), "<Root/>");
  EXPECT_EQ(GetAttributeText(Node(), "a"), "");
  EXPECT_FALSE(Node().SelectSingleNode("*"));
}

TEST(XmlHelpers, CharactersTheCodePageLacksAreWrittenAsReferences) {
  // A Korean letter from a UTF-8 file has no place in code page 936.
  testing::ScopedCodePage cp(936);
  Document parsed;
  testing::TempDir dir;
  testing::WriteFile(dir / "k.xml",
                     "<?xml version=\"1.0\" encoding=\"UTF-8\"?><k v=\"\xED\x95\x9C\"/>");
  ASSERT_TRUE(parsed.LoadFile(dir / "k.xml"));
  EXPECT_EQ(parsed.Root().Xml(), "<k v=\"&#54620;\"/>");
}

TEST(Document, LoadFileHonoursTheDeclarationWithGbkForGb2312) {
  testing::TempDir dir;
  std::string gbk = "\x9C\x79\xD4\x87";  // 測試 in GBK
  testing::WriteFile(dir / "a.Lng", "<?xml version=\"1.0\" encoding=\"gb2312\"?><Form Caption=\"" +
                                        gbk + "\"><btnOK Caption=\"OK\"/><E_1 Msg=\"m\"/></Form>");
  testing::ScopedCodePage cp(936);
  Document doc;
  ASSERT_TRUE(doc.LoadFile(dir / "a.Lng")) << doc.ParseErrorReason();
  EXPECT_EQ(GetAttributeText(doc.Root(), "Caption"), gbk);
  Node msg = doc.Root().SelectSingleNode("//E_1/@Msg");
  EXPECT_EQ(msg.Type(), NodeType::kAttribute);
  EXPECT_EQ(msg.Text(), "m");
  EXPECT_EQ(doc.Root().SelectNodes("//*").size(), 3u);

  testing::WriteFile(dir / "bad.Lng", "<Form>");
  EXPECT_FALSE(doc.LoadFile(dir / "bad.Lng"));
  EXPECT_FALSE(doc.Root());
  EXPECT_NE(doc.ParseErrorCode(), 0);
  EXPECT_FALSE(doc.LoadFile(dir / "missing.Lng"));
  EXPECT_NE(doc.ParseErrorReason().find("missing.Lng"), std::string::npos);
}

}  // namespace
}  // namespace pxq::xml
