#include "platform/vcl/form_description.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/os/codepage.h"
#include "platform/vcl/extctrls.h"
#include "platform/vcl/form.h"
#include "platform/vcl/headless_test.h"
#include "platform/vcl/input.h"
#include "platform/vcl/listview.h"
#include "platform/vcl/menus.h"
#include "platform/vcl/pagecontrol.h"
#include "platform/vcl/stdctrls.h"

namespace pxq::vcl {

// A small condition form: two pages of fields and a button bar.
class TfrmSample : public TForm {
  PXQ_CLASS(TfrmSample)
 public:
  using TForm::TForm;
  std::vector<std::string> log;
  void FormCreate(TObject*) { log.push_back("create"); }
  void btnOkClick(TObject*) {
    log.push_back("ok " + vcl::FindComponent<TEdit>(this, "edCode")->Text());
  }
  void edCodeExit(TObject*) { log.push_back("exit edCode"); }
  void pgOptionChanging(TObject*, bool& allow) {
    allow = vcl::FindComponent<TCheckBox>(this, "chkPrint")->Checked();
  }
};

PXQ_REGISTER_CLASS(TfrmSample, TForm)
void TfrmSample::DefineClass(TClassBuilder<TfrmSample>& c) {
  c.Method<&TfrmSample::FormCreate>("FormCreate");
  c.Method<&TfrmSample::btnOkClick>("btnOkClick");
  c.Method<&TfrmSample::edCodeExit>("edCodeExit");
  c.Method<&TfrmSample::pgOptionChanging>("pgOptionChanging");
  c.Description(R"(
object frmSample: TfrmSample
  Left = 100
  Top = 80
  Caption = '采购计划'
  ClientWidth = 400
  ClientHeight = 191
  KeyPreview = True
  OldCreateOrder = False
  Position = poScreenCenter
  BorderIcons = [biMaximize]
  Font.Charset = GB2312_CHARSET
  Font.Height = -13
  Font.Name = '宋体'
  ActiveControl = edCode
  OnCreate = FormCreate
  object pgOption: TPageControl
    Align = alClient
    ActivePage = tsOption1
    Hint = '请输入选项条件'
    TabOrder = 0
    OnChanging = pgOptionChanging
    object tsOption1: TTabSheet
      Caption = '基本选项'
      object lblCode: TLabel
        Left = 8
        Top = 12
        Caption = '品号'
        FocusControl = edCode
      end
      object edCode: TEdit
        Left = 60
        Top = 8
        Width = 85
        MaxLength = 6
        ImeName = '中文 (简体) - 拼音'
        TabOrder = 0
        OnExit = edCodeExit
      end
      object chkPrint: TCheckBox
        Left = 8
        Top = 64
        Caption = '打印单价金额'
        Checked = True
        TabOrder = 2
      end
      object meDate: TMaskEdit
        Left = 60
        Top = 36
        EditMask = '9999/99/99;1; '
        TabOrder = 1
      end
    end
    object tsOption2: TTabSheet
      Caption = '系统选项'
      object cboSort: TComboBox
        Style = csDropDownList
        Items.Strings = (
          '按品号'
          '按采购日')
        ItemIndex = 1
      end
    end
  end
  object Panel1: TPanel
    Align = alBottom
    Height = 43
    TabOrder = 1
    object btnOk: TButton
      Caption = '确定'
      Default = True
      ModalResult = 1
      TabOrder = 0
      OnClick = btnOkClick
    end
    object btnCancel: TButton
      Left = 80
      Caption = '取消'
      Cancel = True
      ModalResult = mrCancel
      TabOrder = 1
    end
  end
  object muOperation: TPopupMenu
    object miOpen: TMenuItem
      Caption = '开启(&O)'
    end
    object miView: TMenuItem
      Caption = 'View'
      object miLarge: TMenuItem
        Caption = '大型图标(&G)'
        Checked = True
        RadioItem = True
      end
      object miSmall: TMenuItem
        Caption = '小型图标(&M)'
        RadioItem = True
      end
    end
  end
  object lstCondition: TListView
    Align = alLeft
    PopupMenu = muOperation
    Width = 151
    ViewStyle = vsReport
    IconOptions.AutoArrange = True
    Columns = <
      item
        Caption = '方案名称'
        Width = 80
      end
      item
        Caption = '创建时间'
      end>
  end
end
)");
}

// A derived form: changes an inherited button and adds a field in front of edCode.
class TfrmSampleEx : public TfrmSample {
  PXQ_CLASS(TfrmSampleEx)
 public:
  using TfrmSample::TfrmSample;
};

PXQ_REGISTER_CLASS(TfrmSampleEx, TfrmSample)
void TfrmSampleEx::DefineClass(TClassBuilder<TfrmSampleEx>& c) {
  c.Description(R"(
inherited frmSampleEx: TfrmSampleEx
  Caption = '采购计划' + #65 + 'B'
  inherited btnOk: TButton
    Caption = '执行'
  end
  inherited tsOption1: TTabSheet
    object edExtra: TEdit
      Left = 200
      TabOrder = 0
    end
  end
end
)");
}

namespace {

using os::Ansi;

TEST(FormDescription, ExampleFormIsCreatedFocusedTypedIntoAndClosed) {
  testing::HeadlessApp app;
  auto* form = CreateForm<TfrmSampleEx>(nullptr);
  EXPECT_EQ(form->Name(), "frmSampleEx");
  EXPECT_EQ(form->log, std::vector<std::string>{"create"});
  EXPECT_EQ(form->Caption(), Ansi("采购计划AB"));
  EXPECT_TRUE(form->KeyPreview());
  EXPECT_EQ(form->BorderIcons(), TBorderIcons{biMaximize});

  auto* pg = FindComponent<TPageControl>(form, "pgOption");
  auto* ts1 = FindComponent<TTabSheet>(form, "tsOption1");
  auto* ts2 = FindComponent<TTabSheet>(form, "tsOption2");
  auto* edCode = FindComponent<TEdit>(form, "edCode");
  auto* edExtra = FindComponent<TEdit>(form, "edExtra");
  auto* meDate = FindComponent<TMaskEdit>(form, "meDate");
  auto* chk = FindComponent<TCheckBox>(form, "chkPrint");
  auto* cbo = FindComponent<TComboBox>(form, "cboSort");
  auto* ok = FindComponent<TButton>(form, "btnOk");
  auto* panel = FindComponent<TPanel>(form, "Panel1");
  auto* list = FindComponent<TListView>(form, "lstCondition");
  ASSERT_TRUE(pg && ts1 && ts2 && edCode && edExtra && meDate && chk && cbo && ok && panel && list);

  // Structure, texts in the ANSI code page, inherited changes, fonts and alignment.
  EXPECT_EQ(edCode->Parent(), ts1);
  EXPECT_EQ(ts2->PageControl(), pg);
  EXPECT_EQ(pg->ActivePage(), ts1);
  EXPECT_FALSE(ts2->Visible());
  EXPECT_EQ(ok->Caption(), Ansi("执行"));
  EXPECT_EQ(FindComponent<TLabel>(form, "lblCode")->FocusControl(), edCode);
  EXPECT_EQ(cbo->Items()->Count(), 2);
  EXPECT_EQ(cbo->Text(), Ansi("按采购日"));
  EXPECT_EQ(list->Columns()->Count(), 2);
  EXPECT_TRUE(list->IconOptions()->AutoArrange());
  auto* menu = FindComponent<TPopupMenu>(form, "muOperation");
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(list->PopupMenu(), menu);
  ASSERT_EQ(menu->Items()->Count(), 2);
  TMenuItem* view = menu->Items()->Items(1);
  ASSERT_EQ(view->Count(), 2);
  EXPECT_EQ(menu->FindItem(Ansi("小型图标(&M)")), view->Items(1));
  view->Items(1)->SetChecked(true);  // radio items of a group: one is checked
  EXPECT_FALSE(view->Items(0)->Checked());
  EXPECT_EQ(GetPropInfo(edCode, "Font")->Type(), "TFont");
  EXPECT_EQ(GetPropInfo(cbo, "Style")->Type(), "TComboBoxStyle");
  EXPECT_EQ(GetPropInfo(cbo, "Items")->Type(), "TStrings");
  EXPECT_EQ(GetStrPropByName(list, "Columns[1].Caption"), Ansi("创建时间"));
  EXPECT_EQ(edCode->Font()->Name(), Ansi("宋体"));
  EXPECT_EQ(edCode->Font()->Charset(), GB2312_CHARSET);
  EXPECT_EQ(panel->Top(), 191 - 43);
  EXPECT_EQ(panel->Width(), 400);
  EXPECT_EQ(list->Height(), 191 - 43);
  EXPECT_EQ(pg->Left(), 151);
  EXPECT_EQ(pg->Width(), 400 - 151);
  EXPECT_TRUE(chk->Checked());
  EXPECT_EQ(GetMethodPropByName(ok, "OnClick"), Bind<&TfrmSample::btnOkClick>(form).Method());
  std::vector<TWinControl*> tabs = ts1->TabList();
  EXPECT_EQ(tabs, (std::vector<TWinControl*>{edExtra, edCode, meDate, chk}));

  app->OnNextModal([&](TCustomForm& f) {
    EXPECT_EQ(f.ActiveControl(), edCode);
    TypeText(f, "A10012345");  // six characters fit
    PressKey(f, VK_TAB);
    TypeText(f, "20240507");
    PressKey(f, VK_TAB);
    EXPECT_EQ(f.ActiveControl(), chk);
    PressKey(f, VK_SPACE);  // unchecks: page changes are now refused
    pg->SelectNextPage(true);
    EXPECT_EQ(pg->ActivePage(), ts1);
    PressKey(f, VK_SPACE);
    pg->SelectNextPage(true);
    EXPECT_EQ(pg->ActivePage(), ts2);
    EXPECT_EQ(f.ActiveControl(), ts2);  // the focus left the hidden page
    PressKey(f, VK_RETURN);             // the default button
  });
  EXPECT_EQ(form->ShowModal(), mrOk);
  EXPECT_EQ(form->Left(), (1024 - 400) / 2);  // centred on the screen when shown
  EXPECT_EQ(edCode->Text(), "A10012");
  EXPECT_EQ(meDate->EditText(), "2024/05/07");
  EXPECT_EQ(form->log, (std::vector<std::string>{"create", "exit edCode", "ok A10012"}));
  delete form;
}

TEST(FormDescription, BadDescriptionsAreReportedWithTheirLine) {
  testing::HeadlessApp app;
  struct Case {
    const char* text;
    const char* message;
  };
  const std::vector<Case> cases = {
      {"object f: TForm\n  object b: TNoSuchButton\n  end\nend", "Line 2: class TNoSuchButton"},
      {"object f: TForm\n  Colour = 3\nend", "Line 2: property Colour does not exist"},
      {"object f: TForm\n  Position = poNowhere\nend", "Line 2: invalid value for property"},
      {"object f: TForm\n  Caption = 5\nend", "Line 2: invalid value"},
      {"object f: TForm\n  OnShow = NoHandler\nend", "Line 2: handler NoHandler not found"},
      {"object f: TForm\n  Caption = 'open\nend", "Line 2: unterminated string"},
      {"object f: TForm\n  Left = 1\n", "end expected"},
      {"object f: TForm\n object a: TEdit end\n object a: TEdit end\nend", "Line 3: a component"},
      {"object f: TForm\n  inherited x: TEdit\n  end\nend", "Line 2: inherited component x"},
      {"object f: TForm\n  ActiveControl = edMissing\nend", "Line 2: component edMissing"},
      {"object f: TForm\n  Glyph.Data = {0A0B}\nend", "Line 2: property Glyph.Data"},
      {"object f: TForm\n  object g: TForm\n  end\nend", "Line 2: a form cannot be nested"},
      {"object f: TForm\n  Left = 99999999999999999999\nend", "Line 2: bad number"},
      {"object f: TForm\nend\nobject g: TForm\nend", "text after the end"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    auto* form = new TForm(nullptr);
    try {
      ReadDescription(form, c.text);
      ADD_FAILURE() << "no error";
    } catch (const EReadError& e) {
      EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
    }
    EXPECT_FALSE(form->ComponentState().Contains(csLoading));
    delete form;
  }
}

TEST(FormDescription, DeeplyNestedObjectsAreRefused) {
  testing::HeadlessApp app;
  std::string text = "object f: TForm\n";
  for (int i = 0; i < 100; ++i) text += "object p" + std::to_string(i) + ": TPanel\n";
  for (int i = 0; i < 100; ++i) text += "end\n";
  text += "end\n";
  auto* form = new TForm(nullptr);
  EXPECT_THROW(ReadDescription(form, text), EReadError);
  delete form;
}

}  // namespace
}  // namespace pxq::vcl
