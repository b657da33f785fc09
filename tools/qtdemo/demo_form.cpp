#include "tools/qtdemo/demo_form.h"

#include "platform/os/codepage.h"
#include "platform/vcl/extctrls.h"

namespace pxq::demo {

using os::Ansi;
using namespace vcl;

namespace {

template <class T>
T* Place(TComponent* owner, TWinControl* parent, const char* name, int left, int top, int width,
         int height) {
  auto* c = new T(owner);
  c->SetName(name);
  c->SetParent(parent);
  c->SetBounds(left, top, width, height);
  return c;
}

TLabel* AddLabel(TComponent* owner, TWinControl* parent, const char* name, const char* text,
                 int left, int top) {
  auto* label = Place<TLabel>(owner, parent, name, left, top, 60, 16);
  label->SetCaption(Ansi(text));
  return label;
}

}  // namespace

TfrmDemo::TfrmDemo(TComponent* owner) : TForm(owner) {
  SetName("frmDemo");
  SetCaption(Ansi("采购计划表 - 条件"));
  SetBounds(0, 0, 520, 400);
  SetPosition(poScreenCenter);
  SetBorderStyle(bsDialog);
  Font()->SetName(Ansi("宋体"));
  Font()->SetCharset(GB2312_CHARSET);
  Font()->SetHeight(-12);

  auto* pages = Place<TPageControl>(this, this, "pgMain", 8, 8, 504, 340);
  auto* tsCondition = new TTabSheet(this);
  tsCondition->SetName("tsCondition");
  tsCondition->SetPageControl(pages);
  tsCondition->SetCaption(Ansi("条件"));
  auto* tsOption = new TTabSheet(this);
  tsOption->SetName("tsOption");
  tsOption->SetPageControl(pages);
  tsOption->SetCaption(Ansi("选项"));
  pages->SetActivePage(tsCondition);

  sp01 = Place<TSelectPanel>(this, tsCondition, "sp01", 8, 8, 480, 48);
  sp01->SetCaption(Ansi("计划批号"));
  sp02 = Place<TSelectPanel>(this, tsCondition, "sp02", 8, 64, 480, 48);
  sp02->SetCaption(Ansi("料号"));
  sp02->SetStyle(sp_UserChoice);
  sp02->SetHintWord(Ansi("列举"));

  auto* grpDate = Place<TGroupBox>(this, tsCondition, "grpDate", 8, 172, 480, 52);
  grpDate->SetCaption(Ansi("交货日期"));
  AddLabel(this, grpDate, "lblDateFrom", "从", 16, 24);
  me03Begin = Place<TMaskEdit>(this, grpDate, "me03Begin", 40, 20, 100, 21);
  me03Begin->SetEditMask("9999/99/99;1;_");
  AddLabel(this, grpDate, "lblDateTo", "至", 160, 24);
  me03Final = Place<TMaskEdit>(this, grpDate, "me03Final", 184, 20, 100, 21);
  me03Final->SetEditMask("9999/99/99;1;_");

  AddLabel(this, tsCondition, "lblSort", "排序方式", 16, 238);
  cbo04 = Place<TComboBox>(this, tsCondition, "cbo04", 88, 234, 160, 21);
  cbo04->SetStyle(csDropDownList);
  for (const char* item : {"料号", "交货日期", "供应商"}) cbo04->Items()->Add(Ansi(item));
  cbo04->SetItemIndex(0);
  chk05 = Place<TBitCheckBox>(this, tsCondition, "chk05", 270, 236, 160, 18);
  chk05->SetCaption(Ansi("只显示已锁定(&L)"));
  chk05->SetChecked(true);

  auto* grpPrint = Place<TGroupBox>(this, tsOption, "grpPrint", 8, 8, 480, 100);
  grpPrint->SetCaption(Ansi("打印选项"));
  auto* chkDetail = Place<TCheckBox>(this, grpPrint, "chkDetail", 16, 24, 200, 17);
  chkDetail->SetCaption(Ansi("打印明细"));
  auto* rdoSummary = Place<TRadioButton>(this, grpPrint, "rdoSummary", 16, 48, 200, 17);
  rdoSummary->SetCaption(Ansi("按供应商汇总"));
  rdoSummary->SetChecked(true);
  auto* rdoItem = Place<TRadioButton>(this, grpPrint, "rdoItem", 16, 72, 200, 17);
  rdoItem->SetCaption(Ansi("按料号汇总"));

  btnOK = Place<TButton>(this, this, "btnOK", 336, 360, 80, 28);
  btnOK->SetCaption(Ansi("确定"));
  btnOK->SetDefault(true);
  btnOK->SetModalResult(mrOk);
  btnCancel = Place<TButton>(this, this, "btnCancel", 424, 360, 80, 28);
  btnCancel->SetCaption(Ansi("取消"));
  btnCancel->SetCancel(true);
  btnCancel->SetModalResult(mrCancel);
  SetActiveControl(sp01->edBegin);
}

}  // namespace pxq::demo
