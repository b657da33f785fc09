#include "platform/vcl/stdctrls.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "platform/os/codepage.h"
#include "platform/vcl/buttons.h"
#include "platform/vcl/form.h"
#include "platform/vcl/grids.h"
#include "platform/vcl/headless_test.h"
#include "platform/vcl/input.h"
#include "platform/vcl/spin.h"

namespace pxq::vcl {
namespace {

class Controls : public ::testing::Test {
 protected:
  testing::HeadlessApp app;
  TForm* form = new TForm(nullptr);

  template <class T>
  T* Add(TWinControl* parent = nullptr) {
    auto* c = new T(form);
    c->SetParent(parent ? parent : form);
    return c;
  }
  void TearDown() override { delete form; }
};

TEST_F(Controls, MaskEditTypesThroughItsMaskAndValidates) {
  auto* me = Add<TMaskEdit>();
  auto* other = Add<TEdit>();
  int changes = 0;
  me->OnChange = [&](TObject*) { ++changes; };
  me->SetEditMask("9999/99/99;1; ");
  EXPECT_EQ(me->EditText(), "    /  /  ");
  EXPECT_TRUE(me->IsMasked());

  form->Show();
  me->SetFocus();
  TypeText(*form, "2024/5");  // "/" jumps to the next part
  EXPECT_EQ(me->EditText(), "2024/5 /  ");
  PressKey(*form, VK_BACK);
  TypeText(*form, "05x07");  // a letter is refused
  EXPECT_EQ(me->EditText(), "2024/05/07");
  EXPECT_EQ(me->Text(), "2024/05/07");
  EXPECT_GT(changes, 0);
  EXPECT_EQ(GetStrPropByName(me, "EditText"), "2024/05/07");

  // Text without literals under a ";0;" mask; the text is laid out again.
  me->SetEditMask("9999/99/99;0; ");
  EXPECT_EQ(me->EditText(), "2024/05/07");
  EXPECT_EQ(me->Text(), "20240507");

  // A changed edit whose required positions are not filled keeps the focus on exit.
  me->SetEditMask("000;1;_");
  me->SetText("");
  me->SetFocus();
  TypeText(*form, "12");
  EXPECT_FALSE(me->ValidateEdit());
  other->SetFocus();
  EXPECT_EQ(form->ActiveControl(), me);
  ASSERT_EQ(app->Boxes().size(), 1u);
  EXPECT_EQ(app->Boxes()[0].Request.Type, mtError);
  TypeText(*form, "3");
  other->SetFocus();
  EXPECT_EQ(form->ActiveControl(), other);
}

TEST_F(Controls, EditsKeepMaxLengthReadOnlyAndDoubleByteCharacters) {
  auto* ed = Add<TEdit>();
  ed->SetMaxLength(4);
  form->Show();
  ed->SetFocus();
  const std::string zhong = os::Ansi("中");  // two bytes
  ASSERT_EQ(zhong.size(), 2u);
  TypeText(*form, "ab" + zhong + "c");
  EXPECT_EQ(ed->Text(), "ab" + zhong);
  TypeText(*form, "x" + zhong);  // no room: the pair is not split
  EXPECT_EQ(ed->Text(), "ab" + zhong);
  PressKey(*form, VK_BACK);  // removes the whole character
  EXPECT_EQ(ed->Text(), "ab");
  ed->SetReadOnly(true);
  TypeText(*form, "z");
  EXPECT_EQ(ed->Text(), "ab");
}

TEST_F(Controls, CheckBoxRadioButtonAndSpeedButtonStates) {
  auto* chk = Add<TCheckBox>();
  std::vector<TCheckBoxState> states;
  chk->OnClick = [&](TObject*) { states.push_back(chk->State()); };
  chk->SetAllowGrayed(true);
  for (int i = 0; i < 3; ++i) ClickControl(chk);
  chk->SetChecked(true);  // set in code: OnClick too, as on the platform
  EXPECT_EQ(states, (std::vector<TCheckBoxState>{cbGrayed, cbChecked, cbUnchecked, cbChecked}));
  chk->SetState(cbGrayed);
  EXPECT_FALSE(chk->Checked());

  auto* r1 = Add<TRadioButton>();
  auto* r2 = Add<TRadioButton>();
  auto* r3 = Add<TRadioButton>();
  int clicks = 0;
  r2->OnClick = [&](TObject*) { ++clicks; };
  r1->SetChecked(true);
  ClickControl(r2);
  EXPECT_EQ(clicks, 1);
  EXPECT_FALSE(r1->Checked());
  EXPECT_TRUE(r2->Checked());
  EXPECT_FALSE(r3->Checked());
  EXPECT_TRUE(r2->TabStop());
  EXPECT_FALSE(r1->TabStop());

  auto* a = Add<TSpeedButton>();
  auto* b = Add<TSpeedButton>();
  a->SetGroupIndex(1);
  b->SetGroupIndex(1);
  ClickControl(a);
  EXPECT_TRUE(a->Down());
  ClickControl(b);
  EXPECT_FALSE(a->Down());
  EXPECT_TRUE(b->Down());
  ClickControl(b);  // the group keeps one button down
  EXPECT_TRUE(b->Down());
  b->SetAllowAllUp(true);
  ClickControl(b);
  EXPECT_FALSE(b->Down());
  auto* lone = Add<TSpeedButton>();
  lone->SetDown(true);  // a button outside any group is never down
  EXPECT_FALSE(lone->Down());
}

TEST_F(Controls, ComboBoxSelectsByIndexTextAndKeys) {
  auto* cbo = Add<TComboBox>();
  cbo->Items()->SetText("Red\r\nGreen\r\nBlue\r\n");
  int changes = 0;
  cbo->OnChange = [&](TObject*) { ++changes; };
  cbo->SetItemIndex(1);
  EXPECT_EQ(cbo->Text(), "Green");
  EXPECT_EQ(changes, 0);  // set in code
  cbo->SetItemIndex(7);
  EXPECT_EQ(cbo->ItemIndex(), -1);
  cbo->SetText("Blue");
  EXPECT_EQ(cbo->ItemIndex(), 2);
  cbo->SetText("Other");  // a drop-down combo box shows any text
  EXPECT_EQ(cbo->ItemIndex(), -1);
  EXPECT_EQ(cbo->Text(), "Other");

  cbo->SetStyle(csDropDownList);
  cbo->SetItemIndex(0);
  cbo->SetText("Other");  // a list keeps its selection
  EXPECT_EQ(cbo->Text(), "Red");
  form->Show();
  cbo->SetFocus();
  PressKey(*form, VK_DOWN);
  EXPECT_EQ(cbo->Text(), "Green");
  EXPECT_EQ(changes, 1);
  cbo->Items()->Clear();  // the selection goes with its item
  EXPECT_EQ(cbo->ItemIndex(), -1);
}

TEST_F(Controls, MemoLinesAndTextStayInStep) {
  auto* memo = Add<TMemo>();
  memo->Lines()->Add("one");
  memo->Lines()->Add("two");
  EXPECT_EQ(memo->Text(), "one\r\ntwo");
  form->Show();
  memo->SetFocus();
  PressKey(*form, VK_END);
  PressKey(*form, VK_RETURN);  // a line break, not the default button
  TypeText(*form, "three");
  EXPECT_EQ(memo->Lines()->Count(), 3);
  EXPECT_EQ(memo->Lines()->Strings(2), "three");
  EXPECT_EQ(GetStrPropByName(memo, "Lines[1]"), "two");
}

TEST_F(Controls, SpinEditKeepsItsValueWithinTheLimits) {
  auto* se = Add<TSpinEdit>();
  se->SetMinValue(1);
  se->SetMaxValue(10);
  se->SetValue(12);
  EXPECT_EQ(se->Value(), 10);
  se->SetText("abc");
  EXPECT_EQ(se->Value(), 1);
  se->SetValue(5);
  form->Show();
  se->SetFocus();
  PressKey(*form, VK_UP);
  EXPECT_EQ(se->Value(), 6);
  TypeText(*form, "x");  // not a digit
  EXPECT_EQ(se->Text(), "6");
}

TEST_F(Controls, StringGridKeepsCellsInsideItsBounds) {
  auto* grid = Add<TStringGrid>();
  grid->SetColCount(3);
  grid->SetRowCount(3);
  grid->SetCells(2, 2, "corner");
  grid->SetCells(3, 0, "outside");
  EXPECT_EQ(grid->Cells(2, 2), "corner");
  EXPECT_EQ(grid->Cells(3, 0), "");
  grid->SetColWidths(1, 120);
  EXPECT_EQ(grid->ColWidths(1), 120);
  EXPECT_EQ(grid->ColWidths(0), grid->DefaultColWidth());
  grid->SetFixedCols(5);  // fixed columns stay fewer than all columns
  EXPECT_EQ(grid->FixedCols(), 2);
  grid->SetFixedCols(1);
  grid->SetColCount(2);  // shrinking drops what no longer fits
  EXPECT_EQ(grid->Cells(2, 2), "");
  grid->SetColCount(3);
  EXPECT_EQ(grid->Cells(2, 2), "");

  int vetoed = 0;
  grid->OnSelectCell = [&](TObject*, int col, int, bool& can) {
    can = col != 2;
    vetoed += !can;
  };
  grid->SetOptions(grid->Options() + goTabs + goEditing);
  form->Show();
  grid->SetFocus();
  EXPECT_EQ(grid->Col(), 1);
  PressKey(*form, VK_TAB);  // the next cell is refused: the grid moves on to the next row
  EXPECT_EQ(vetoed, 1);
  EXPECT_EQ(grid->Row(), 2);
  TypeText(*form, "ab");
  EXPECT_EQ(grid->Cells(grid->Col(), grid->Row()), "ab");
  grid->SetRowCount(std::numeric_limits<int>::max());
  EXPECT_EQ(grid->RowCount(), TStringGrid::kMaxCount);
}

TEST_F(Controls, BitBtnKindGivesItsRole) {
  auto* ok = Add<TBitBtn>();
  ok->SetKind(bkOK);
  EXPECT_EQ(ok->ModalResult(), mrOk);
  EXPECT_TRUE(ok->Default());
  EXPECT_EQ(ok->Caption(), "OK");
  auto* cancel = Add<TBitBtn>();
  EXPECT_TRUE(SetPropText(cancel, "Kind", "bkCancel"));
  EXPECT_TRUE(cancel->Cancel());
  EXPECT_EQ(cancel->ModalResult(), mrCancel);
}

}  // namespace
}  // namespace pxq::vcl
