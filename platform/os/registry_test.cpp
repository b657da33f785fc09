#include "platform/os/registry.h"

#include <gtest/gtest.h>

#include "testing/testing.h"

namespace pxq::os {
namespace {

TEST(Registry, ReadsKeysAndValuesIgnoringCase) {
  testing::TempDir dir;
  testing::ScopedEnv env("PXQ_REGISTRY_ROOT", dir.path().string());
  testing::WriteRegistryKey(dir.path(), "Software\\NTQ\\Corvane",
                            "ClientPath=/opt/corvane/\r\nProfileType=0\nName=\xE4\xB8\xAD\n");
  auto key = RegistryKey::OpenReadOnly(RegistryHive::LocalMachine, "SOFTWARE\\ntq\\corvane");
  ASSERT_TRUE(key);
  EXPECT_EQ(key->ReadString("clientpath"), "/opt/corvane/");
  EXPECT_EQ(key->ReadStringOrEmpty("ServerPath"), "");
  EXPECT_EQ(key->ReadString("ServerPath"), std::nullopt);
  EXPECT_EQ(key->ReadString("Name"), "\xD6\xD0");  // stored as UTF-8, read in the ANSI code page
  EXPECT_FALSE(RegistryKey::OpenReadOnly(RegistryHive::LocalMachine, "Software\\Other"));
  EXPECT_FALSE(RegistryKey::OpenReadOnly(RegistryHive::CurrentUser, "Software\\NTQ\\Corvane"));
  EXPECT_FALSE(RegistryKey::OpenReadOnly(RegistryHive::LocalMachine, "Software\\..\\Software"));
}

TEST(Registry, MissingRootMeansNoKey) {
  testing::TempDir dir;
  testing::ScopedEnv env("PXQ_REGISTRY_ROOT", (dir / "absent").string());
  EXPECT_FALSE(RegistryKey::OpenReadOnly(RegistryHive::LocalMachine, "Software\\NTQ\\Corvane"));
}

}  // namespace
}  // namespace pxq::os
