#include "platform/os/dynlib.h"

#include <gtest/gtest.h>

#include "platform/os/sysinfo.h"

namespace pxq::os {
namespace {

TEST(DynamicLibrary, NamesMapToSharedObjects) {
  EXPECT_EQ(LibraryFileName("Ntlanguage.dll"), "Ntlanguage.so");
  EXPECT_EQ(LibraryFileName("PXQR07S.DLL"), "PXQR07S.so");
  EXPECT_EQ(LibraryFileName("libm.so"), "libm.so");
  EXPECT_EQ(LibraryFileName("dir.v2/NTDownLoad"), "dir.v2/NTDownLoad.so");
  EXPECT_TRUE(HasLibraryExtension("PXQR07C.Dll"));
  EXPECT_TRUE(HasLibraryExtension("PXQR07C.so"));
  EXPECT_FALSE(HasLibraryExtension("pxq_os_test"));
}

TEST(DynamicLibrary, LoadsFromTheSystemPathAndReportsFailures) {
  std::string error;
  auto lib = DynamicLibrary::Load("libm.so.6", &error);
  ASSERT_TRUE(lib) << error;
  EXPECT_NE(lib->Symbol("cos"), nullptr);
  EXPECT_EQ(lib->Symbol("no_such_symbol"), nullptr);
  EXPECT_FALSE(DynamicLibrary::Load("NoSuchLibrary.dll", &error));
  EXPECT_NE(error.find("NoSuchLibrary.so"), std::string::npos);
}

TEST(SysInfo, Basics) {
  EXPECT_EQ(TempFolder().back(), '/');
  EXPECT_FALSE(UserName().empty());
  EXPECT_FALSE(ProgramFolder().empty());
  EXPECT_NE(OsVersionText().find("Linux"), std::string::npos);
}

}  // namespace
}  // namespace pxq::os
