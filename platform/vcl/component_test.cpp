#include "platform/vcl/component.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/vcl/form.h"
#include "platform/vcl/headless_test.h"
#include "platform/vcl/menus.h"
#include "platform/vcl/stdctrls.h"

namespace pxq::vcl {
namespace {

// Records what it is told and keeps a reference it must clear.
class Watcher : public TComponent {
 public:
  using TComponent::TComponent;
  TComponent* watched = nullptr;
  std::vector<std::string>* log = nullptr;
  bool sawDestroying = false;
  void Watch(TComponent* c) {
    watched = c;
    c->FreeNotification(this);
  }

 protected:
  void Notification(TComponent* c, TOperation op) override {
    TComponent::Notification(c, op);
    if (op == opRemove && c == watched) {
      sawDestroying = c->ComponentState().Contains(csDestroying);
      watched = nullptr;
      if (log) log->push_back("notified of " + c->Name());
    }
  }
};

// Logs its own destruction.
class Logged : public TComponent {
 public:
  Logged(TComponent* owner, std::string name, std::vector<std::string>& log)
      : TComponent(owner), log_(log) {
    SetName(name);
  }
  ~Logged() override { log_.push_back("freed " + Name()); }

 private:
  std::vector<std::string>& log_;
};

TEST(Component, OwnerFreesOwnedComponentsLastCreatedFirst) {
  std::vector<std::string> log;
  auto* owner = new TComponent(nullptr);
  new Logged(owner, "a", log);
  auto* b = new Logged(owner, "b", log);
  new Logged(owner, "c", log);
  ASSERT_EQ(owner->ComponentCount(), 3);
  EXPECT_EQ(owner->FindComponent("B"), b);
  EXPECT_EQ(b->ComponentIndex(), 1);

  delete b;  // leaves its owner
  EXPECT_EQ(owner->ComponentCount(), 2);
  EXPECT_EQ(owner->FindComponent("b"), nullptr);

  delete owner;
  EXPECT_EQ(log, (std::vector<std::string>{"freed b", "freed c", "freed a"}));
}

TEST(Component, NamesAreIdentifiersUniqueWithinTheOwner) {
  TComponent owner(nullptr);
  auto* a = new TComponent(&owner);
  a->SetName("edName");
  auto* b = new TComponent(&owner);
  EXPECT_THROW(b->SetName("EDNAME"), EComponentError);
  EXPECT_THROW(b->SetName("1abc"), EComponentError);
  EXPECT_THROW(b->SetName("a b"), EComponentError);
  EXPECT_EQ(b->Name(), "");
  b->SetName("edOther");
  EXPECT_EQ(b->NamePath(), "edOther");
}

TEST(Component, FreeNotificationClearsReferencesAcrossOwners) {
  std::vector<std::string> log;
  auto* formA = new TComponent(nullptr);
  auto* formB = new TComponent(nullptr);
  auto* target = new TComponent(formA);
  target->SetName("target");
  auto* watcher = new Watcher(formB);
  watcher->log = &log;
  watcher->Watch(target);

  delete formA;  // frees target
  EXPECT_EQ(watcher->watched, nullptr);
  EXPECT_TRUE(watcher->sawDestroying);
  EXPECT_EQ(log, std::vector<std::string>{"notified of target"});

  // The other direction: the watcher goes first and the target no longer refers to it.
  auto* formC = new TComponent(nullptr);
  auto* target2 = new TComponent(formC);
  auto* watcher2 = new Watcher(formB);
  watcher2->Watch(target2);
  delete formB;
  delete formC;  // must not notify the freed watcher (ASan would see it)
}

TEST(Component, ReferencesBetweenControlsAreClearedWhenTheTargetIsFreed) {
  testing::HeadlessApp app;
  auto* form = new TForm(nullptr);
  auto* other = new TForm(nullptr);
  auto* label = new TLabel(form);
  auto* edit = new TEdit(other);
  edit->SetParent(other);
  auto* menu = new TPopupMenu(other);
  label->SetFocusControl(edit);
  label->SetPopupMenu(menu);
  delete other;
  EXPECT_EQ(label->FocusControl(), nullptr);
  EXPECT_EQ(label->PopupMenu(), nullptr);
  delete form;
}

TEST(Component, FreeingAParentFreesItsControlsWhoeverOwnsThem) {
  testing::HeadlessApp app;
  auto* form = new TForm(nullptr);
  auto* box = new TGroupBox(form);
  box->SetParent(form);
  auto* edit = new TEdit(form);
  edit->SetName("edInner");
  edit->SetParent(box);
  form->SetActiveControl(edit);
  ASSERT_EQ(form->ComponentCount(), 2);

  delete box;
  EXPECT_EQ(form->ComponentCount(), 0);
  EXPECT_EQ(form->FindComponent("edInner"), nullptr);
  EXPECT_EQ(form->ActiveControl(), nullptr);
  EXPECT_EQ(form->ControlCount(), 0);
  delete form;
}

TEST(Component, ClassNamesAndTheClassChain) {
  TEdit edit(nullptr);
  EXPECT_EQ(edit.ClassName(), "TEdit");
  EXPECT_EQ(edit.ClassType().ClassChain(),
            (std::vector<std::string>{"TEdit", "TCustomEdit", "TWinControl", "TControl",
                                      "TComponent", "TPersistent", "TObject"}));
  EXPECT_TRUE(edit.InheritsFrom("twincontrol"));
  EXPECT_FALSE(edit.InheritsFrom("TButton"));
  ASSERT_NE(FindClass("tmaskedit"), nullptr);
  EXPECT_EQ(FindClass("TMaskEdit")->Parent()->Name(), "TCustomEdit");
  EXPECT_EQ(FindClass("TNoSuchClass"), nullptr);
}

TEST(Component, MenuItemsGoWithTheirParentItem) {
  auto* form = new TComponent(nullptr);
  auto* menu = new TPopupMenu(form);
  auto* open = new TMenuItem(form);
  open->SetName("miOpen");
  auto* sub = new TMenuItem(form);
  sub->SetName("miSub");
  menu->Items()->Add(open);
  open->Add(sub);
  EXPECT_EQ(sub->GetParentComponent(), open);
  EXPECT_EQ(open->GetParentComponent(), menu);
  delete open;
  EXPECT_EQ(form->FindComponent("miSub"), nullptr);
  EXPECT_EQ(menu->Items()->Count(), 0);
  delete form;
}

}  // namespace
}  // namespace pxq::vcl
