// The Qt view driven offscreen through Qt events: the model sees what the headless tests see.
#include "platform/qt/view.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEventLoop>
#include <QFontInfo>
#include <QImage>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <memory>
#include <vector>

#include "platform/os/codepage.h"
#include "platform/qt/peer.h"
#include "platform/vcl/buttons.h"
#include "platform/vcl/extctrls.h"
#include "platform/vcl/grids.h"
#include "platform/vcl/listview.h"
#include "platform/vcl/menus.h"
#include "platform/vcl/pagecontrol.h"
#include "platform/vcl/spin.h"
#include "platform/vcl/toolbar.h"
#include "testing/testing.h"

namespace pxq::vcl {

// A control class the view does not know: it gets the peer of its nearest known base class.
class TCodeEdit : public TEdit {
  PXQ_CLASS(TCodeEdit)
 public:
  using TEdit::TEdit;
};
PXQ_REGISTER_CLASS(TCodeEdit, TEdit)
void TCodeEdit::DefineClass(TClassBuilder<TCodeEdit>&) {}

}  // namespace pxq::vcl

namespace pxq::qt {
namespace {

using namespace vcl;
using os::Ansi;

// One QApplication for the whole program (Qt allows only one).
class QtEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    static int argc = 1;
    static char name[] = "pxq_qt_test";
    static char* argv[] = {name, nullptr};
    app_ = std::make_unique<QApplication>(argc, argv);
  }
  void TearDown() override { app_.reset(); }

 private:
  std::unique_ptr<QApplication> app_;
};
const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

template <class T>
T* Make(TComponent* owner, TWinControl* parent, const char* name, int left, int top, int width,
        int height) {
  auto* c = new T(owner);
  c->SetName(name);
  c->SetParent(parent);
  c->SetBounds(left, top, width, height);
  return c;
}

QPoint Center(QWidget* w) { return w->rect().center(); }

// A form with one control of each kind.
struct EveryControlForm {
  TForm* form = CreateForm<TForm>(nullptr);
  TLabel* label;
  TLabel* big5Label;
  TCodeEdit* edit;
  TMaskEdit* maskEdit;
  TMemo* memo;
  TButton* ok;
  TButton* cancel;
  TCheckBox* check;
  TRadioButton* radio1;
  TRadioButton* radio2;
  TComboBox* combo;
  TListView* list;
  TPageControl* pages;
  TTabSheet* page1;
  TTabSheet* page2;
  TTabSheet* page3;
  TPanel* panel;
  TGroupBox* group;
  TSpinEdit* spin;
  TStringGrid* grid;
  TSpeedButton* speed;
  TToolBar* toolbar;
  TMainMenu* menu;
  std::vector<std::string> events;

  EveryControlForm() {
    form->SetName("frmEvery");
    form->SetCaption(Ansi("每种控件"));
    form->SetBounds(10, 10, 640, 420);
    form->Font()->SetName(Ansi("宋体"));
    form->Font()->SetCharset(GB2312_CHARSET);
    form->Font()->SetHeight(-12);
    form->SetKeyPreview(true);
    form->OnKeyDown = [this](TObject*, Word& key, TShiftState) {
      if (key == VK_F1 || key == VK_F2) events.push_back(key == VK_F1 ? "F1" : "F2");
    };
    menu = new TMainMenu(form);
    form->SetMenu(menu);
    auto* file = new TMenuItem(form);
    file->SetCaption(Ansi("文件"));
    menu->Items()->Add(file);
    toolbar = Make<TToolBar>(form, form, "tbMain", 0, 0, 640, 26);
    toolbar->SetAlign(alTop);
    auto* tool = new TToolButton(form);
    tool->SetName("tbnNew");
    tool->SetParent(toolbar);
    label = Make<TLabel>(form, form, "lblName", 8, 36, 60, 16);
    label->SetCaption(Ansi("名称(&N)"));
    big5Label = Make<TLabel>(form, form, "lblBig5", 8, 60, 60, 16);
    big5Label->Font()->SetCharset(CHINESEBIG5_CHARSET);
    big5Label->SetCaption(*os::WideToMultiByte(950, u"繁體"));
    edit = Make<TCodeEdit>(form, form, "edName", 80, 34, 120, 21);
    maskEdit = Make<TMaskEdit>(form, form, "meDate", 210, 34, 100, 21);
    maskEdit->SetEditMask("9999/99/99;1;_");
    spin = Make<TSpinEdit>(form, form, "seCount", 320, 34, 60, 21);
    spin->SetMaxValue(10);
    memo = Make<TMemo>(form, form, "mmNote", 400, 34, 120, 50);
    check = Make<TCheckBox>(form, form, "chkLock", 8, 90, 100, 17);
    check->SetCaption(Ansi("锁定"));
    check->OnClick = [this](TObject*) { events.push_back("check"); };
    radio1 = Make<TRadioButton>(form, form, "rdoA", 110, 90, 60, 17);
    radio1->SetChecked(true);
    radio2 = Make<TRadioButton>(form, form, "rdoB", 180, 90, 60, 17);
    combo = Make<TComboBox>(form, form, "cboSort", 250, 90, 100, 21);
    combo->SetStyle(csDropDownList);
    combo->Items()->Add(Ansi("料号"));
    combo->Items()->Add(Ansi("日期"));
    combo->SetItemIndex(0);
    speed = Make<TSpeedButton>(form, form, "btnFind", 360, 90, 23, 22);
    speed->SetCaption("...");
    speed->OnClick = [this](TObject*) { events.push_back("speed"); };
    list = Make<TListView>(form, form, "lvRows", 8, 120, 240, 100);
    list->SetViewStyle(vsReport);
    for (const char* caption : {"代码", "名称"}) list->Columns()->Add()->SetCaption(Ansi(caption));
    for (const char* code : {"A01", "B02", "C03"}) {
      TListItem* item = list->Items()->Add();
      item->SetCaption(code);
      item->SubItems()->Add(Ansi("物料"));
    }
    pages = Make<TPageControl>(form, form, "pgMain", 260, 120, 250, 120);
    page1 = new TTabSheet(form);
    page1->SetName("tsOne");
    page1->SetPageControl(pages);
    page1->SetCaption(Ansi("条件"));
    page2 = new TTabSheet(form);
    page2->SetName("tsTwo");
    page2->SetPageControl(pages);
    page2->SetCaption(Ansi("选项"));
    page3 = new TTabSheet(form);
    page3->SetName("tsThree");
    page3->SetPageControl(pages);
    page3->SetCaption(Ansi("隐藏"));
    page3->SetTabVisible(false);
    pages->SetActivePage(page1);
    pages->OnChange = [this](TObject*) { events.push_back("page"); };
    panel = Make<TPanel>(form, form, "pnlBottom", 0, 370, 640, 50);
    panel->SetAlign(alBottom);
    group = Make<TGroupBox>(form, panel, "grpButtons", 300, 2, 330, 46);
    ok = Make<TButton>(form, group, "btnOK", 10, 15, 75, 25);
    ok->SetCaption(Ansi("确定"));
    ok->SetDefault(true);
    ok->SetModalResult(mrOk);
    cancel = Make<TButton>(form, group, "btnCancel", 100, 15, 75, 25);
    cancel->SetCaption(Ansi("取消"));
    cancel->SetCancel(true);
    cancel->SetModalResult(mrCancel);
    grid = Make<TStringGrid>(form, form, "sgUsers", 8, 250, 300, 100);
    grid->SetCells(1, 1, Ansi("张三"));
    form->OnClose = [this](TObject*, TCloseAction&) { events.push_back("close"); };
  }
  ~EveryControlForm() { delete form; }
};

QWidget* W(QtView& view, TControl* c) {
  Peer* peer = view.PeerOf(*c);
  return peer ? peer->Widget() : nullptr;
}

TEST(QtView, FormWithEveryControlShowsTheModelAndFeedsInputBack) {
  QtView view;
  EveryControlForm f;
  f.form->SetActiveControl(f.edit);
  f.form->Show();
  QWidget* window = view.WindowOf(*f.form);
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(window->isVisible());
  ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  EXPECT_EQ(window->windowTitle(), QString::fromUtf8("每种控件"));

  // Every control has a widget at its bounds; the unknown class got the edit's peer.
  for (TControl* c : std::initializer_list<TControl*>{f.label, f.edit, f.memo, f.check, f.combo,
                                                      f.list, f.pages, f.grid, f.ok, f.spin}) {
    QWidget* w = W(view, c);
    ASSERT_NE(w, nullptr) << c->Name();
    EXPECT_EQ(w->geometry(), QRect(c->Left(), c->Top(), c->Width(), c->Height())) << c->Name();
  }
  EXPECT_NE(qobject_cast<QLineEdit*>(W(view, f.edit)), nullptr);
  EXPECT_EQ(static_cast<QLabel*>(W(view, f.label))->text(), QString::fromUtf8("名称(N)"));
  EXPECT_EQ(static_cast<QLabel*>(W(view, f.big5Label))->text(), QString::fromUtf8("繁體"));
  EXPECT_EQ(QFontInfo(QFont(QString::fromUtf8("宋体"))).family(), "Noto Serif CJK SC");

  // The focus follows the model; typed keys and committed input-method text reach the edit.
  EXPECT_EQ(QApplication::focusWidget(), W(view, f.edit));
  QTest::keyClicks(window->focusWidget(), "ab1");
  QInputMethodEvent commit;
  commit.setCommitString(QString::fromUtf8("中文"));
  QApplication::sendEvent(W(view, f.edit), &commit);
  EXPECT_EQ(f.edit->Text(), "ab1" + Ansi("中文"));
  EXPECT_EQ(static_cast<QLineEdit*>(W(view, f.edit))->text(), QString::fromUtf8("ab1中文"));
  QTest::keyClick(window->focusWidget(), Qt::Key_Backspace);
  EXPECT_EQ(f.edit->Text(), "ab1" + Ansi("中"));

  // Tab moves the focus in the model's tab order, and Qt's focus follows.
  QTest::keyClick(window->focusWidget(), Qt::Key_Tab);
  EXPECT_EQ(f.form->ActiveControl(), f.maskEdit);
  EXPECT_EQ(QApplication::focusWidget(), W(view, f.maskEdit));
  QTest::keyClicks(window->focusWidget(), "20240131");
  EXPECT_EQ(f.maskEdit->EditText(), "2024/01/31");

  // Function keys go through the form's key preview.
  QTest::keyClick(window->focusWidget(), Qt::Key_F1);
  QTest::keyClick(window->focusWidget(), Qt::Key_F2);

  // Clicks: the model clicks, checks and selects; the widgets show what it decided.
  QTest::mouseClick(W(view, f.check), Qt::LeftButton, {}, Center(W(view, f.check)));
  EXPECT_TRUE(f.check->Checked());
  EXPECT_EQ(f.form->ActiveControl(), f.check);
  EXPECT_EQ(static_cast<QCheckBox*>(W(view, f.check))->checkState(), Qt::Checked);
  QTest::mouseClick(W(view, f.radio2), Qt::LeftButton, {}, Center(W(view, f.radio2)));
  EXPECT_TRUE(f.radio2->Checked());
  EXPECT_FALSE(f.radio1->Checked());
  QTest::mouseClick(W(view, f.speed), Qt::LeftButton, {}, Center(W(view, f.speed)));

  auto* tree = static_cast<QTreeWidget*>(W(view, f.list));
  const QRect row = tree->visualItemRect(tree->topLevelItem(1));
  QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, row.center());
  EXPECT_EQ(f.list->ItemIndex(), 1);
  EXPECT_TRUE(tree->topLevelItem(1)->isSelected());
  EXPECT_FALSE(tree->topLevelItem(0)->isSelected());

  // F2 opens the in-place editor of the selected row's caption; Enter hands its text to the
  // model.
  QTest::keyClick(window->focusWidget(), Qt::Key_F2);
  ASSERT_TRUE(f.list->IsEditing());
  auto* editor = tree->viewport()->findChild<QLineEdit*>();
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(QApplication::focusWidget(), editor);
  QTest::keyClicks(editor, "B");
  QInputMethodEvent material;
  material.setCommitString(QString::fromUtf8("料"));
  QApplication::sendEvent(editor, &material);
  QTest::keyClick(editor, Qt::Key_Return);
  EXPECT_FALSE(f.list->IsEditing());
  EXPECT_EQ(f.list->Items()->Item(1)->Caption(), "B" + Ansi("料"));
  EXPECT_EQ(tree->topLevelItem(1)->text(0), QString::fromUtf8("B料"));
  EXPECT_EQ(QApplication::focusWidget(), tree);

  // A right click shows the control's pop-up menu; choosing an item clicks it in the model.
  auto* popup = new TPopupMenu(f.form);
  auto* removeRow = new TMenuItem(f.form);
  removeRow->SetCaption(Ansi("删除"));
  removeRow->OnClick = [&](TObject*) { f.events.push_back("remove"); };
  popup->Items()->Add(removeRow);
  f.list->SetPopupMenu(popup);
  QString popupText;
  QTimer::singleShot(0, [&] {
    if (auto* shown = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
      popupText = shown->actions().value(0)->text();
      shown->actions().value(0)->trigger();
      shown->close();
    }
  });
  QTest::mouseClick(tree->viewport(), Qt::RightButton, {}, row.center());
  EXPECT_EQ(popupText, QString::fromUtf8("删除"));

  // The combo box's list drops down after the model's OnDropDown; it picks with the keyboard.
  f.combo->OnDropDown = [&](TObject*) { f.combo->Items()->Add(Ansi("供应商")); };
  auto* box = static_cast<QComboBox*>(W(view, f.combo));
  box->showPopup();
  EXPECT_TRUE(f.combo->DroppedDown());
  EXPECT_EQ(box->count(), 3);
  box->hidePopup();
  EXPECT_FALSE(f.combo->DroppedDown());

  f.combo->SetFocus();
  QTest::keyClick(window->focusWidget(), Qt::Key_Down);
  EXPECT_EQ(f.combo->ItemIndex(), 1);
  EXPECT_EQ(box->currentIndex(), 1);

  // Page control: hidden tabs are not shown; a tab click changes the page in the model.
  QTabBar* tabs = W(view, f.pages)->findChild<QTabBar*>();
  ASSERT_NE(tabs, nullptr);
  EXPECT_EQ(tabs->count(), 2);
  QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
  EXPECT_EQ(f.pages->ActivePage(), f.page2);
  EXPECT_EQ(tabs->currentIndex(), 1);
  EXPECT_FALSE(W(view, f.page1)->isVisible());
  EXPECT_TRUE(W(view, f.page2)->isVisible());
  f.page3->SetTabVisible(true);
  EXPECT_EQ(tabs->count(), 3);

  // Model changes reach the widgets.
  f.label->SetCaption(Ansi("代码"));
  EXPECT_EQ(static_cast<QLabel*>(W(view, f.label))->text(), QString::fromUtf8("代码"));
  auto* bar = window->findChild<QMenuBar*>();
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(bar->actions().value(0)->text(), QString::fromUtf8("文件"));
  f.menu->Items()->Items(0)->SetCaption(Ansi("报表"));
  QCoreApplication::processEvents();
  EXPECT_EQ(bar->actions().value(0)->text(), QString::fromUtf8("报表"));
  f.memo->SetVisible(false);
  EXPECT_FALSE(W(view, f.memo)->isVisible());
  f.ok->SetEnabled(false);
  EXPECT_FALSE(W(view, f.ok)->isEnabled());

  EXPECT_EQ(f.events,
            (std::vector<std::string>{"F1", "F2", "check", "speed", "F2", "remove", "page"}));

  // Messages posted in the model are handled while Qt's event loop waits.
  PostMessage(f.check->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MakeLParam(5, 5));
  PostMessage(f.check->Handle(), WM_LBUTTONUP, 0, MakeLParam(5, 5));
  QEventLoop loop;
  QTimer::singleShot(50, &loop, &QEventLoop::quit);
  loop.exec();
  EXPECT_FALSE(f.check->Checked());
  EXPECT_EQ(static_cast<QCheckBox*>(W(view, f.check))->checkState(), Qt::Unchecked);

  // A screenshot of the form.
  testing::TempDir dir;
  const std::string png = (dir / "every.png").string();
  ASSERT_TRUE(view.SaveScreenshot(*f.form, png));
  QImage image(QString::fromStdString(png));
  EXPECT_EQ(image.size(), window->size());

  // Closing the window asks the model, which closes the form.
  window->close();
  EXPECT_FALSE(f.form->Visible());
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(f.events.back(), "close");
}

TEST(QtView, ModalFormRunsARealLoopAndMessageBoxesAreQtBoxes) {
  QtView view;
  TForm* form = CreateForm<TForm>(nullptr);
  form->SetBounds(0, 0, 300, 120);
  form->Font()->SetCharset(GB2312_CHARSET);
  auto* ok = Make<TButton>(form, form, "btnOK", 20, 80, 75, 25);
  ok->SetModalResult(mrOk);
  auto* cancel = Make<TButton>(form, form, "btnCancel", 120, 80, 75, 25);
  cancel->SetCancel(true);
  cancel->SetModalResult(mrCancel);
  TModalResult answer = mrNone;
  ok->OnClick = [&](TObject*) {
    TMessageBoxRequest request;
    request.Text = Ansi("确实要删除此方案吗？");
    request.Type = mtConfirmation;
    request.Buttons = {mbYes, mbNo};
    request.ButtonCaptions[mbNo] = Ansi("否(&N)");  // a localised caption replaces the standard
    answer = Application().Backend().ShowMessageBox(request);
  };

  // The user answers the box with "No", then the OK click ends the session.
  QString boxText, noCaption;
  int boxButtons = 0;
  bool modalWindow = false;
  QTimer::singleShot(0, [&] {
    modalWindow = view.WindowOf(*form)->isVisible() && view.WindowOf(*form)->isModal();
    QTest::mouseClick(W(view, ok), Qt::LeftButton, {}, Center(W(view, ok)));
  });
  QTimer timer;
  QObject::connect(&timer, &QTimer::timeout, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    timer.stop();
    boxText = box->text();
    boxButtons = static_cast<int>(box->buttons().size());
    EXPECT_EQ(box->icon(), QMessageBox::Question);
    noCaption = box->button(QMessageBox::No)->text();
    box->button(QMessageBox::No)->click();
  });
  timer.start(10);
  EXPECT_EQ(form->ShowModal(), mrOk);
  EXPECT_TRUE(modalWindow);
  EXPECT_EQ(answer, mrNo);
  EXPECT_EQ(boxText, QString::fromUtf8("确实要删除此方案吗？"));
  EXPECT_EQ(boxButtons, 2);
  EXPECT_EQ(noCaption, QString::fromUtf8("否(&N)"));
  EXPECT_FALSE(view.WindowOf(*form)->isVisible());

  // Esc clicks the cancel button.
  QTimer::singleShot(0, [&] { QTest::keyClick(view.WindowOf(*form), Qt::Key_Escape); });
  EXPECT_EQ(form->ShowModal(), mrCancel);

  // Enter in an edit clicks the default button.
  auto* edit = Make<TEdit>(form, form, "edNote", 20, 20, 120, 21);
  form->SetActiveControl(edit);
  ok->OnClick = nullptr;
  ok->SetDefault(true);
  QTimer::singleShot(0, [&] { QTest::keyClick(view.WindowOf(*form), Qt::Key_Return); });
  EXPECT_EQ(form->ShowModal(), mrOk);
  delete form;
}

}  // namespace
}  // namespace pxq::qt
