// The controller protocol driven through real loaded libraries: PXQR07C.so itself, and its test
// copy PXQR07C_testdlg.so, whose start-up code registers a scripted dialog (test_dialog.cpp).
#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>

#include "PXQR07C/test_host.h"

namespace pxq::boundary::testing {
namespace {

using Log = std::vector<std::string>;

class ControllerProtocol : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(host.Loaded()) << host.LoadError(); }

  int TraceCount() const { return host.hostApp->CallCount("Trace"); }

  // Every operation gives its answer for "no dialog", and nothing reaches a dialog or the host.
  void ExpectNoDialog(TDLLBaseController& c) {
    const size_t logged = host.log.size();
    EXPECT_TRUE(c.IsEmpty());
    EXPECT_EQ(c.GetVisible(), 0);
    EXPECT_EQ(c.GetHandle(), 0u);
    EXPECT_EQ(c.GetVersion(), u"");
    EXPECT_EQ(c.ShowModal(), Variant(2));
    Variant out(u"untouched");
    EXPECT_EQ(c.GetResult(out), -1);
    EXPECT_EQ(out, Variant(u"untouched"));
    EXPECT_EQ(c.ApplyConditions(Variant(VarArray::Of({Variant(0), Variant(u"submit")}))), -1);
    EXPECT_EQ(c.HostCommand(5, 0, Variant(u"submit")), -1);
    c.SetVisible(kWordTrue);
    c.CloseDialog();
    EXPECT_EQ(host.log.size(), logged);
  }

  std::unique_ptr<TDLLBaseController> InitializedController() {
    auto c = host.NewController();
    EXPECT_EQ(c->Initialize(HostParams()), 0);
    host.log.clear();
    return c;
  }

  TestHost host{PXQ_TEST_PLUGIN_FILE};
};

TEST_F(ControllerProtocol, GetControllerGivesIndependentEmptyControllers) {
  std::unique_ptr<TDLLBaseController> a(host.GetController());
  std::unique_ptr<TDLLBaseController> b(host.GetController());
  ASSERT_TRUE(a && b);
  EXPECT_NE(a.get(), b.get());
  EXPECT_TRUE(a->HostApp.IsEmpty());
  EXPECT_EQ(a->ResultCode, 0);
  EXPECT_TRUE(a->ResultData.IsEmpty());
  EXPECT_FALSE(a->OnNotify);
  ExpectNoDialog(*a);

  a->HostApp = host.HostAppVariant();
  a->ResultCode = 7;
  EXPECT_TRUE(b->HostApp.IsEmpty());
  EXPECT_EQ(b->ResultCode, 0);
}

TEST_F(ControllerProtocol, InitializeCreatesOneHiddenDialogFedWithTheHostParameters) {
  auto c = host.NewController();
  EXPECT_EQ(c->Initialize(HostParams()), 0);
  // The dialog got the library's own file and the host object before its initialisation.
  EXPECT_EQ(host.log, (Log{"notify 256", "dialog.InitFromHost"}));
  EXPECT_EQ(host.Traced("dialog.InitFromHost"),
            Variant(std::filesystem::canonical(host.LibraryPath()).string()));
  EXPECT_FALSE(c->IsEmpty());
  EXPECT_EQ(c->GetVisible(), 0);
  EXPECT_EQ(c->GetVersion(), u"870401-0.00.00");
  EXPECT_EQ(c->GetHandle(), 0x4242u);

  Variant identity;
  EXPECT_EQ(c->GetResult(identity), 0);
  EXPECT_EQ(identity, Variant(VarArray::Of({Variant(u"796"), Variant(u"C01"), Variant(u"PXQR07"),
                                            Variant(u"采购计划表")})));

  // Initialisation happens once, on the same dialog.
  host.log.clear();
  EXPECT_EQ(c->Initialize(HostParams()), -1);
  EXPECT_EQ(host.log, Log{});
}

TEST_F(ControllerProtocol, BadParameterArraysFailWithoutHarm) {
  const Variant object = host.HostAppVariant();
  const Variant text(u"796");
  const struct {
    const char* name;
    Variant params;
  } cases[] = {
      {"empty", Variant()},
      {"null", Variant::Null()},
      {"integer", Variant(5)},
      {"text", text},
      {"object", object},
      {"empty array", Variant(VarArray(0, -1))},
      {"two elements", Variant(VarArray::Of({text, text}))},
      {"object as user code", Variant(VarArray::Of({object, text, text, Variant(0), text}))},
      {"array as company code",
       Variant(VarArray::Of({text, Variant(VarArray::Of({text})), text, Variant(0), text}))},
      {"text as host window", Variant(VarArray::Of({text, text, text, Variant(u"wnd"), text}))},
      {"bounds from 1", Variant(VarArray::Of({text, text, text, Variant(0), text}, 1))},
      {"two dimensions", Variant(VarArray(0, 4, 0, 0))},
  };
  for (const auto& bad : cases) {
    SCOPED_TRACE(bad.name);
    host.log.clear();
    auto c = host.NewController();
    EXPECT_EQ(c->Initialize(bad.params), -1);
    EXPECT_FALSE(c->IsEmpty());  // the dialog exists, not initialised
    EXPECT_EQ(c->GetVisible(), 0);
    Variant identity;
    EXPECT_EQ(c->GetResult(identity), 0);
    EXPECT_EQ(identity, Variant(VarArray::Of({Variant(u""), Variant(u""), Variant(u"PXQR07"),
                                              Variant(u"采购计划表")})));
    // A failed attempt leaves the dialog free to be initialised properly.
    EXPECT_EQ(c->Initialize(HostParams()), 0);
    c.reset();
    EXPECT_EQ(host.log.back(), "notify 304");
  }
}

TEST_F(ControllerProtocol, DialogAskedToCloseDuringInitialisationClosesWhenShown) {
  // Without element 4 the dialog initialises but asks to be closed; without element 3 the host
  // window is taken as 0.
  const Variant shortParams(VarArray::Of({Variant(u""), Variant(u"C01"), Variant(u"DS01")}));
  const Log closedOnShow{"dialog.OnShow", "notify 272",       "dialog.OnHide",
                         "notify 288",    "dialog.OnDestroy", "notify 304"};

  auto modal = host.NewController();
  EXPECT_EQ(modal->Initialize(shortParams), 0);
  Variant identity;
  EXPECT_EQ(modal->GetResult(identity), 0);
  EXPECT_EQ(identity.Array()[0], Variant(u""));  // an empty user code is still a text
  host.log.clear();
  EXPECT_EQ(modal->ShowModal(), Variant(2));
  Log expected{"dialog.ShowModal"};
  expected.insert(expected.end(), closedOnShow.begin(), closedOnShow.end());
  EXPECT_EQ(host.log, expected);
  EXPECT_EQ(modal->ResultCode, 0);
  ExpectNoDialog(*modal);

  auto modeless = host.NewController();
  EXPECT_EQ(modeless->Initialize(shortParams), 0);
  host.log.clear();
  modeless->SetVisible(kWordTrue);  // nothing is restored or raised on the dialog once it closed
  expected = Log{"dialog.Show"};
  expected.insert(expected.end(), closedOnShow.begin(), closedOnShow.end());
  EXPECT_EQ(host.log, expected);
  ExpectNoDialog(*modeless);
}

TEST_F(ControllerProtocol, ModalSubmissionReportsEventsInOrderAndKeepsTheOutcome) {
  auto c = InitializedController();
  int visibleDuringModal = 0;
  host.userAction = [&] {
    visibleDuringModal = c->GetVisible();
    return "submit";
  };
  Variant dataAt304;
  host.onNotify = [&](std::int32_t code, TDLLBaseController* sender) {
    if (code != 304) return;
    EXPECT_EQ(sender, c.get());
    EXPECT_EQ(sender->ResultCode, 1);
    dataAt304 = sender->ResultData;
  };

  EXPECT_EQ(c->ShowModal(), Variant(1));
  host.onNotify = nullptr;
  EXPECT_EQ(visibleDuringModal, -1);
  // The dialog's own show handler, installed before Initialize, runs before notification 272.
  EXPECT_EQ(host.log, (Log{"dialog.ShowModal", "dialog.OnShow", "notify 272", "dialog.OnHide",
                           "notify 288", "dialog.OnDestroy", "notify 304"}));
  EXPECT_EQ(dataAt304, Variant(u"JOB-0001"));

  // The outcome stays after the dialog is gone; a new Initialize makes a fresh dialog.
  EXPECT_EQ(c->ResultCode, 1);
  EXPECT_EQ(c->ResultData, Variant(u"JOB-0001"));
  ExpectNoDialog(*c);
  host.log.clear();
  EXPECT_EQ(c->Initialize(HostParams()), 0);
  EXPECT_EQ(host.log, (Log{"notify 256", "dialog.InitFromHost"}));
}

TEST_F(ControllerProtocol, ModelessShowHideRestoreAndCancel) {
  auto c = InitializedController();
  c->SetVisible(kWordTrue);
  EXPECT_EQ(c->GetVisible(), -1);
  c->SetVisible(1);  // any non-zero value is true; already visible, so no second 272
  c->SetVisible(kWordFalse);
  EXPECT_EQ(c->GetVisible(), 0);
  EXPECT_EQ(c->HostCommand(5, 0, Variant(u"minimize")), 0);
  c->SetVisible(kWordTrue);
  EXPECT_EQ(host.log,
            (Log{"dialog.Show", "dialog.OnShow", "notify 272", "dialog.BringToForeground",
                 "dialog.Show", "dialog.BringToForeground", "dialog.Hide", "dialog.OnHide",
                 "notify 288", "dialog.ApplyExternalConditions", "dialog.Show", "dialog.OnShow",
                 "notify 272", "dialog.Restore", "dialog.BringToForeground"}));

  // The user cancels: the dialog closes itself while the host command runs.
  host.log.clear();
  EXPECT_EQ(c->HostCommand(9, 0, Variant(u"cancel")), 0);
  EXPECT_EQ(host.log, (Log{"dialog.ApplyExternalConditions", "dialog.OnHide", "notify 288",
                           "dialog.OnDestroy", "notify 304"}));
  EXPECT_EQ(c->ResultCode, 2);
  EXPECT_TRUE(c->ResultData.IsEmpty());
  ExpectNoDialog(*c);
}

TEST_F(ControllerProtocol, ConditionsReachTheDialogOnlyInTheirTwoShapes) {
  auto c = InitializedController();
  auto delivered = [&](int traces) {
    return TraceCount() == traces + 1 ? host.Traced("dialog.ApplyExternalConditions")
                                      : Variant(u"(not delivered)");
  };
  auto pair = [](bool flag, Variant x) { return Variant(VarArray::Of({Variant(flag), x})); };

  for (const Variant& data :
       {Variant(), Variant::Null(), Variant(5), Variant(u"x"), Variant(VarArray(0, -1)),
        Variant(VarArray::Of({Variant(1)})), Variant(VarArray(0, 1, 0, 1))}) {
    SCOPED_TRACE(data.Dump());
    const int before = TraceCount();
    EXPECT_EQ(c->ApplyConditions(data), -1);
    EXPECT_EQ(TraceCount(), before);
  }
  for (int kind : {-1, 0, 1, 4, 6, 8, 10}) {
    SCOPED_TRACE(kind);
    const int before = TraceCount();
    EXPECT_EQ(c->HostCommand(kind, 0, Variant(u"x")), -1);
    EXPECT_EQ(TraceCount(), before);
  }

  // ApplyConditions passes [true, Data[1]], whatever the array's bounds; HostCommand passes
  // [false, Data] for any Data.
  int before = TraceCount();
  EXPECT_EQ(c->ApplyConditions(Variant(VarArray::Of({Variant(u"a"), Variant(u"b")}))), 0);
  EXPECT_EQ(delivered(before), pair(true, Variant(u"b")));
  before = TraceCount();
  EXPECT_EQ(c->ApplyConditions(Variant(VarArray::Of({Variant(u"a"), Variant(u"b")}, 1))), 0);
  EXPECT_EQ(delivered(before), pair(true, Variant(u"a")));
  for (int kind : {5, 9}) {
    for (const Variant& data : {Variant(), Variant::Null(), Variant(7),
                                Variant(VarArray::Of({Variant(1), Variant(u"v")}))}) {
      SCOPED_TRACE(data.Dump());
      before = TraceCount();
      EXPECT_EQ(c->HostCommand(kind, 123, data), 0);
      EXPECT_EQ(delivered(before), pair(false, data));
    }
  }

  // An error raised by the dialog is swallowed and the dialog stays.
  EXPECT_EQ(c->ApplyConditions(Variant(VarArray::Of({Variant(0), Variant(u"raise")}))), -1);
  EXPECT_EQ(c->HostCommand(5, 0, Variant(u"raise")), -1);
  EXPECT_FALSE(c->IsEmpty());

  // A condition set that submits the job closes the dialog during the call.
  host.log.clear();
  EXPECT_EQ(c->ApplyConditions(Variant(VarArray::Of({Variant(0), Variant(u"submit")}))), 0);
  EXPECT_EQ(host.log.back(), "notify 304");
  EXPECT_EQ(c->ResultCode, 1);
  ExpectNoDialog(*c);
}

TEST_F(ControllerProtocol, DestroyingTheControllerDestroysAnOpenDialogFirst) {
  auto c = InitializedController();
  c->SetVisible(kWordTrue);
  host.log.clear();
  TDLLBaseController* raw = c.get();
  bool emptyAt304 = false;
  host.onNotify = [&](std::int32_t code, TDLLBaseController* sender) {
    EXPECT_EQ(sender, raw);
    if (code == 304) emptyAt304 = sender->IsEmpty();
  };
  c.reset();
  EXPECT_EQ(host.log, (Log{"dialog.OnDestroy", "notify 304"}));
  EXPECT_TRUE(emptyAt304);

  // CloseDialog destroys the dialog at once; a second call and a later destruction do nothing.
  host.onNotify = nullptr;
  auto d = InitializedController();
  d->CloseDialog();
  d->CloseDialog();
  EXPECT_EQ(host.log, (Log{"dialog.OnDestroy", "notify 304"}));
  ExpectNoDialog(*d);
  d.reset();
  EXPECT_EQ(host.log.size(), 2u);
}

// The controller has forgotten the dialog before notification 304, so the host may delete it or
// start a new dialog from there.
TEST_F(ControllerProtocol, HostMayDeleteOrReinitialiseFromNotification304) {
  int deleted = 0;
  host.onNotify = [&](std::int32_t code, TDLLBaseController* sender) {
    if (code != 304) return;
    delete sender;
    ++deleted;
  };
  host.userAction = [] { return "submit"; };
  EXPECT_EQ(InitializedController().release()->ShowModal(), Variant(1));
  EXPECT_EQ(InitializedController().release()->HostCommand(5, 0, Variant(u"cancel")), 0);
  InitializedController().release()->CloseDialog();
  EXPECT_EQ(deleted, 3);

  int initialised = -1;
  host.onNotify = [&](std::int32_t code, TDLLBaseController* sender) {
    if (code == 304 && initialised == -1) initialised = sender->Initialize(HostParams());
  };
  auto c = InitializedController();
  c->CloseDialog();
  EXPECT_EQ(initialised, 0);
  EXPECT_FALSE(c->IsEmpty());
  c->SetVisible(kWordTrue);
  EXPECT_EQ(c->GetVisible(), -1);
}

TEST(ReportLibrary, ExportsTheControllerAndReportsAMissingDialogClass) {
  // PXQR07C.so registers no dialog class until the report dialog is part of it.
  TestHost host(PXQ_PLUGIN_FILE);
  ASSERT_TRUE(host.Loaded()) << host.LoadError();
  auto c = host.NewController();
  try {
    c->Initialize(HostParams());
    ADD_FAILURE() << "no error";
  } catch (const std::runtime_error& e) {
    EXPECT_STREQ(e.what(), "NTQ DLL Internal Error :\rNot Assign \"frmBaseGeneClass\" varible");
  }
  EXPECT_TRUE(c->IsEmpty());
  EXPECT_EQ(c->ShowModal(), Variant(2));
  EXPECT_EQ(host.log, Log{});
}

}  // namespace
}  // namespace pxq::boundary::testing
