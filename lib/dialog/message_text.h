// Message identifiers and the formatting of catalogue texts.
//
// An identifier is kind ";" number, optionally followed by ";"-separated arguments:
// "E;000038", "I;000004;2024050100012", "E;-1". The kind letter chooses how the message is
// presented; a number that is not above 0 ("I;-000004", "E;-1") marks a message that is
// recorded but never shown, and its leading character is dropped before the catalogue lookup.
// Catalogue texts carry "%s"-style placeholders filled with the arguments.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/vcl/application.h"

namespace pxq::dialog {

inline constexpr int kMessageArgumentCount = 10;

struct MessageId {
  std::string kind;
  // The number as written ("-000004") and as looked up in the catalogue ("000004").
  std::string number;
  std::string lookupNumber;
  // Always ten slots; pieces beyond the tenth are dropped, missing ones are empty.
  std::array<std::string, kMessageArgumentCount> arguments;
  // The number read as an integer is above 0 (a number that is not one counts as 0).
  bool shown = false;
};

MessageId ParseMessageId(std::string_view identifier);

// How a kind of message is shown: the dialog type and the buttons offered when it is shown by
// kind and number (an accumulated message always offers OK alone).
struct MessagePresentation {
  vcl::TMsgDlgType type = vcl::mtCustom;
  vcl::TMsgDlgButtons buttons{vcl::mbOK};
};
MessagePresentation PresentationOf(std::string_view kind);

// Fills the placeholders of `pattern` with texts the way the platform's Format does:
// "%" [index ":"] ["-"] [width] ["." precision] type, and "%%" for a percent sign. Only the
// type "s" takes a text; any other type, a missing argument, an unknown or unfinished
// placeholder makes the formatting fail (nullopt).
std::optional<std::string> FormatMessage(std::string_view pattern,
                                         const std::vector<std::string>& arguments);

// The catalogue text with the arguments filled in; when the placeholders do not fit, the
// unformatted text, a carriage return and each argument followed by ";".
std::string FormatWithFallback(std::string_view pattern, const std::vector<std::string>& arguments);

}  // namespace pxq::dialog
