// Where the language files of an installation are: one ".Lng" file per form class and language
// in <installation folder>/MultiLanguage/<CHS|CHT|ENG>/, the language chosen by the interface
// code page of the client or the server configuration.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/vcl/properties.h"

namespace pxq::i18n {

// Which configuration gives the installation folder and the interface code page.
enum TDesignType : uint8_t { dtClient, dtServer };
const vcl::TEnumInfo& EnumInfoOf(TDesignType*);

// The language code of an interface code page: "936" CHS, "950" CHT, "437" ENG; else empty.
std::string LanguageCode(std::string_view uiCodePage);

// <installation folder>MultiLanguage/<code>/ for the configuration of `designType`; empty when
// the code page has no language or that folder does not exist.
std::string LanguageFolder(TDesignType designType);

// The language file of a package (a form class name): folder + package + ".Lng".
std::string LanguageFileName(TDesignType designType, std::string_view package);

// True when the language file (a name in the ANSI code page) exists.
bool LanguageFileExists(std::string_view fileName);

}  // namespace pxq::i18n
