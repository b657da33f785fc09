// A form described with one of each control: created from its description, laid out, clicked
// through as a user does, and its values read back by property name.
#include <gtest/gtest.h>

#include "lib/controls/bit_check_box.h"
#include "lib/controls/glyphs.h"
#include "lib/controls/labelled_edits.h"
#include "lib/controls/lookup.h"
#include "lib/controls/radio_controls.h"
#include "lib/controls/register.h"
#include "lib/controls/select_panel.h"
#include "lib/controls/speed_buttons.h"
#include "platform/os/codepage.h"
#include "platform/vcl/headless_test.h"
#include "platform/vcl/input.h"

namespace pxq::vcl {

class TfrmAllControls : public TForm {
  PXQ_CLASS(TfrmAllControls)
 public:
  using TForm::TForm;
  std::vector<std::string> Lookups;

  void WndProc(TMessage& msg) override {
    if (msg.Msg == WM_OPENLOOKUP) {
      auto* target = reinterpret_cast<TComponent*>(msg.LParam);
      Lookups.push_back(target->Name());
      // Answer as the dialog does: rows for a list, a value for an edit.
      if (auto* list = dynamic_cast<TKipListView*>(target)) {
        list->BeginUpdate();
        list->AddRow({"P002", os::Ansi("二号")});
        list->AddRow({"P001", os::Ansi("一号")});
        list->AddRow({"P002", os::Ansi("二号")});
        list->EndUpdate();
      }
      return;
    }
    TForm::WndProc(msg);
  }
};

PXQ_REGISTER_CLASS(TfrmAllControls, TForm)
void TfrmAllControls::DefineClass(TClassBuilder<TfrmAllControls>& c) {
  c.Description(R"(
object frmAllControls: TfrmAllControls
  Caption = '条件'
  ClientWidth = 640
  ClientHeight = 400
  object pgMain: TExtPageControl
    Left = 0
    Top = 0
    Width = 640
    Height = 400
    ActivePage = tsMain
    object tsMain: TTabSheet
      Caption = '基本选项'
      object sp01: TSelectPanel
        Left = 8
        Top = 8
        Width = 353
        Height = 105
        Caption = '选择计划批号'
        Style = sp_UserChoice
        UserChoice = False
        CheckDuplicate = cd_CheckCase
        GlyphIndex = 63
        TabOrder = 0
      end
      object ed02: TNtEdit
        Left = 80
        Top = 130
        Width = 100
        Caption = '品号'
        LabelPosition = lpLeft
        TabOrder = 1
      end
      object btn02: TF2Button
        F2Control = ed02
        GlyphIndex = 9
      end
      object ed03: TNtBtnDBEdit
        Left = 80
        Top = 160
        Width = 100
        Caption = '厂商'
        GlyphIndex = 39
        TabOrder = 2
      end
      object lbl04: TDBLabel
        Caption = '每隔'
        FocusControl = se04
        Pos = psLeft
      end
      object se04: TNtSpinEdit
        Left = 80
        Top = 190
        Width = 60
        TabOrder = 3
      end
      object chk05: TBitCheckBox
        Left = 8
        Top = 220
        Caption = '仅打印客供料'
        TabOrder = 4
      end
      object btn06: TGSpeedButton
        Left = 200
        Top = 220
        GlyphIndex = 47
      end
      object rdo07a: TNtRadioButton
        Left = 8
        Top = 250
        Caption = '按品号'
        Checked = True
      end
      object rdo07b: TNtRadioButton
        Left = 120
        Top = 250
        Caption = '按采购日'
      end
      object rgp08: TNtRadioGroup
        Left = 8
        Top = 280
        Width = 210
        Height = 105
        Caption = '选择排序'
        Columns = 2
        Items.Strings = (
          '按品号'
          '按采购日'
          '按厂商')
        ItemIndex = 1
      end
    end
    object tsOther: TTabSheet
      Caption = '系统选项'
    end
  end
end
)");
}

namespace {

TEST(ControlsFormTest, DescribedFormIsLaidOutClickedAndReadBack) {
  testing::HeadlessApp app;
  controls::SetGlyphFolder(std::filesystem::path(PXQ_DATA_DIR) / "glyphs");
  RegisterControlClasses();
  std::unique_ptr<TfrmAllControls> form(CreateForm<TfrmAllControls>(nullptr));
  form->Show();

  auto* sp = FindComponent<TSelectPanel>(form.get(), "sp01");
  ASSERT_NE(sp, nullptr);
  EXPECT_EQ(sp->Width(), 353) << "a loaded panel keeps its described size";
  EXPECT_EQ(sp->btnList->GlyphIndex(), 63);
  EXPECT_TRUE(sp->pnlList->Visible());
  EXPECT_EQ(GetPropText(sp, "Style"), "sp_UserChoice");

  // List mode: the lookup fills the list; repeated rows are dropped, the rows sorted.
  ClickControl(sp->btnList);
  EXPECT_EQ(sp->Items()->Count(), 2);
  EXPECT_EQ(sp->Items()->Item(0)->Caption(), "P001");
  // Range mode through the mode box.
  ClickControl(sp->chkUserChoice);
  EXPECT_EQ(GetPropText(sp, "UserChoice"), "True");
  sp->edBegin->SetText("B");
  sp->edFinal->SetText("A");
  auto* ed02 = FindComponent<TNtEdit>(form.get(), "ed02");
  ClickControl(FindComponent<TF2Button>(form.get(), "btn02"));  // focus leaves the panel
  EXPECT_EQ(sp->edBegin->Text(), "A");
  EXPECT_EQ(sp->edFinal->Text(), "B");
  EXPECT_TRUE(ed02->Focused());
  EXPECT_EQ(FindComponent<TF2Button>(form.get(), "btn02")->Left(), 80 + 100 + 2);

  auto* ed03 = FindComponent<TNtBtnDBEdit>(form.get(), "ed03");
  ClickControl(ed03->Button());
  EXPECT_EQ(form->Lookups, (std::vector<std::string>{"ListBox", "ed02", "ed03"}));
  EXPECT_EQ(ed03->Button()->GlyphIndex(), 39);
  EXPECT_EQ(GetStrPropByName(ed03, "Caption"), os::Ansi("厂商"));

  TypeText(*form, "12");
  EXPECT_EQ(GetStrPropByName(ed03, "Text"), "12");
  auto* se04 = FindComponent<TNtSpinEdit>(form.get(), "se04");
  se04->SetText("5+");
  EXPECT_EQ(GetStrPropByName(se04, "Text"), "5");
  auto* lbl04 = FindComponent<TDBLabel>(form.get(), "lbl04");
  EXPECT_EQ(lbl04->Left() + lbl04->Width() + 4, 80);

  auto* chk05 = FindComponent<TBitCheckBox>(form.get(), "chk05");
  ClickControl(chk05);
  EXPECT_EQ(GetPropText(chk05, "Checked"), "True");
  EXPECT_EQ(FindComponent<TGSpeedButton>(form.get(), "btn06")->Caption(), "");

  ClickControl(FindComponent<TNtRadioButton>(form.get(), "rdo07b"));
  EXPECT_EQ(GetPropText(form->FindComponent("rdo07a"), "Checked"), "False");
  auto* rgp08 = FindComponent<TNtRadioGroup>(form.get(), "rgp08");
  EXPECT_EQ(GetPropText(rgp08, "ItemIndex"), "1");
  ClickControl(rgp08->Buttons(2));
  EXPECT_EQ(GetPropText(rgp08, "ItemIndex"), "2");
  EXPECT_EQ(rgp08->Buttons(2)->Left(), 108);

  auto* pg = FindComponent<TExtPageControl>(form.get(), "pgMain");
  EXPECT_EQ(pg->DrawTab(1, Rect(0, 0, 80, 20), false)->Text, os::Ansi("系统选项"));
  controls::SetGlyphFolder({});
}

}  // namespace
}  // namespace pxq::vcl
