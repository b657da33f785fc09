// Code pages: the system ANSI code page and conversions between wide (UTF-16) texts and
// narrow texts (bytes of a code page), done with iconv.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace pxq::os {

// The system ANSI code page. 936 unless set by SetAnsiCodePage or the environment variable
// PXQ_ANSI_CODEPAGE (read once, at first use).
int AnsiCodePage();
void SetAnsiCodePage(int codePage);

// The iconv name of a Windows code page ("CP936", "CP950", ...), or empty when unknown.
std::string IconvName(int codePage);
bool IsKnownCodePage(int codePage);

// Converts bytes of a code page to UTF-16. Invalid or truncated sequences become U+FFFD, so the
// result is always complete text. nullopt only when the code page is unknown.
std::optional<std::u16string> MultiByteToWide(int codePage, std::string_view bytes);

// Converts UTF-16 to bytes of a code page. Characters the code page lacks become '?', never a
// partial byte sequence. nullopt only when the code page is unknown.
std::optional<std::string> WideToMultiByte(int codePage, std::u16string_view text);

// UTF-8 helpers for texts written in source files and for display.
std::u16string Utf8ToWide(std::string_view utf8);
std::string WideToUtf8(std::u16string_view text);
// Source text (UTF-8) into the ANSI code page: the one way texts written in code enter the model.
std::string Ansi(std::string_view utf8);
// ANSI text to UTF-8 (for logs, dumps and display).
std::string AnsiToUtf8(std::string_view ansi);
std::string ToUtf8(int codePage, std::string_view bytes);

}  // namespace pxq::os
