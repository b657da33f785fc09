#include "lib/i18n/code_converter.h"

#include <gtest/gtest.h>

#include <memory>

#include "lib/controls/select_panel.h"
#include "lib/i18n/test_support.h"
#include "platform/os/codepage.h"
#include "platform/vcl/form.h"
#include "platform/vcl/grids.h"
#include "platform/vcl/headless_test.h"
#include "platform/vcl/listview.h"
#include "platform/vcl/menus.h"
#include "platform/vcl/stdctrls.h"

namespace pxq::i18n {
namespace {

using testing::Installation;

std::string Gb(std::string_view utf8) {
  return os::WideToMultiByte(936, os::Utf8ToWide(utf8)).value();
}
std::string Big5(std::string_view utf8) {
  return os::WideToMultiByte(950, os::Utf8ToWide(utf8)).value();
}

// A converter reading the installation's configuration, with the translator built here.
std::unique_ptr<TCodeConverter> MakeConverter(vcl::TComponent* owner = nullptr) {
  return std::unique_ptr<TCodeConverter>(new TCodeConverter(owner, NTLANGUAGE_LIBRARY));
}

TEST(TCodeConverter, CreationReadsTheClientConfiguration) {
  struct Case {
    int systemCodePage;
    const char *ui, *db, *system;
    int uiMode, dbMode;
  } cases[] = {
      {936, "936", "936", "936", 0, 0},
      {936, "950", "936", "936", 2, 2},
      {950, "936", "950", "950", 4, 1},
      {1252, "437", "936", "437", 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.ui);
    pxq::testing::ScopedCodePage codePage(c.systemCodePage);
    Installation installation(c.ui, std::string("DBCodePage=") + c.db + "\n");
    auto converter = MakeConverter();
    EXPECT_EQ(converter->UICodePage(), c.ui);
    EXPECT_EQ(converter->DBCodePage(), c.db);
    EXPECT_EQ(converter->SystemCodePage(), c.system);
    EXPECT_EQ(converter->UIConvertMode(), c.uiMode);
    EXPECT_EQ(converter->DBConvertMode(), c.dbMode);
    EXPECT_EQ(converter->HasTranslator(), c.uiMode != 0);
  }
}

TEST(TCodeConverter, AMissingTranslatorLibraryFailsTheCreation) {
  Installation installation("950");
  vcl::TComponent owner(nullptr);
  struct Case {
    const char *library, *error;
  } cases[] = {
      {"NoSuchTranslator.dll", "Load Library NoSuchTranslator.dll Error!"},
      {"libm.so.6", "Get Library Procedure Address Error!"},  // no conversion procedures
  };
  for (const Case& c : cases) {
    try {
      new TCodeConverter(&owner, c.library);
      ADD_FAILURE() << "created with " << c.library;
    } catch (const TranslatorError& e) {
      EXPECT_STREQ(e.what(), c.error);
    }
  }
  EXPECT_EQ(owner.ComponentCount(), 0);
  // Without conversion no translator is needed.
  Installation plain("936");
  TCodeConverter converter(&owner, "NoSuchTranslator.dll");
  EXPECT_FALSE(converter.HasTranslator());
}

TEST(TCodeConverter, ConvertTextConvertsTextsAndArraysAndKeepsBlanks) {
  Installation installation("950", "DBCodePage=936\n");
  auto converter = MakeConverter();
  const Variant gb = Gb("采购计划"), big5 = Big5("採購計劃");

  VarArray inner = VarArray::Of({gb, Variant::Null()});
  VarArray table(0, 1, 1, 2);
  table.At(0, 1) = gb;
  table.At(1, 1) = Variant::Null();
  table.At(0, 2) = Variant(inner);
  VarArray innerBig5 = VarArray::Of({big5, Variant::Null()});
  VarArray tableBig5(0, 1, 1, 2);
  tableBig5.At(0, 1) = big5;
  tableBig5.At(1, 1) = Variant::Null();
  tableBig5.At(0, 2) = Variant(innerBig5);

  struct Case {
    int code;
    Variant in, out;
  } cases[] = {
      {kGbToBig5, gb, big5},
      {kGbToBig5, Variant(os::Utf8ToWide("采购")), Variant(Big5("採購"))},  // becomes narrow
      {kGbToBig5, Variant(5), Variant("5")},
      {kGbToBig5, Variant::Null(), Variant::Null()},
      {kGbToBig5, Variant(), Variant()},
      {kGbToBig5, Variant(""), Variant("")},
      {kGbToBig5,
       Variant("a\xFF"
               "b"),
       Variant("a?b")},                            // not GB2312
      {kBig5ToGb, Variant("\xA4"), Variant("?")},  // a cut Big5 character
      {kGbToBig5, Variant(VarArray::Of({gb, Variant(inner)}, 1)),
       Variant(VarArray::Of({big5, Variant(innerBig5)}, 1))},
      {kGbToBig5, Variant(table), Variant(tableBig5)},
      {kBig5ToGb, Variant(tableBig5), Variant(table)},
      {0, gb, gb},
      {3, gb, gb},
      {4, gb, gb},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(converter->ConvertText(c.code, c.in), c.out) << c.in.Dump();
  }
  // Interface 950 over a 936 database: display in Big5, back in GB2312, both ways for data.
  EXPECT_EQ(converter->ConvertForDisplay(gb), big5);
  EXPECT_EQ(converter->ConvertFromDisplay(big5), gb);
  EXPECT_EQ(converter->ConvertFromDatabase(gb), big5);
  EXPECT_EQ(converter->ConvertToDatabase(big5), gb);
  // An object cannot be turned into text: the display and database writers keep the value.
  const Variant object{AutoRef{}};
  EXPECT_THROW(converter->ConvertForDisplay(object), VariantError);
  EXPECT_EQ(converter->ConvertFromDisplay(object), object);
  EXPECT_EQ(converter->ConvertToDatabase(VarArray::Of({object})), VarArray::Of({object}));

  Installation none("936");
  auto plain = MakeConverter();
  EXPECT_EQ(plain->ConvertText(kGbToBig5, gb), gb);
  EXPECT_EQ(plain->GbToBig5(gb.Narrow()), gb.Narrow());
}

TEST(TCodeConverter, ApplyFontByMode) {
  struct Case {
    int mode;
    const char* name;
    int charset;
  } cases[] = {{0, "SimSun", 134}, {1, "SimSun", 134}, {4, "SimSun", 134},
               {2, "SimSun", 136}, {3, "SimSun", 136}, {5, "Arial", 0}};
  for (const Case& c : cases) {
    vcl::TFont font;
    font.SetName("Arial");
    font.SetCharset(0);
    TCodeConverter::ApplyFont(c.mode, &font);
    EXPECT_EQ(font.Name(), c.name) << c.mode;
    EXPECT_EQ(font.Charset(), c.charset) << c.mode;
  }
  TCodeConverter::ApplyFont(2, nullptr);
}

// A form with one control of each kind the conversion knows.
struct SampleForm {
  std::unique_ptr<vcl::TForm> form{vcl::CreateForm<vcl::TForm>(nullptr)};
  vcl::TLabel* label = Make<vcl::TLabel>();
  vcl::TEdit* edit = Make<vcl::TEdit>();
  vcl::TMemo* memo = Make<vcl::TMemo>();
  vcl::TComboBox* combo = Make<vcl::TComboBox>();
  vcl::TComboBox* emptyCombo = Make<vcl::TComboBox>();
  vcl::TListView* list = Make<vcl::TListView>();
  vcl::TStringGrid* grid = Make<vcl::TStringGrid>();
  vcl::TPopupMenu* menu = new vcl::TPopupMenu(form.get());

  explicit SampleForm(const std::function<std::string(std::string_view)>& text) {
    form->SetCaption(text("采购计划"));
    label->SetCaption(text("料号"));
    label->SetHint(text("物料编号"));
    edit->SetText(text("供应商"));
    memo->Lines()->SetText(text("第一行\r\n第二行"));
    combo->Items()->SetText(text("按料号\r\n按日期"));
    combo->SetStyle(vcl::csDropDownList);
    combo->SetItemIndex(1);
    list->Columns()->Add()->SetCaption(text("料号"));
    list->Columns()->Add()->SetCaption(text("品名"));
    list->Columns()->Add()->SetCaption(text("规格"));
    vcl::TListItem* row = list->Items()->Add();
    row->SetCaption(text("螺丝"));
    row->SubItems()->Add(text("钢制"));  // no sub-item for the third column
    grid->SetColCount(2);
    grid->SetRowCount(1);
    grid->SetCells(1, 0, text("数量"));
  }
  template <class T>
  T* Make() {
    auto* c = new T(form.get());
    c->SetParent(form.get());
    return c;
  }
};

TEST(TCodeConverter, ConvertFormForABig5Interface) {
  Installation installation("950");  // on a 936 system: mode 2
  testing::ScopedScreenFonts screenFonts;
  auto converter = MakeConverter();
  SampleForm f(Gb);
  converter->ConvertForm(f.form.get());
  for (vcl::TFont* font : testing::ScopedScreenFonts::Fonts()) {
    EXPECT_EQ(font->Name(), "SimSun");
    EXPECT_EQ(font->Charset(), vcl::CHINESEBIG5_CHARSET);
  }
  EXPECT_TRUE(vcl::Application().ShowHint());

  EXPECT_EQ(f.form->Caption(), Gb("采购计划"));  // only a 950 system converts the caption
  EXPECT_EQ(f.label->Caption(), Big5("料號"));
  EXPECT_EQ(f.label->Hint(), Big5("物料編號"));
  EXPECT_EQ(f.label->Font()->Name(), "SimSun");
  EXPECT_EQ(f.label->Font()->Charset(), vcl::CHINESEBIG5_CHARSET);
  EXPECT_EQ(f.edit->Text(), Gb("供应商"));  // plain Text is left alone
  EXPECT_EQ(f.memo->Lines()->ToVector(),
            (std::vector<std::string>{Big5("第一行"), Big5("第二行")}));
  EXPECT_EQ(f.combo->Items()->ToVector(),
            (std::vector<std::string>{Big5("按料號"), Big5("按日期")}));
  EXPECT_EQ(f.combo->ItemIndex(), 1);
  EXPECT_EQ(f.combo->Style(), vcl::csOwnerDrawFixed);
  EXPECT_EQ(f.emptyCombo->Style(), vcl::csOwnerDrawFixed);
  EXPECT_EQ(f.emptyCombo->ItemIndex(), -1);
  EXPECT_EQ(f.list->Columns()->Items(1)->Caption(), Big5("品名"));
  EXPECT_EQ(f.list->Columns()->Items(2)->Caption(), Big5("規格"));
  EXPECT_EQ(f.list->Items()->Item(0)->Caption(), Big5("螺絲"));
  EXPECT_EQ(f.list->Items()->Item(0)->SubItems()->ToVector(),
            std::vector<std::string>{Big5("鋼製")});
  EXPECT_EQ(f.grid->Cells(1, 0), Big5("數量"));
  EXPECT_TRUE(f.menu->OwnerDraw());
}

TEST(TCodeConverter, ConvertFormForAGbInterfaceOnABig5System) {
  pxq::testing::ScopedCodePage codePage(950);
  Installation installation("936");  // mode 4
  testing::ScopedScreenFonts screenFonts;
  auto converter = MakeConverter();
  SampleForm f(Gb);
  converter->ConvertForm(f.form.get());

  EXPECT_EQ(f.form->Caption(), Big5("採購計劃"));
  EXPECT_EQ(f.label->Caption(), Gb("料号"));
  EXPECT_EQ(f.combo->Items()->Strings(0), Gb("按料号"));
  EXPECT_EQ(f.list->Columns()->Items(0)->Caption(), Gb("料号"));
  EXPECT_EQ(f.label->Font()->Name(), "SimSun");
  EXPECT_EQ(f.label->Font()->Charset(), vcl::GB2312_CHARSET);
  EXPECT_EQ(f.combo->Style(), vcl::csOwnerDrawFixed);
  EXPECT_EQ(f.emptyCombo->Style(), vcl::csOwnerDrawVariable);
  EXPECT_TRUE(f.menu->OwnerDraw());
}

TEST(TCodeConverter, WithoutConversionTheFormIsUnchanged) {
  Installation installation("936");
  testing::ScopedScreenFonts screenFonts;
  auto converter = MakeConverter();
  SampleForm f(Gb);
  converter->ConvertForm(f.form.get());
  EXPECT_EQ(f.label->Caption(), Gb("料号"));
  EXPECT_EQ(f.label->Font()->Name(), vcl::TFont().Name());
  EXPECT_EQ(f.combo->Style(), vcl::csDropDownList);
  EXPECT_FALSE(f.menu->OwnerDraw());
}

TEST(TCodeConverter, ConvertFormConvertsASelectionPanelAndItsParts) {
  Installation installation("950");
  testing::ScopedScreenFonts screenFonts;
  auto converter = MakeConverter();
  std::unique_ptr<vcl::TForm> form(vcl::CreateForm<vcl::TForm>(nullptr));
  auto* panel = new vcl::TSelectPanel(form.get());
  panel->SetParent(form.get());
  vcl::TStringList hints{Gb("起始料号"), Gb("开窗")};
  panel->SetChildHints(&hints);
  vcl::TStringList begin{Gb("从"), Gb("起始")}, final{Gb("到")};
  panel->SetBeginWords(&begin);
  panel->SetFinalWords(&final);
  panel->SetHintWord(Gb("区间选择"));
  panel->SetColumnCaptions({Gb("料号"), Gb("品名")});
  vcl::TListItem* row = panel->Items()->Add();
  row->SetCaption(Gb("螺丝"));
  row->SubItems()->Add(Gb("钢制"));

  converter->ConvertForm(form.get());
  EXPECT_EQ(panel->ChildHints()->ToVector(),
            (std::vector<std::string>{Big5("起始料號"), Big5("開窗")}));
  EXPECT_EQ(panel->chkUserChoice->Hint(), Big5("起始料號"));
  EXPECT_EQ(panel->BeginWords()->ToVector(), (std::vector<std::string>{Big5("從"), Big5("起始")}));
  EXPECT_EQ(panel->lblBegin->Caption(), Big5("從"));
  EXPECT_EQ(panel->lblFinal->Caption(), Big5("到"));
  EXPECT_EQ(panel->HintWord(), Big5("區間選擇"));
  EXPECT_EQ(panel->ColumnCaptions(), (std::vector<std::string>{Big5("料號"), Big5("品名")}));
  EXPECT_EQ(panel->Items()->Item(0)->Caption(), Big5("螺絲"));
  EXPECT_EQ(panel->Items()->Item(0)->SubItems()->Strings(0), Big5("鋼製"));
}

// The GB2312 level-1 characters (3755) that go to Big5 and come back unchanged one by one.
std::vector<std::string> RoundTripCharacters(const TCodeConverter& converter) {
  std::vector<std::string> chars;
  for (int row = 16; row <= 55; ++row) {
    for (int cell = 1; cell <= (row == 55 ? 89 : 94); ++cell) {
      std::string gb{static_cast<char>(0xA0 + row), static_cast<char>(0xA0 + cell)};
      if (converter.Big5ToGb(converter.GbToBig5(gb)) == gb) chars.push_back(gb);
    }
  }
  return chars;
}

TEST(TCodeConverter, FormAndSelectionDataRoundTripThroughBig5) {
  Installation installation("950");
  testing::ScopedScreenFonts screenFonts;
  auto converter = MakeConverter();
  const std::vector<std::string> chars = RoundTripCharacters(*converter);
  ASSERT_GE(chars.size(), 3700u);

  // Texts of 40 characters each, separated like stored field lists so that no phrases form.
  std::vector<std::string> texts;
  for (size_t i = 0; i < chars.size(); i += 40) {
    std::string text;
    for (size_t j = i; j < chars.size() && j < i + 40; ++j) text += chars[j] + "\x03";
    texts.push_back(text);
  }
  vcl::TForm* form = vcl::CreateForm<vcl::TForm>(nullptr);
  std::unique_ptr<vcl::TForm> owner(form);
  auto* panel = new vcl::TSelectPanel(form);
  auto* combo = new vcl::TComboBox(form);
  panel->SetColumnCaptions({"code"});
  VarArray data(0, 0, 0, static_cast<int>(texts.size()) - 1);
  for (size_t i = 0; i < texts.size(); ++i) {
    auto* label = new vcl::TLabel(form);
    label->SetCaption(texts[i]);
    panel->Items()->Add()->SetCaption(texts[i]);
    combo->Items()->Add(texts[i]);
    data.At(0, static_cast<int>(i)) = texts[i];
  }
  converter->ConvertForm(form);
  const Variant shown = converter->ConvertForDisplay(Variant(data));

  size_t labels = 0;
  for (int i = 0; i < form->ComponentCount(); ++i) {
    if (auto* label = dynamic_cast<vcl::TLabel*>(form->Components(i))) {
      EXPECT_NE(label->Caption(), texts[labels]);
      EXPECT_EQ(converter->ConvertFromDisplay(label->Caption()), texts[labels]);
      ++labels;
    }
  }
  ASSERT_EQ(labels, texts.size());
  for (size_t i = 0; i < texts.size(); ++i) {
    const int n = static_cast<int>(i);
    EXPECT_EQ(converter->ConvertFromDisplay(panel->Items()->Item(n)->Caption()), texts[i]);
    EXPECT_EQ(converter->ConvertFromDisplay(combo->Items()->Strings(n)), texts[i]);
  }
  EXPECT_EQ(converter->ConvertFromDisplay(shown), Variant(data));
}

TEST(TCodeConverter, ShowMessageDialog) {
  vcl::testing::HeadlessApp app;
  Installation installation("936");
  std::unique_ptr<vcl::TForm> form(vcl::CreateForm<vcl::TForm>(nullptr));
  form->SetCaption("Plan");
  form->SetWindowState(vcl::wsMinimized);
  auto converter = MakeConverter(form.get());
  converter.release();  // owned by the form

  auto* owned = static_cast<TCodeConverter*>(form->Components(0));
  EXPECT_EQ(owned->ShowMessageDialog("", vcl::mtError, {vcl::mbOK}), vcl::mrNone);
  EXPECT_TRUE(app->Boxes().empty());

  app->AnswerNext(vcl::mrNo);
  EXPECT_EQ(owned->ShowMessageDialog("Delete?", vcl::mtConfirmation, {vcl::mbYes, vcl::mbNo}),
            vcl::mrNo);
  ASSERT_EQ(app->Boxes().size(), 1u);
  const vcl::TMessageBoxRequest& box = app->Boxes()[0].Request;
  EXPECT_EQ(box.Text, "Delete?      ");  // blanks after the text on a 936 interface
  EXPECT_EQ(box.Caption, "Plan");
  EXPECT_EQ(box.FontName, "SimSun");
  EXPECT_EQ(box.FontCharset, vcl::GB2312_CHARSET);
  EXPECT_EQ(box.Type, vcl::mtConfirmation);
  EXPECT_EQ(box.Buttons, (vcl::TMsgDlgButtons{vcl::mbYes, vcl::mbNo}));
  EXPECT_EQ(form->WindowState(), vcl::wsNormal);

  pxq::testing::ScopedCodePage codePage(950);
  Installation big5("950");
  auto unowned = MakeConverter();
  unowned->ShowMessageDialog("x", vcl::mtInformation, {vcl::mbOK});
  EXPECT_EQ(app->Boxes().back().Request.Text, "x");
  EXPECT_EQ(app->Boxes().back().Request.Caption, "");
  EXPECT_EQ(app->Boxes().back().Request.FontCharset, vcl::CHINESEBIG5_CHARSET);
}

}  // namespace
}  // namespace pxq::i18n
