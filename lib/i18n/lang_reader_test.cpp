#include "lib/i18n/lang_reader.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "lib/i18n/language_controller.h"
#include "platform/os/codepage.h"
#include "platform/vcl/form.h"
#include "platform/vcl/listview.h"
#include "platform/vcl/stdctrls.h"

namespace pxq::i18n {
namespace {

// A small form translated from XML text.
struct Fixture {
  std::unique_ptr<vcl::TForm> form{vcl::CreateForm<vcl::TForm>(nullptr)};
  vcl::TLabel* label = Make<vcl::TLabel>("lblName");
  vcl::TComboBox* combo = Make<vcl::TComboBox>("cboKind");
  vcl::TMemo* memo = Make<vcl::TMemo>("meNote");
  vcl::TListView* list = Make<vcl::TListView>("lvRows");

  Fixture() {
    form->SetName("frmTest");
    combo->Items()->SetText("a\r\nb\r\n");
    combo->SetItemIndex(1);
    for (int i = 0; i < 3; ++i) list->Columns()->Add();
    list->Items()->Add()->SetCaption("row");
  }
  template <class T>
  T* Make(const char* name) {
    auto* c = new T(form.get());
    c->SetName(name);
    c->SetParent(form.get());
    return c;
  }
  // Reads `xml` (UTF-8 source text) into the form through a controller.
  void Read(std::string_view xml) {
    TNtLangController controller(nullptr);
    controller.XmlText()->SetText(os::Ansi(xml));
    controller.SetActive(true);
    controller.Reader().ReadComponent(form.get());
  }
  std::string Column(int i) const { return list->Columns()->Items(i)->Caption(); }
};

TEST(TLangReader, PropertyPaths) {
  struct Case {
    const char* xml;
    std::function<void(const Fixture&)> check;
  } cases[] = {
      {"<r Caption='窗体' Hint='h'/>",
       [](const Fixture& f) {
         EXPECT_EQ(f.form->Caption(), os::Ansi("窗体"));
         EXPECT_EQ(f.form->Hint(), "h");
       }},
      {"<r><lblName Caption='名称' Font.Name='宋体' Font.Charset='GB2312_CHARSET' "
       "Font.Color='clRed' Visible=' False '/></r>",
       [](const Fixture& f) {
         EXPECT_EQ(f.label->Caption(), os::Ansi("名称"));
         EXPECT_EQ(f.label->Font()->Name(), os::Ansi("宋体"));
         EXPECT_EQ(f.label->Font()->Charset(), vcl::GB2312_CHARSET);
         EXPECT_EQ(f.label->Font()->Color(), vcl::clRed);
         EXPECT_FALSE(f.label->Visible());
       }},
      // Lines past the end are added empty; the selected item stays.
      {"<r><cboKind Items_5='six' Items_0='one'/></r>",
       [](const Fixture& f) {
         EXPECT_EQ(f.combo->Items()->ToVector(),
                   (std::vector<std::string>{"one", "b", "", "", "", "six"}));
         EXPECT_EQ(f.combo->ItemIndex(), 1);
       }},
      {"<r><meNote Lines_1='second'/></r>",
       [](const Fixture& f) {
         EXPECT_EQ(f.memo->Lines()->ToVector(), (std::vector<std::string>{"", "second"}));
       }},
      // Columns and rows of a list view; an index beyond the count stays at the list view.
      {"<r><lvRows Columns_1.Caption='B' Columns_9.Caption='X' Items_0.Caption='R' "
       "Items_3.Caption='Y' Columns_0.Width='77'/></r>",
       [](const Fixture& f) {
         EXPECT_EQ(f.Column(0), "");
         EXPECT_EQ(f.Column(1), "B");
         EXPECT_EQ(f.Column(2), "");
         EXPECT_EQ(f.list->Columns()->Items(0)->Width(), 77);
         EXPECT_EQ(f.list->Items()->Count(), 1);
         EXPECT_EQ(f.list->Items()->Item(0)->Caption(), "R");
         EXPECT_EQ(f.list->Caption(), "");
       }},
      // Only the first element of a name counts.
      {"<r><x><lblName Caption='first'/></x><lblName Caption='second'/></r>",
       [](const Fixture& f) { EXPECT_EQ(f.label->Caption(), "first"); }},
      // Ignored: unknown properties and paths, bad indexes, values of the wrong kind, absurd
      // line numbers.
      {"<r><lblName Nope='1' Font.Nope='1' Nope.Name='1' Width='abc' Left='99999999999' "
       "Font.Height='1.5' Caption_x='c' Items_2='i' Font_1.Name='n' Hint.Name='n'/>"
       "<cboKind Items_99999999='far' Items_-1='neg' ItemIndex='7' Items='all'/>"
       "<meNote Lines='whole' Lines_x.Text='t' Lines_2.Text='u'/></r>",
       [](const Fixture& f) {
         EXPECT_EQ(f.label->Caption(), "");
         EXPECT_EQ(f.label->Width(), vcl::TLabel(nullptr).Width());
         EXPECT_EQ(f.label->Font()->Name(), vcl::TFont().Name());
         EXPECT_EQ(f.label->Font()->Height(), vcl::TFont().Height());
         EXPECT_EQ(f.combo->Items()->Count(), 2);
         EXPECT_EQ(f.combo->ItemIndex(), 1);
         EXPECT_EQ(f.memo->Lines()->Count(), 0);
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.xml);
    Fixture f;
    f.Read(c.xml);
    c.check(f);
  }
}

TEST(TLangReader, ReadPropertyByIndexAndName) {
  Fixture f;
  xml::Document document;
  ASSERT_TRUE(document.LoadText("<lblName Caption='c' Hint='h' Tag='3'/>"));
  auto reader = TReaderFactory::CreateReader(f.label, document.Root());
  EXPECT_EQ(reader->GetComponent(), f.label);
  reader->ReadProperty(1);
  reader->ReadProperty(7);   // no such attribute
  reader->ReadProperty(-1);  // none either
  EXPECT_EQ(f.label->Hint(), "h");
  EXPECT_EQ(f.label->Caption(), "");
  reader->ReadProperty("Caption");
  reader->ReadProperty("Missing");
  EXPECT_EQ(f.label->Caption(), "c");
}

TEST(TReaderFactory, PicksTheComboBoxReadersByClass) {
  Fixture f;
  xml::Document document;
  ASSERT_TRUE(document.LoadText("<x/>"));
  EXPECT_NE(dynamic_cast<TCustomComboBoxRead*>(
                TReaderFactory::CreateReader(f.combo, document.Root()).get()),
            nullptr);
  EXPECT_EQ(dynamic_cast<TCustomComboBoxRead*>(
                TReaderFactory::CreateReader(f.label, document.Root()).get()),
            nullptr);
}

TEST(TLangReader, HugeAttributeCountsAndDeepDocuments) {
  Fixture f;
  std::string xml = "<r><lblName";
  for (int i = 0; i < 5000; ++i) xml += " a" + std::to_string(i) + "='v'";
  xml += " Caption='last'/>";
  for (int i = 0; i < 200; ++i) xml += "<d>";
  for (int i = 0; i < 200; ++i) xml += "</d>";
  xml += "</r>";
  f.Read(xml);
  EXPECT_EQ(f.label->Caption(), "last");
}

}  // namespace
}  // namespace pxq::i18n
