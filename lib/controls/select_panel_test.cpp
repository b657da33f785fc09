#include "lib/controls/select_panel.h"

#include <gtest/gtest.h>

#include <array>

#include "lib/controls/glyphs.h"
#include "lib/controls/register.h"
#include "lib/controls/test_forms.h"
#include "platform/os/codepage.h"
#include "platform/vcl/headless_test.h"

namespace pxq::vcl {
namespace {

using Bounds4 = std::array<int, 4>;
Bounds4 B(const TControl* c) { return {c->Left(), c->Top(), c->Width(), c->Height()}; }

// Rows as texts: caption then sub-items.
std::vector<std::vector<std::string>> Rows(const TKipListView* list) {
  std::vector<std::vector<std::string>> rows;
  for (int i = 0; i < list->Items()->Count(); ++i) {
    const TListItem* item = list->Items()->Item(i);
    std::vector<std::string> row{item->Caption()};
    for (int s = 0; s < item->SubItems()->Count(); ++s) row.push_back(item->SubItems()->Strings(s));
    rows.push_back(row);
  }
  return rows;
}

class SelectPanelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    controls::SetGlyphFolder(std::filesystem::path(PXQ_DATA_DIR) / "glyphs");
    form = CreateForm<testing::TLookupForm>(nullptr);
    form->SetBounds(0, 0, 600, 400);
    other = new TEdit(form);
    other->SetParent(form);
    panel = new TSelectPanel(form);
    panel->SetParent(form);
    panel->Font()->SetHeight(-11);  // headless text: 6 pixels a byte, 11 high
  }
  void TearDown() override {
    delete form;
    controls::SetGlyphFolder({});
  }
  // Moves the focus into the panel's begin edit and out again.
  void EnterAndLeave() {
    form->Show();
    panel->edBegin->SetFocus();
    other->SetFocus();
  }

  testing::HeadlessApp app;
  testing::TLookupForm* form = nullptr;
  TEdit* other = nullptr;
  TSelectPanel* panel = nullptr;
};

TEST_F(SelectPanelTest, CreatesItsPartsWithDefaults) {
  EXPECT_EQ(panel->Width(), 353);
  EXPECT_EQ(panel->Height(), 45);
  EXPECT_EQ(panel->OtherWidth(), 200);
  EXPECT_EQ(panel->OtherHeight(), 105);
  EXPECT_EQ(panel->Style(), sp_Range);
  EXPECT_TRUE(panel->InRangeMode());
  EXPECT_EQ(panel->GlyphIndex(), 8);
  EXPECT_EQ(panel->btnBegin->GlyphIndex(), 8);
  EXPECT_EQ(panel->btnDelete->GlyphIndex(), 47);
  EXPECT_EQ(panel->btnClear->NumGlyphs(), 2);
  EXPECT_EQ(panel->BeginWords()->Count(), 2);
  EXPECT_EQ(panel->lblBegin->Caption(), os::Ansi("起"));
  EXPECT_EQ(panel->chkUserChoice->Caption(), os::Ansi("区间选择"));
  EXPECT_EQ(panel->ListBox->Hint(), os::Ansi("多选-己选择的信息"));
  EXPECT_EQ(panel->btnClear->Hint(), os::Ansi("多选-删除己选信息"));
  EXPECT_FALSE(panel->ListBox->ShowColumnHeaders());
  EXPECT_TRUE(panel->ListBox->MultiSelect());
  EXPECT_FALSE(panel->chkUserChoice->Visible());
  EXPECT_TRUE(panel->pnlRange->Visible());
  EXPECT_FALSE(panel->pnlList->Visible());
  EXPECT_EQ(panel->edBegin->Height(), 24);
}

TEST_F(SelectPanelTest, OneRowRangeLayout) {
  panel->Arrange();
  EXPECT_EQ(B(panel->pnlRange), (Bounds4{2, 14, 348, 28}));
  EXPECT_EQ(B(panel->pnlList), (Bounds4{2, 14, 348, 28}));
  EXPECT_EQ(B(panel->lblBegin), (Bounds4{2, 2, 12, 11}));
  EXPECT_EQ(B(panel->edBegin), (Bounds4{15, 2, 133, 24}));
  EXPECT_EQ(B(panel->btnBegin), (Bounds4{150, 2, 23, 23}));
  EXPECT_EQ(B(panel->lblFinal), (Bounds4{175, 2, 12, 11}));
  EXPECT_EQ(B(panel->edFinal), (Bounds4{189, 2, 133, 24}));
  EXPECT_EQ(B(panel->btnFinal), (Bounds4{324, 2, 23, 23}));

  panel->SetCanOpenWin(false);
  EXPECT_FALSE(panel->btnBegin->Visible());
  const int e = (348 - 2 - 12 - 2 - 12 - 2) / 2 - 1;
  EXPECT_EQ(B(panel->edBegin), (Bounds4{15, 2, e, 24}));
  EXPECT_EQ(panel->lblFinal->Left(), 15 + e + 4);
  EXPECT_EQ(panel->edFinal->Left(), 15 + e + 4 + 12 + 2);
}

TEST_F(SelectPanelTest, StyleChangesExchangeTheSizeOnlyToAndFromRange) {
  panel->SetStyle(sp_Discrete);
  EXPECT_EQ(panel->Width(), 200);
  EXPECT_EQ(panel->Height(), 105);
  EXPECT_EQ(panel->OtherWidth(), 353);
  EXPECT_FALSE(panel->InRangeMode());
  EXPECT_TRUE(panel->pnlList->Visible());
  EXPECT_EQ(B(panel->pnlList), (Bounds4{2, 14, 195, 88}));
  EXPECT_EQ(B(panel->ListBox), (Bounds4{0, 0, 169, 88}));
  EXPECT_EQ(B(panel->btnList), (Bounds4{171, 0, 23, 23}));
  EXPECT_EQ(B(panel->btnDelete), (Bounds4{171, 23, 23, 23}));
  EXPECT_EQ(B(panel->btnClear), (Bounds4{171, 46, 23, 23}));

  panel->SetStyle(sp_UserChoice);
  EXPECT_EQ(panel->Width(), 200) << "no exchange between list and user choice";
  EXPECT_TRUE(panel->chkUserChoice->Visible());
  EXPECT_EQ(B(panel->chkUserChoice), (Bounds4{16, 12, 8 * 6 + 24, 13}));
  EXPECT_EQ(B(panel->pnlList), (Bounds4{2, 25, 196, 78}));
  EXPECT_EQ(B(panel->edBegin), (Bounds4{16, 10, 155, 24}));
  EXPECT_EQ(B(panel->lblFinal), (Bounds4{2, 44, 12, 11}));
  EXPECT_EQ(B(panel->ListBox), (Bounds4{0, 0, 170, 78}));
  EXPECT_FALSE(panel->InRangeMode()) << "the mode box starts unchecked";
  EXPECT_FALSE(panel->UserChoice());

  panel->SetStyle(sp_Range);
  EXPECT_EQ(panel->Width(), 353);
  EXPECT_EQ(panel->Height(), 45);
}

TEST_F(SelectPanelTest, ModeBoxSwitchesBetweenRangeAndList) {
  int typeClicks = 0;
  panel->OnTypeClick = [&](TObject* s) {
    EXPECT_EQ(s, panel);
    ++typeClicks;
  };
  panel->SetUserChoice(true);
  EXPECT_FALSE(panel->UserChoice()) << "ignored outside sp_UserChoice";
  EXPECT_EQ(typeClicks, 0);

  panel->SetStyle(sp_UserChoice);
  panel->chkUserChoice->Click();
  EXPECT_TRUE(panel->UserChoice());
  EXPECT_TRUE(panel->InRangeMode());
  EXPECT_TRUE(panel->pnlRange->Visible());
  EXPECT_FALSE(panel->pnlList->Visible());
  EXPECT_EQ(typeClicks, 1);

  EXPECT_TRUE(SetPropText(panel, "UserChoice", "False"));
  EXPECT_FALSE(panel->chkUserChoice->Checked());
  EXPECT_TRUE(panel->pnlList->Visible());
  EXPECT_EQ(typeClicks, 2);
}

TEST_F(SelectPanelTest, UseVerticalOnlyInRangeStyle) {
  panel->SetStyle(sp_Discrete);
  panel->SetUseVertical(true);
  EXPECT_FALSE(panel->UseVertical());
  EXPECT_EQ(panel->Width(), 200);

  panel->SetStyle(sp_Range);
  panel->SetUseVertical(true);
  EXPECT_TRUE(panel->UseVertical());
  EXPECT_EQ(panel->Width(), 200);
  EXPECT_EQ(panel->Height(), 105);
  EXPECT_EQ(B(panel->pnlRange), (Bounds4{2, 14, 195, 88}));
  EXPECT_EQ(B(panel->lblBegin), (Bounds4{2, 13, 12, 11}));
  EXPECT_EQ(B(panel->edBegin), (Bounds4{16, 13, 154, 24}));
  EXPECT_EQ(B(panel->btnBegin), (Bounds4{171, 13, 23, 23}));
  EXPECT_EQ(B(panel->lblFinal), (Bounds4{2, 50, 12, 11}));
  EXPECT_EQ(B(panel->edFinal), (Bounds4{16, 50, 154, 24}));
  EXPECT_EQ(B(panel->btnFinal), (Bounds4{171, 50, 23, 23}));

  panel->SetStyle(sp_Discrete);
  EXPECT_EQ(panel->Width(), 200) << "a vertical range keeps its size";
}

TEST_F(SelectPanelTest, StyleChangingMayRefuseOrRedirect) {
  std::vector<std::pair<TSelectStyle, TSelectStyle>> changes;
  panel->OnStyleChange = [&](TObject*, TSelectStyle from, TSelectStyle to) {
    EXPECT_EQ(panel->Style(), from);
    changes.emplace_back(from, to);
  };
  panel->OnStyleChanging = [](TObject*, TSelectStyle, TSelectStyle&, bool& accept) {
    accept = false;
  };
  const Bounds4 edBefore = B(panel->edBegin);
  panel->SetStyle(sp_Discrete);
  EXPECT_EQ(panel->Style(), sp_Range);
  EXPECT_EQ(panel->Width(), 353);
  EXPECT_EQ(B(panel->edBegin), edBefore);
  EXPECT_TRUE(changes.empty());

  panel->OnStyleChanging = [](TObject*, TSelectStyle now, TSelectStyle& next, bool&) {
    EXPECT_EQ(now, sp_Range);
    next = sp_UserChoice;
  };
  EXPECT_TRUE(SetPropText(panel, "Style", "sp_Discrete"));
  EXPECT_EQ(panel->Style(), sp_UserChoice);
  EXPECT_EQ(panel->Width(), 200);
  EXPECT_EQ(changes,
            (std::vector<std::pair<TSelectStyle, TSelectStyle>>{{sp_Range, sp_UserChoice}}));
}

TEST(ParseDateTextTest, ReadsEachLayout) {
  struct Case {
    const char* text;
    TDateType type;
    util::DateDays expected;
  };
  const Case cases[] = {
      {"2002/05/07", dt_YYYYMMDD, util::EncodeDate(2002, 5, 7)},
      {" 2002/05 ", dt_YYYYMMDD, util::EncodeDate(2002, 5, 1)},
      {"2002/13/01", dt_YYYYMMDD, 0},
      {"91/1/1", dt_YYMMDD, util::EncodeDate(2002, 1, 1)},
      {"091/01", dt_YYYMMDD, util::EncodeDate(2002, 1, 1)},
      {"05/07/2002", dt_MMDDYYYY, util::EncodeDate(2002, 5, 7)},
      {"05/2002", dt_MMDDYYYY, util::EncodeDate(2002, 5, 1)},
      {"07/05/2002", dt_DDMMYYYY, util::EncodeDate(2002, 5, 7)},
      {"05/2002", dt_DDMMYYYY, util::EncodeDate(2002, 5, 1)},
      {"2002/05/07", dt_NoneCare, 0},
      {"2002/x5/07", dt_YYYYMMDD, 0},
      {"20020507", dt_YYYYMMDD, 0},
      {"2002/05/07/01", dt_YYYYMMDD, 0},
      {"", dt_YYYYMMDD, 0},
      {"2147483647/1/1", dt_YYMMDD, 0},
      {"2002//07", dt_YYYYMMDD, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ParseDateText(c.text, "/", c.type), c.expected) << c.text;
  }
  EXPECT_EQ(ParseDateText("    /  /  ", "/", dt_YYYYMMDD, "    /  /  "), 0);
  EXPECT_EQ(ParseDateText("2002-05-07", "-", dt_YYYYMMDD), util::EncodeDate(2002, 5, 7));
  EXPECT_EQ(ParseDateText("2002/05/07", "", dt_YYYYMMDD), 0);
}

TEST_F(SelectPanelTest, LeavingThePanelOrdersTheRange) {
  struct Case {
    TValueType type;
    TDateType dateType;
    const char* begin;
    const char* final;
    const char* wantBegin;
    const char* wantFinal;
  };
  const Case cases[] = {
      {vt_String, dt_NoneCare, "B002", "A001", "A001", "B002"},
      {vt_String, dt_NoneCare, "a", "B", "B", "a"},
      {vt_String, dt_NoneCare, " A ", "B", "A", "B"},
      {vt_String, dt_NoneCare, "B", "", "B", ""},
      {vt_Time, dt_NoneCare, "12:00", "08:00", "08:00", "12:00"},
      {vt_Number, dt_NoneCare, "10", "9", "9", "10"},
      {vt_Number, dt_NoneCare, "x", "-1", "-1", "x"},
      {vt_Date, dt_YYYYMMDD, "2002/01/01", "2002/13/01", "2002/13/01", "2002/01/01"},
      {vt_Date, dt_YYYYMMDD, "2002/05", "2002/04/30", "2002/04/30", "2002/05"},
      {vt_Date, dt_YYMMDD, "91/1/2", "91/1/1", "91/1/1", "91/1/2"},
      {vt_Date, dt_NoneCare, "b", "a", "a", "b"},
      {vt_Float, dt_NoneCare, "2.5", "1.05", "1.05", "2.5"},
      {vt_Float, dt_NoneCare, "12", "x.5", "0.5", "12.0"},
      {vt_Float, dt_NoneCare, "-0.5", "-1.25", "-1.25", "-0.5"},
      {vt_OtherMask, dt_NoneCare, "b", "a", "b", "a"},
  };
  for (const Case& c : cases) {
    panel->SetValueType(c.type);
    panel->SetDateType(c.dateType);
    panel->edBegin->SetText(c.begin);
    panel->edFinal->SetText(c.final);
    panel->OrderRange();
    EXPECT_EQ(panel->edBegin->Text(), c.wantBegin) << c.begin << " .. " << c.final;
    EXPECT_EQ(panel->edFinal->Text(), c.wantFinal) << c.begin << " .. " << c.final;
  }
}

TEST_F(SelectPanelTest, BlankAndDiscardTextsAreNotOrdered) {
  panel->SetEditMask("9999/99/99;1; ");
  ASSERT_FALSE(panel->BlankText().empty());
  panel->edFinal->SetText("2001/01/01");
  panel->OrderRange();
  EXPECT_EQ(panel->edBegin->Text(), panel->BlankText());
  EXPECT_EQ(panel->edFinal->Text(), "2001/01/01");

  panel->SetEditMask("");
  panel->SetUseDiscard(true);
  panel->SetDiscard("ZZZ");
  panel->edBegin->SetText("ZZZ");
  panel->edFinal->SetText("AAA");
  panel->OrderRange();
  EXPECT_EQ(panel->edBegin->Text(), "ZZZ");

  panel->SetValueType(vt_Date);
  panel->SetAutoChangeDateSite(false);
  panel->edBegin->SetText("2002/02/02");
  panel->edFinal->SetText("2001/01/01");
  panel->OrderRange();
  EXPECT_EQ(panel->edBegin->Text(), "2002/02/02");
}

TEST_F(SelectPanelTest, FocusLeavingThePanelOrdersThenRaisesOnExit) {
  std::vector<std::string> seen;
  panel->OnExit = [&](TObject* s) {
    EXPECT_EQ(s, panel);
    seen.push_back(panel->edBegin->Text());
  };
  panel->edBegin->SetText("B");
  panel->edFinal->SetText("A");
  EnterAndLeave();
  EXPECT_EQ(seen, std::vector<std::string>{"A"});
}

TEST_F(SelectPanelTest, EditMaskKeepsTheBeginTextWithoutChangeEvents) {
  int changes = 0;
  panel->edBegin->OnChange = [&](TObject*) { ++changes; };
  panel->edBegin->SetText("20020101");
  changes = 0;
  panel->SetEditMask("9999/99/99;1; ");
  EXPECT_EQ(changes, 0);
  EXPECT_EQ(panel->edBegin->EditMask(), "9999/99/99;1; ");
  EXPECT_EQ(panel->edFinal->EditMask(), "9999/99/99;1; ");
  EXPECT_NE(panel->edBegin->Text(), panel->BlankText());
}

TEST_F(SelectPanelTest, WordListsAndHints) {
  TStringList one{"From"};
  panel->SetBeginWords(&one);
  EXPECT_EQ(panel->BeginWords()->Count(), 1);
  EXPECT_EQ(panel->lblBegin->Caption(), "From");
  TStringList three{"A", "B", "C"};
  panel->SetStyle(sp_UserChoice);
  panel->SetFinalWords(&three);
  EXPECT_EQ(panel->FinalWords()->ToVector(), (std::vector<std::string>{"A", "B"}));
  EXPECT_EQ(panel->lblFinal->Caption(), "B");
  panel->SetBeginWords(nullptr);
  EXPECT_EQ(panel->BeginWords()->Count(), 0);
  panel->Arrange();  // a layout with no words shows empty labels
  EXPECT_EQ(panel->lblBegin->Caption(), "");

  TStringList hints{"h0", "h1"};
  panel->SetChildHints(&hints);
  EXPECT_EQ(panel->chkUserChoice->Hint(), "h0");
  EXPECT_EQ(panel->edBegin->Hint(), "h1");
  EXPECT_EQ(panel->btnBegin->Hint(), os::Ansi("区间选择-起始信息开窗")) << "kept";
  panel->ChildHints()->Add("h2");
  EXPECT_EQ(panel->btnBegin->Hint(), "h2");
  for (int i = 0; i < 10; ++i) panel->ChildHints()->Add("more");  // beyond the parts
  panel->SetChildHints(nullptr);

  panel->SetHintWord("Range");
  EXPECT_EQ(panel->chkUserChoice->Width(), 5 * 6 + 24);
}

TEST_F(SelectPanelTest, GlyphIndexGoesToTheThreeLookupButtons) {
  panel->SetGlyphIndex(9);
  EXPECT_EQ(panel->GlyphIndex(), 9);
  for (TF2Button* b : {panel->btnBegin, panel->btnFinal, panel->btnList}) {
    EXPECT_EQ(b->GlyphIndex(), 9);
    EXPECT_EQ(b->Caption(), "");
  }
  panel->SetGlyphIndex(500);
  EXPECT_EQ(panel->btnList->Caption(), "500") << "no such glyph: the number shows";
}

TEST_F(SelectPanelTest, AddRowCreatesColumnsAndPadsRows) {
  TKipListView* list = panel->ListBox;
  EXPECT_FALSE(list->AddRow({}));
  EXPECT_TRUE(list->AddRow({"A", "x", "y"}));
  EXPECT_EQ(panel->ColumnCaptions(), (std::vector<std::string>{"Data1", "Data2", "Data3"}));
  EXPECT_TRUE(list->AddRow({"B"}));
  EXPECT_EQ(Rows(list), (std::vector<std::vector<std::string>>{{"A", "x", "y"}, {"B", "", ""}}));
  EXPECT_TRUE(list->AddRow({"C", "1", "2", "a very long fourth text"}));
  EXPECT_EQ(list->Items()->Item(0)->SubItems()->Count(), 3);
  EXPECT_EQ(panel->Columns()->Count(), 4);
  // "W" is 6 pixels wide: widths follow the longest text of each column.
  EXPECT_EQ(panel->Columns()->Items(0)->Width(), 6 * 5);  // "Data1"
  EXPECT_EQ(panel->Columns()->Items(3)->Width(), 6 * 23);
  list->AddRow({std::string(300000, 'x')});
  EXPECT_GT(panel->Columns()->Items(0)->Width(), 0);
}

TEST_F(SelectPanelTest, DuplicatesByCaseRule) {
  panel->SetStyle(sp_Discrete);
  panel->SetCheckDuplicate(cd_CheckCase);
  EXPECT_TRUE(panel->SortListBox()) << "checking duplicates sorts";
  TKipListView* list = panel->ListBox;
  list->AddRow({"B"});
  list->AddRow({"A"});
  list->AddRow({"a"});
  list->AddRow({"B"});
  EXPECT_EQ(Rows(list), (std::vector<std::vector<std::string>>{{"A"}, {"a"}, {"B"}}));
  panel->SetCheckDuplicate(cd_CaseInsensitive);
  EXPECT_EQ(Rows(list), (std::vector<std::vector<std::string>>{{"A"}, {"B"}}));
  EXPECT_EQ(GetPropText(panel, "CheckDuplicate"), "cd_CaseInsensitive");
}

TEST_F(SelectPanelTest, SortingTieBreaksAndColumnClicks) {
  panel->SetSortListBox(true);
  TKipListView* list = panel->ListBox;
  for (auto row : std::vector<std::vector<std::string>>{
           {"b", "2", "x"}, {"a", "2", "y"}, {"B", "1", "x"}, {"a", "1", "x"}}) {
    list->AddRow(row);
  }
  EXPECT_EQ(Rows(list), (std::vector<std::vector<std::string>>{
                            {"a", "1", "x"}, {"a", "2", "y"}, {"B", "1", "x"}, {"b", "2", "x"}}));
  list->ClickColumn(1);  // by column 1, then caption
  EXPECT_EQ(panel->SortColumn(), 1);
  EXPECT_EQ(Rows(list), (std::vector<std::vector<std::string>>{
                            {"a", "1", "x"}, {"B", "1", "x"}, {"a", "2", "y"}, {"b", "2", "x"}}));
  list->ClickColumn(1);  // descending
  EXPECT_FALSE(panel->SortAscending());
  EXPECT_EQ(list->Items()->Item(0)->Caption(), "b");
  list->ClickColumn(2);  // by column 2, then caption, then column 1
  EXPECT_TRUE(panel->SortAscending());
  EXPECT_EQ(Rows(list), (std::vector<std::vector<std::string>>{
                            {"a", "1", "x"}, {"B", "1", "x"}, {"b", "2", "x"}, {"a", "2", "y"}}));
}

TEST_F(SelectPanelTest, DeleteAndClearButtons) {
  panel->SetStyle(sp_Discrete);
  TKipListView* list = panel->ListBox;
  for (const char* c : {"A", "B", "C"}) list->AddRow({c});
  list->Items()->Item(0)->SetSelected(true);
  list->Items()->Item(2)->SetSelected(true);
  panel->OnDeleteClick = [&](TObject* s, bool& accept) {
    EXPECT_EQ(s, panel);
    accept = false;
  };
  panel->btnDelete->Click();
  EXPECT_EQ(list->Items()->Count(), 3);
  panel->OnDeleteClick = nullptr;
  panel->btnDelete->Click();
  EXPECT_EQ(Rows(list), (std::vector<std::vector<std::string>>{{"B"}}));

  int clears = 0;
  panel->OnClearClick = [&](TObject*) { ++clears; };
  form->Show();
  panel->btnClear->Click();
  EXPECT_EQ(list->Items()->Count(), 0);
  EXPECT_EQ(clears, 1);
  EXPECT_TRUE(list->Focused());
}

TEST_F(SelectPanelTest, LookupButtonsAskTheOwningForm) {
  std::vector<TObject*> opened;
  panel->OnOpenWinClick = [&](TObject* parent, TObject* target) {
    EXPECT_EQ(parent, panel);
    opened.push_back(target);
  };
  form->Show();
  panel->btnFinal->Click();
  EXPECT_TRUE(panel->edFinal->Focused());
  panel->SetStyle(sp_Discrete);
  panel->btnList->Click();
  EXPECT_EQ(form->Lookups, (std::vector<TControl*>{panel->edFinal, panel->ListBox}));
  EXPECT_EQ(opened, (std::vector<TObject*>{panel->edFinal, panel->ListBox}));
}

TEST_F(SelectPanelTest, EnabledReachesEveryPart) {
  panel->SetEnabled(false);
  for (TControl* c :
       {static_cast<TControl*>(panel->edBegin), static_cast<TControl*>(panel->btnClear),
        static_cast<TControl*>(panel->pnlList), static_cast<TControl*>(panel->ListBox)}) {
    EXPECT_FALSE(c->Enabled()) << c->Name();
  }
  EXPECT_TRUE(SetPropText(panel, "Enabled", "True"));
  EXPECT_TRUE(panel->ListBox->Enabled());
}

TEST_F(SelectPanelTest, FocusGoesToTheListInListMode) {
  form->Show();
  panel->SetStyle(sp_Discrete);
  panel->SetFocus();
  EXPECT_TRUE(panel->ListBox->Focused());
}

TEST_F(SelectPanelTest, EventsOfThePartsArriveAsThePanels) {
  std::vector<std::pair<TObject*, TPoint>> downs;
  panel->OnMouseDown = [&](TObject* s, TMouseButton, TShiftState, int x, int y) {
    downs.push_back({s, {x, y}});
  };
  std::vector<Word> keys;
  panel->OnKeyDown = [&](TObject*, Word& key, TShiftState) { keys.push_back(key); };
  form->Show();
  panel->edBegin->OnMouseDown(panel->edBegin, mbLeft, {}, 3, 4);
  panel->lblBegin->OnMouseDown(panel->lblBegin, mbLeft, {}, 1, 1);
  ASSERT_EQ(downs.size(), 2u);
  EXPECT_EQ(downs[0].first, panel->edBegin);
  EXPECT_EQ(downs[0].second, (TPoint{3, 4}));
  EXPECT_EQ(downs[1].first, panel);
  EXPECT_EQ(downs[1].second, (TPoint{2 + 2 + 1, 14 + 2 + 1}));
  panel->edBegin->SetFocus();
  panel->edBegin->Perform(WM_KEYDOWN, VK_F2);
  EXPECT_EQ(keys, std::vector<Word>{VK_F2});
}

TEST_F(SelectPanelTest, ConditionValueInBothModes) {
  panel->edBegin->SetText("1001");
  panel->edFinal->SetText("2000");
  Variant v = panel->ConditionValue();
  ASSERT_TRUE(v.IsArray());
  EXPECT_EQ(v.Array().Length(), 3);
  EXPECT_EQ(v.Array()[0].Narrow(), "\x04");
  EXPECT_EQ(v.Array()[2].Narrow(), "2000");

  panel->SetStyle(sp_Discrete);
  panel->ListBox->AddRow({"A", "x"});
  v = panel->ConditionValue();
  EXPECT_EQ(v.Array()[0].Narrow(), "\x05");
  EXPECT_EQ(v.Array()[1].Array()[1].Narrow(), "x");
}

TEST_F(SelectPanelTest, PropertiesByName) {
  EXPECT_EQ(GetPropText(panel, "Style"), "sp_Range");
  EXPECT_TRUE(SetPropText(panel, "ValueType", "vt_Date"));
  EXPECT_EQ(panel->ValueType(), vt_Date);
  EXPECT_TRUE(SetPropText(panel, "DateType", "dt_YYMMDD"));
  EXPECT_EQ(GetStrPropByName(panel, "DateSign"), "/");
  EXPECT_FALSE(SetPropText(panel, "Style", "sp_Nothing"));
  SetStrPropByName(panel, "ColumnCaptions", "One\r\nTwo\r\n");
  EXPECT_EQ(panel->ColumnCaptions(), (std::vector<std::string>{"One", "Two"}));
  EXPECT_EQ(GetStrPropByName(panel, "ColumnCaptions"), "One\r\nTwo\r\n");
  SetStrPropByName(panel, "BeginWords", "X\r\nY\r\nZ\r\n");
  EXPECT_GE(panel->BeginWords()->Count(), 2);
  EXPECT_TRUE(SetPropText(panel, "OtherWidth", "-5"));
  EXPECT_EQ(panel->OtherWidth(), -5);
  panel->SetStyle(sp_Discrete);
  EXPECT_EQ(panel->Width(), 0) << "a negative alternate size becomes an empty panel";
  EXPECT_EQ(panel->OtherWidth(), 353);
}

TEST_F(SelectPanelTest, CreatedByNameFromADescription) {
  RegisterControlClasses();
  const TMetaClass* cls = FindClass("TSelectPanel");
  ASSERT_NE(cls, nullptr);
  std::unique_ptr<TComponent> made(cls->Create(nullptr));
  EXPECT_NE(dynamic_cast<TSelectPanel*>(made.get()), nullptr);
}

}  // namespace
}  // namespace pxq::vcl
