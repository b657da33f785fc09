#include "lib/xml/web_service.h"

#include <gtest/gtest.h>

#include <ctime>
#include <filesystem>

#include "testing/testing.h"

namespace pxq::xml {
namespace {

TEST(WebService, TraceRunIsALastArgumentT) {
  EXPECT_TRUE(IsTraceRun({"t"}));
  EXPECT_TRUE(IsTraceRun({"-x", "T"}));
  EXPECT_FALSE(IsTraceRun({}));
  EXPECT_FALSE(IsTraceRun({"T", "x"}));
  EXPECT_FALSE(IsTraceRun({"TT"}));
}

TEST(WebService, TempFileNameCarriesTheLocalTimeToTheMillisecond) {
  testing::ScopedEnv tmp("TMPDIR", "/var/tmp/x");
  std::tm local{};
  local.tm_year = 2024 - 1900;
  local.tm_mon = 0;
  local.tm_mday = 5;
  local.tm_hour = 9;
  local.tm_min = 7;
  local.tm_sec = 3;
  local.tm_isdst = -1;
  auto at =
      std::chrono::system_clock::from_time_t(std::mktime(&local)) + std::chrono::milliseconds(42);
  EXPECT_EQ(WebServiceTempFileName(at), "/var/tmp/x/~Kelvra_20240105090703042.tmp");
}

TEST(WebService, WithoutTheLibraryOrItsEntryPointTheAnswerIsEmpty) {
  testing::TempDir dir;
  testing::ScopedEnv tmp("TMPDIR", dir.path().string());
  EXPECT_EQ(CallWebService("http://127.0.0.1:1/", "op", "<r/>", "NoSuchWebService.dll"), "");
  EXPECT_EQ(CallWebService("http://127.0.0.1:1/", "op", "<r/>", "libm.so.6"), "");
  EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

}  // namespace
}  // namespace pxq::xml
