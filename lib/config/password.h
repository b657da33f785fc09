// The stored form of database passwords: one pair of upper-case hexadecimal digits per byte of
// the plain password, each byte rotated right by its position (counted from 1) mod 8 places.
// An empty password is stored as the encoded form of kEmptyPasswordMarker; a stored text that
// cannot be decoded gives kPasswordErrorMarker and an error report in the generator log.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace pxq::config {

inline constexpr std::string_view kEmptyPasswordMarker = "NT_Say_NoPassWord_ThePassWordIsEmpty";
inline constexpr std::string_view kPasswordErrorMarker = "NT_Say_Password_Error";

// Rotates the eight bits of a byte by `count` mod 8 places.
uint8_t RotateLeft(uint8_t value, int count);
uint8_t RotateRight(uint8_t value, int count);

// Plain password (bytes of the ANSI code page) -> stored text.
std::string EncodePassword(std::string_view plain);

// Stored text -> plain password. A trailing odd character is ignored; the encoded empty marker
// and texts shorter than two characters give the empty text. A pair that is not two
// hexadecimal digits stops decoding: the result is kPasswordErrorMarker and the conversion
// error is written to the generator log; nothing is raised.
std::string DecodePassword(std::string_view stored);

}  // namespace pxq::config
