#include "lib/i18n/translator.h"

#include <gtest/gtest.h>

namespace pxq::i18n {
namespace {

void ExpectError(std::string_view library, const std::string& message) {
  try {
    TTranslator translator(library);
    ADD_FAILURE() << "no error for " << library;
  } catch (const TranslatorError& e) {
    EXPECT_EQ(e.what(), message);
  }
}

TEST(TTranslator, MissingLibraryOrProceduresFailCreation) {
  ExpectError("NoSuchTranslator.dll", "Load Library NoSuchTranslator.dll Error!");
  // A library that loads but has no conversion procedures.
  ExpectError("libm.so.6", "Get Library Procedure Address Error!");
}

}  // namespace
}  // namespace pxq::i18n
