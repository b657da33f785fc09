#include "platform/automation/automation.h"

#include <gtest/gtest.h>

#include "platform/automation/scripted_object.h"

namespace pxq {
namespace {

TEST(Automation, CallsByNameWithByReferenceArguments) {
  auto obj = ScriptedObject::Create("Host");
  obj->On("GetSetting", [](Args& a) {
    a[1] = Variant(u"changed");
    return Variant(a[0].ToInt() + 1);
  });
  Variant target(std::static_pointer_cast<AutoObject>(obj));
  Args args{Variant(41), Variant()};
  EXPECT_EQ(Invoke(target, "getsetting", args), Variant(42));  // names ignore letter case
  EXPECT_EQ(args[1], Variant(u"changed"));
  EXPECT_EQ(obj->CallCount("GETSETTING"), 1);
  EXPECT_EQ(obj->LastArgs("GetSetting")[0], Variant(41));
}

TEST(Automation, ErrorsCarryText) {
  auto obj = ScriptedObject::Create("Server");
  obj->Throws("Open", "connection refused");
  Variant target(std::static_pointer_cast<AutoObject>(obj));
  try {
    Call(target, "Open");
    FAIL();
  } catch (const AutomationError& e) {
    EXPECT_STREQ(e.what(), "connection refused");
  }
  EXPECT_THROW(Call(target, "Missing"), AutomationError);
  EXPECT_THROW(Call(Variant(), "Open"), AutomationError);
  EXPECT_THROW(Call(Variant(5), "Open"), AutomationError);
}

TEST(Automation, Properties) {
  auto obj = ScriptedObject::Create();
  Variant target(std::static_pointer_cast<AutoObject>(obj));
  SetProp(target, "Visible", Variant(true));
  EXPECT_EQ(GetProp(target, "visible"), Variant(true));
  EXPECT_THROW(GetProp(target, "Unknown"), AutomationError);
}

}  // namespace
}  // namespace pxq
