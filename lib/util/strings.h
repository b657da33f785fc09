// Text utilities for the field lists and texts exchanged with the host and the application
// server. Texts are narrow (bytes of the ANSI code page); none of these functions keeps state.
#pragma once

#include <string>
#include <string_view>

#include "platform/variant/variant.h"

namespace pxq::util {

// Separators of stored field lists.
inline constexpr char kFieldSep = '\x03';
inline constexpr char kRowEnd = '\x04';
inline constexpr char kColumnSep = '\x01';

// The n-th field (from 1); empty when the text has fewer than n fields or n < 1.
std::string GetField(std::string_view text, std::string_view separator, int n);
// Occurrences of the separator + 1; 0 for an empty text.
int CountFields(std::string_view text, std::string_view separator);
// Token before the first separator; `text` becomes the rest after it (or empty).
std::string NextToken(std::string& text, std::string_view separator);
// Replaces every occurrence of `oldText`, restarting from the start after each replacement;
// nothing is replaced when the two differ only in letter case. When `newText` contains
// `oldText` every occurrence is replaced once, left to right; replacements that keep creating
// new occurrences stop after a number proportional to the text's length. Trims blanks and control
// characters at both ends when `trim` is set.
std::string ReplaceAll(std::string_view text, std::string_view oldText, std::string_view newText,
                       bool trim);
// Appends `pad` until the text has `width` bytes; never truncates.
std::string PadRight(std::string_view text, int width, char pad = ' ');
// The same with the arguments as an array [width] or [width, pad character].
std::string PadRight(std::string_view text, const Variant& widthAndPad);
// prefix + 0x03 + element 0 + 0x03, then elements 1..n each followed by 0x03 (n = element 0).
std::string JoinCountedList(std::string_view prefix, const Variant& counted);
// Localised caption of a message-box button ("Yes" -> "是(&Y)", ...); other texts unchanged.
// The caption is in the ANSI code page.
std::string ButtonCaption(std::string_view englishName);
// The text as a decimal number with "." as decimal point, else the default.
double StrToFloatDef(std::string_view text, double defaultValue);
// The text as a 32-bit integer the way profile values are read (leading blanks, sign, decimal or
// "$"/"0x" hexadecimal), else the default.
int StrToIntDef(std::string_view text, int defaultValue);
// True exactly for "127.0.0.1".
bool IsLocalHost(std::string_view address);
// The system temporary folder in its long form, with a trailing separator.
std::string GetLongTempPath();

// Variant helpers.
Variant VarIfThen(bool condition, const Variant& a, const Variant& b);
bool VarIsBlank(const Variant& value);

}  // namespace pxq::util
