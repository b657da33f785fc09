#include "platform/vcl/form.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/vcl/dialogs.h"
#include "platform/vcl/headless_test.h"
#include "platform/vcl/input.h"
#include "platform/vcl/stdctrls.h"

namespace pxq::vcl {
namespace {

using Log = std::vector<std::string>;

// A form with two group boxes: g1 holds edA and the group box inner (with edB); g2 holds edC;
// then the buttons OK (default) and Cancel.
class FocusForm : public ::testing::Test {
 protected:
  testing::HeadlessApp app;
  TForm* form = new TForm(nullptr);
  Log log;

  template <class T>
  T* Add(TWinControl* parent, const char* name) {
    auto* c = new T(form);
    c->SetName(name);
    c->SetParent(parent);
    c->OnEnter = [this, name](TObject*) { log.push_back(std::string("enter ") + name); };
    c->OnExit = [this, name](TObject*) { log.push_back(std::string("exit ") + name); };
    return c;
  }

  TGroupBox* g1 = Add<TGroupBox>(form, "g1");
  TEdit* edA = Add<TEdit>(g1, "edA");
  TGroupBox* inner = Add<TGroupBox>(g1, "inner");
  TEdit* edB = Add<TEdit>(inner, "edB");
  TGroupBox* g2 = Add<TGroupBox>(form, "g2");
  TEdit* edC = Add<TEdit>(g2, "edC");
  TButton* ok = Add<TButton>(form, "btnOk");
  TButton* cancel = Add<TButton>(form, "btnCancel");

  void SetUp() override {
    ok->SetDefault(true);
    ok->SetModalResult(mrOk);
    cancel->SetCancel(true);
    cancel->SetModalResult(mrCancel);
  }
  void TearDown() override {
    delete form;
    Application().ProcessMessages();
  }
  Log Take() { return std::exchange(log, {}); }
};

TEST_F(FocusForm, ExitAndEnterRunAcrossNestedContainers) {
  form->SetActiveControl(edB);  // not shown yet: only recorded
  EXPECT_TRUE(Take().empty());
  form->Show();
  EXPECT_EQ(Take(), (Log{"enter g1", "enter inner", "enter edB"}));
  EXPECT_EQ(form->ActiveControl(), edB);

  edA->SetFocus();
  EXPECT_EQ(Take(), (Log{"exit edB", "exit inner", "enter edA"}));
  edC->SetFocus();
  EXPECT_EQ(Take(), (Log{"exit edA", "exit g1", "enter g2", "enter edC"}));
  ok->SetFocus();
  EXPECT_EQ(Take(), (Log{"exit edC", "exit g2", "enter btnOk"}));
  EXPECT_TRUE(ok->Focused());

  // Hiding the focused control's container leaves it; the focus falls back on the form.
  edC->SetFocus();
  Take();
  g2->SetVisible(false);
  EXPECT_EQ(Take(), (Log{"exit edC", "exit g2"}));
  EXPECT_EQ(form->ActiveControl(), nullptr);

  // Freeing the focused control: it gets no event, its containers are left.
  edB->SetFocus();
  Take();
  delete edB;
  EXPECT_EQ(Take(), (Log{"exit inner", "exit g1"}));
  EXPECT_EQ(form->ActiveControl(), nullptr);
  EXPECT_EQ(form->FocusedControl(), nullptr);
}

TEST_F(FocusForm, TabMovesInTabOrderAcrossContainers) {
  g2->SetTabOrder(0);  // g2 (edC) comes first now
  form->Show();
  EXPECT_EQ(form->ActiveControl(), edC);
  std::vector<TWinControl*> visited;
  for (int i = 0; i < 5; ++i) {
    PressKey(*form, VK_TAB);
    visited.push_back(form->ActiveControl());
  }
  EXPECT_EQ(visited, (std::vector<TWinControl*>{edA, edB, ok, cancel, edC}));
  PressKey(*form, VK_TAB, {ssShift});
  EXPECT_EQ(form->ActiveControl(), cancel);

  // Disabled and hidden controls are skipped.
  edA->SetEnabled(false);
  inner->SetVisible(false);
  form->SelectNext(edC, true, true);
  EXPECT_EQ(form->ActiveControl(), ok);
}

TEST_F(FocusForm, AnExitCheckCanKeepTheFocusAndStopAClick) {
  form->Show();
  edA->SetFocus();
  TWinControl* activeDuringExit = nullptr;
  edA->OnExit = [&](TObject*) {
    activeDuringExit = form->ActiveControl();
    if (edA->Text().empty()) edA->SetFocus();
  };
  int okClicks = 0;
  ok->OnClick = [&](TObject*) { ++okClicks; };

  ClickControl(ok);
  EXPECT_EQ(activeDuringExit, ok);  // the control being entered is already active
  EXPECT_EQ(form->ActiveControl(), edA);
  EXPECT_EQ(okClicks, 0);

  TypeText(*form, "x");
  ClickControl(ok);
  EXPECT_EQ(okClicks, 1);
  EXPECT_EQ(form->ActiveControl(), ok);
}

TEST_F(FocusForm, KeyPreviewLetsTheFormSeeKeysFirst) {
  Log keys;
  form->OnKeyDown = [&](TObject*, Word& key, TShiftState) {
    keys.push_back("form " + std::to_string(key));
    if (key == VK_F2) key = 0;  // consumed by the form
  };
  form->OnKeyPress = [&](TObject*, char& ch) {
    if (ch == 'a') ch = 'b';
  };
  edA->OnKeyDown = [&](TObject*, Word& key, TShiftState) {
    keys.push_back("edit " + std::to_string(key));
  };
  form->Show();
  edA->SetFocus();

  PressKey(*form, VK_F2);
  PressKey(*form, 'A');
  EXPECT_EQ(edA->Text(), "a");  // without preview the form sees nothing
  EXPECT_EQ(keys, (Log{"edit 113", "edit 65"}));

  keys.clear();
  form->SetKeyPreview(true);
  PressKey(*form, VK_F2);
  PressKey(*form, 'A');
  EXPECT_EQ(keys, (Log{"form 113", "form 65", "edit 65"}));
  EXPECT_EQ(edA->Text(), "ab");
}

TEST_F(FocusForm, EnterPressesTheDefaultButtonAndEscTheCancelButton) {
  form->Show();
  edA->SetFocus();
  PressKey(*form, VK_RETURN);
  EXPECT_EQ(form->ModalResult(), mrOk);
  PressKey(*form, VK_ESCAPE);
  EXPECT_EQ(form->ModalResult(), mrCancel);
}

TEST_F(FocusForm, AcceleratorKeysFocusAndClick) {
  auto* label = new TLabel(form);
  label->SetParent(g2);
  label->SetCaption("&Code");
  label->SetFocusControl(edC);
  ok->SetCaption("&Save");
  int saves = 0;
  ok->OnClick = [&](TObject*) { ++saves; };
  form->Show();
  edA->SetFocus();
  TypeText(*form, "cs");  // an edit keeps its characters
  EXPECT_EQ(edA->Text(), "cs");
  PressKey(*form, 'S', {ssAlt});
  EXPECT_EQ(saves, 1);
  EXPECT_EQ(form->ActiveControl(), ok);
  PressKey(*form, 'C');  // a button does not take characters: the accelerator acts
  EXPECT_EQ(form->ActiveControl(), edC);
  EXPECT_EQ(edC->Text(), "");
}

TEST_F(FocusForm, ScriptedModalSessionTypesAndPressesOk) {
  app->OnNextModal([&](TCustomForm& f) {
    EXPECT_EQ(f.ActiveControl(), edA);
    TypeText(f, "1001");
    PressKey(f, VK_TAB);
    TypeText(f, "ab");
    ClickControl(ok);
  });
  EXPECT_EQ(form->ShowModal(), mrOk);
  EXPECT_EQ(edA->Text(), "1001");
  EXPECT_EQ(edB->Text(), "ab");
  EXPECT_FALSE(form->Visible());
  ASSERT_EQ(app->ModalSessions().size(), 1u);
  EXPECT_EQ(app->ModalSessions()[0].Result, mrOk);

  // Without a script the session ends as if the window was closed.
  EXPECT_EQ(form->ShowModal(), mrCancel);
}

TEST_F(FocusForm, CloseQueryCanRefuseTheEndOfAModalSession) {
  int asked = 0;
  form->OnCloseQuery = [&](TObject*, bool& canClose) { canClose = ++asked > 1; };
  app->OnNextModal([&](TCustomForm& f) {
    f.SetModalResult(mrOk);
    EXPECT_FALSE(f.ModalDone());  // refused: the session goes on
    EXPECT_EQ(f.ModalResult(), mrNone);
    ClickControl(ok);
  });
  EXPECT_EQ(form->ShowModal(), mrOk);
  EXPECT_EQ(asked, 2);
}

TEST_F(FocusForm, AModalFormClosedWithCaFreeIsFreedAfterShowModalReturns) {
  form->OnClose = [](TObject*, TCloseAction& action) { action = caFree; };
  app->OnNextModal([&](TCustomForm&) {
    // A message box inside the session is answered from the script too.
    app->AnswerNext(mrYes);
    EXPECT_EQ(MessageDlg("Save?", mtConfirmation, {mbYes, mbNo}), mrYes);
    ClickControl(ok);
  });
  const HWND handle = form->Handle();
  EXPECT_EQ(form->ShowModal(), mrOk);
  EXPECT_EQ(FindControl(handle), form);
  Application().ProcessMessages();
  EXPECT_EQ(FindControl(handle), nullptr);
  form = nullptr;
}

TEST_F(FocusForm, CloseWithCaFreeReleasesTheFormAfterTheEvent) {
  auto* watcher = new TComponent(nullptr);
  struct Probe : TComponent {
    using TComponent::TComponent;
    bool freed = false;
    void Notification(TComponent* c, TOperation op) override {
      TComponent::Notification(c, op);
      if (op == opRemove && c->InheritsFrom("TForm")) freed = true;
    }
  };
  auto* probe = new Probe(watcher);
  form->FreeNotification(probe);
  form->OnClose = [](TObject*, TCloseAction& action) { action = caFree; };
  form->Show();
  cancel->OnClick = [&](TObject*) { form->Close(); };
  ClickControl(cancel);
  EXPECT_FALSE(probe->freed);  // still there while the click is handled
  EXPECT_FALSE(form->Visible());
  Application().ProcessMessages();
  EXPECT_TRUE(probe->freed);
  form = nullptr;
  delete watcher;
}

// A form that records the user messages it receives.
class MessageForm : public TForm {
 public:
  using TForm::TForm;
  Log* log = nullptr;
  void WndProc(TMessage& msg) override {
    if (msg.Msg >= WM_USER) {
      log->push_back(std::to_string(msg.Msg - WM_USER) + ":" + std::to_string(msg.LParam));
      if (msg.Msg == WM_USER + 1) PostMessage(Handle(), WM_USER + 9, 0, 9);
      msg.Result = 42;
      return;
    }
    TForm::WndProc(msg);
  }
};

TEST(Messages, PostedMessagesAreHandledInOrderAndSentOnesAtOnce) {
  testing::HeadlessApp app;
  Log log;
  auto* form = new MessageForm(nullptr);
  form->log = &log;
  auto* gone = new MessageForm(nullptr);
  gone->log = &log;

  EXPECT_TRUE(PostMessage(form->Handle(), WM_USER + 1, 0, 1));
  EXPECT_TRUE(PostMessage(gone->Handle(), WM_USER + 2, 0, 2));
  EXPECT_TRUE(PostMessage(form->Handle(), WM_USER + 3, 0, 3));
  EXPECT_EQ(form->Perform(WM_USER + 10, 0, 10), 42);
  EXPECT_EQ(log, Log{"10:10"});
  delete gone;  // its message is dropped
  EXPECT_FALSE(PostMessage(-5, WM_USER, 0, 0));
  Application().ProcessMessages();
  EXPECT_EQ(log, (Log{"10:10", "1:1", "3:3", "9:9"}));
  EXPECT_EQ(Application().PendingMessages(), 0u);
  delete form;
}

TEST(Messages, MessageBoxesAreRecordedAndAnsweredFromTheScript) {
  testing::HeadlessApp app;
  app->AnswerNext(mrNo);
  EXPECT_EQ(MessageDlg("Delete?", mtConfirmation, {mbYes, mbNo}), mrNo);
  EXPECT_EQ(MessageDlg("Done", mtInformation, {mbOK}), mrOk);  // default button
  EXPECT_EQ(Application().MessageBox("Sure?", "Title", MB_YESNO | MB_ICONQUESTION), mrYes);
  ASSERT_EQ(app->Boxes().size(), 3u);
  EXPECT_EQ(app->Boxes()[0].Request.Text, "Delete?");
  EXPECT_EQ(app->Boxes()[0].Result, mrNo);
  EXPECT_EQ(app->Boxes()[2].Request.Caption, "Title");
  EXPECT_EQ(app->Boxes()[2].Request.Type, mtConfirmation);
  EXPECT_EQ(app->Boxes()[2].Request.Buttons, (TMsgDlgButtons{mbYes, mbNo}));
  EXPECT_EQ(app->Boxes()[0].Request.Caption, "Confirm");

  // A dialog built first can be changed before it is shown.
  std::unique_ptr<TMessageForm> dialog(CreateMessageDialog("Text", mtWarning, {mbOK, mbCancel}));
  ASSERT_NE(FindComponent<TButton>(dialog.get(), "Cancel"), nullptr);
  EXPECT_EQ(FindComponent<TButton>(dialog.get(), "Cancel")->ModalResult(), mrCancel);
  dialog->SetCaption("Title of the form");
  dialog->Font()->SetName("SimSun");
  dialog->Message()->SetCaption("Text      ");
  app->AnswerNext(mrCancel);
  EXPECT_EQ(dialog->ShowModal(), mrCancel);
  EXPECT_EQ(app->Boxes()[3].Request.Caption, "Title of the form");
  EXPECT_EQ(app->Boxes()[3].Request.Text, "Text      ");
  EXPECT_EQ(app->Boxes()[3].Request.FontName, "SimSun");
}

TEST(Observer, ViewsFollowShowingFocusAndPropertyChanges) {
  testing::HeadlessApp app;
  struct Recorder : TModelObserver {
    Log log;
    void FormShown(TCustomForm& f) override { log.push_back("shown " + f.Name()); }
    void FormHidden(TCustomForm& f) override { log.push_back("hidden " + f.Name()); }
    void FocusChanged(TCustomForm&, TWinControl* c) override {
      log.push_back("focus " + (c ? c->Name() : std::string("-")));
    }
    void PropertyChanged(TPersistent& o, std::string_view p) override {
      if (p == "Caption") log.push_back("caption " + static_cast<TComponent&>(o).Name());
    }
    void ComponentDestroying(TComponent& c) override { log.push_back("free " + c.Name()); }
  } recorder;
  Application().AddObserver(&recorder);
  auto* form = new TForm(nullptr);
  form->SetName("frm");
  auto* edit = new TEdit(form);
  edit->SetName("ed");
  edit->SetParent(form);
  form->Show();
  form->SetCaption("x");
  form->Hide();
  delete form;
  Application().RemoveObserver(&recorder);
  EXPECT_EQ(recorder.log,
            (Log{"shown frm", "focus ed", "caption frm", "hidden frm", "free frm", "free ed"}));
}

}  // namespace
}  // namespace pxq::vcl
