#include "platform/automation/classes.h"

#include <gtest/gtest.h>

#include "platform/automation/scripted_object.h"
#include "testing/testing.h"

namespace pxq {
namespace {

class AutoClasses : public ::testing::Test {
 protected:
  testing::TempDir dir;
  testing::ScopedEnv env{"PXQ_REGISTRY_ROOT", dir.path().string()};
  void Register(const std::string& name, const std::string& library) {
    testing::WriteRegistryKey(dir.path(), name, "Library=" + library + "\n", "HKEY_CLASSES_ROOT");
  }
};

TEST_F(AutoClasses, CreatesObjectsFromTheLibraryNamedInTheStore) {
  Register("TestServer.Echo", PXQ_TEST_SERVER);
  AutoRef obj = CreateOleObject("testserver.echo");  // class names ignore letter case
  ASSERT_TRUE(obj);
  Args args{Variant(u"hi")};
  EXPECT_EQ(obj->Invoke("Echo", args), Variant(u"hi"));
  // A second object comes from the same, still loaded library.
  EXPECT_NE(CreateOleObject("TestServer.Echo"), obj);
}

TEST_F(AutoClasses, FailuresHaveClearTexts) {
  auto message = [](const std::string& name) {
    try {
      CreateOleObject(name);
    } catch (const AutomationError& e) {
      return std::string(e.what());
    }
    return std::string("no error");
  };
  EXPECT_NE(message("Nobody.Class").find("is not registered"), std::string::npos);
  EXPECT_NE(message("").find("Invalid class string"), std::string::npos);
  Register("Missing.Lib", "NoSuchServer.dll");
  EXPECT_NE(message("Missing.Lib").find("cannot load library NoSuchServer.dll"), std::string::npos);
  Register("Other.Class", PXQ_TEST_SERVER);
  EXPECT_NE(message("Other.Class").find("is not served"), std::string::npos);
}

TEST_F(AutoClasses, InProcessRegistrationComesFirst) {
  Register("Local.Class", "NoSuchServer.dll");
  auto fake = ScriptedObject::Create("Local.Class");
  RegisterAutoClass("Local.Class", [fake] { return fake; });
  EXPECT_EQ(CreateOleObject("Local.Class"), fake);
  RegisterAutoClass("Local.Class", nullptr);
  EXPECT_THROW(CreateOleObject("Local.Class"), AutomationError);
}

}  // namespace
}  // namespace pxq
