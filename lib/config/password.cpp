#include "lib/config/password.h"

#include "lib/util/alert_log.h"
#include "platform/os/codepage.h"

namespace pxq::config {
namespace {

int Places(int count) { return ((count % 8) + 8) % 8; }

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// The pair as it appears in the error message; control bytes are shown as "?" so that a
// stored text cannot break the log's lines.
std::string Printable(std::string_view pair) {
  std::string out(pair);
  for (char& c : out)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = '?';
  return out;
}

}  // namespace

uint8_t RotateLeft(uint8_t value, int count) {
  const int n = Places(count);
  return static_cast<uint8_t>((value << n) | (value >> ((8 - n) % 8)));
}

uint8_t RotateRight(uint8_t value, int count) {
  const int n = Places(count);
  return static_cast<uint8_t>((value >> n) | (value << ((8 - n) % 8)));
}

std::string EncodePassword(std::string_view plain) {
  if (plain.empty()) plain = kEmptyPasswordMarker;
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string stored;
  stored.reserve(plain.size() * 2);
  for (size_t i = 0; i < plain.size(); ++i) {
    const uint8_t byte = RotateRight(static_cast<uint8_t>(plain[i]), static_cast<int>((i + 1) % 8));
    stored += kDigits[byte >> 4];
    stored += kDigits[byte & 0x0F];
  }
  return stored;
}

std::string DecodePassword(std::string_view stored) {
  std::string plain;
  plain.reserve(stored.size() / 2);
  for (size_t i = 1; 2 * i <= stored.size(); ++i) {
    const int high = HexDigit(stored[2 * i - 2]);
    const int low = HexDigit(stored[2 * i - 1]);
    if (high < 0 || low < 0) {
      const util::Error error("EConvertError", "'" + Printable(stored.substr(2 * i - 2, 2)) +
                                                   "' is not a valid integer value");
      // The report names the routine in its stored form, so the log does not spell it out.
      util::ReportError(&error, EncodePassword("DecodeSQLSa"), os::Ansi("解析 Sa 时发生错误!"));
      return std::string(kPasswordErrorMarker);
    }
    plain += static_cast<char>(
        RotateLeft(static_cast<uint8_t>(high * 16 + low), static_cast<int>(i % 8)));
  }
  if (plain == kEmptyPasswordMarker) return {};
  return plain;
}

}  // namespace pxq::config
