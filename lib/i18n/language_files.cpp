#include "lib/i18n/language_files.h"

#include <filesystem>
#include <system_error>

#include "lib/config/corvane_ini.h"
#include "platform/os/codepage.h"

namespace pxq::i18n {

const vcl::TEnumInfo& EnumInfoOf(TDesignType*) {
  static const vcl::TEnumInfo info{"TDesignType", {"dtClient", "dtServer"}};
  return info;
}

std::string LanguageCode(std::string_view uiCodePage) {
  static constexpr std::pair<std::string_view, std::string_view> kCodes[] = {
      {"936", "CHS"}, {"950", "CHT"}, {"437", "ENG"}};
  for (const auto& [codePage, code] : kCodes) {
    if (codePage == uiCodePage) return std::string(code);
  }
  return {};
}

std::string LanguageFolder(TDesignType designType) {
  std::string installation, uiCodePage;
  if (designType == dtServer) {
    config::TCorvaneIniS ini;
    installation = ini.ServerPath;
    uiCodePage = ini.UICodePage;
  } else {
    config::TCorvaneIniC ini;
    installation = ini.ClientPath;
    uiCodePage = ini.UICodePage;
  }
  const std::string code = LanguageCode(uiCodePage);
  if (code.empty()) return {};
  std::string folder = installation + "MultiLanguage/" + code + "/";
  std::error_code ec;
  if (!std::filesystem::is_directory(os::AnsiToUtf8(folder), ec)) return {};
  return folder;
}

std::string LanguageFileName(TDesignType designType, std::string_view package) {
  return LanguageFolder(designType) + std::string(package) + ".Lng";
}

bool LanguageFileExists(std::string_view fileName) {
  std::error_code ec;
  return !fileName.empty() && std::filesystem::is_regular_file(os::AnsiToUtf8(fileName), ec);
}

}  // namespace pxq::i18n
