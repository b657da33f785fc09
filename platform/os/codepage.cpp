#include "platform/os/codepage.h"

#include <iconv.h>

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>

namespace pxq::os {
namespace {

std::atomic<int> g_ansiCodePage{0};

int InitialCodePage() {
  if (const char* env = std::getenv("PXQ_ANSI_CODEPAGE")) {
    int cp = std::atoi(env);
    if (cp > 0 && IsKnownCodePage(cp)) return cp;
  }
  return 936;
}

// One cached conversion descriptor per (to, from) pair and thread.
class Converter {
 public:
  Converter(const std::string& to, const std::string& from)
      : cd_(iconv_open(to.c_str(), from.c_str())) {}
  ~Converter() {
    if (ok()) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;
  bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
  void reset() { iconv(cd_, nullptr, nullptr, nullptr, nullptr); }
  iconv_t get() const { return cd_; }

 private:
  iconv_t cd_;
};

Converter* GetConverter(const std::string& to, const std::string& from) {
  thread_local std::map<std::pair<std::string, std::string>, std::unique_ptr<Converter>> cache;
  auto& slot = cache[{to, from}];
  if (!slot) slot = std::make_unique<Converter>(to, from);
  if (!slot->ok()) return nullptr;
  slot->reset();
  return slot.get();
}

// Runs iconv over the whole input. On an invalid or unconvertible unit, appends `replacement`
// and skips `skipOnError` bytes of input; an incomplete tail is replaced once.
std::string Run(Converter* conv, std::string_view in, std::string_view replacement,
                size_t skipOnError) {
  std::string out;
  out.reserve(in.size() * 2 + 8);
  char buffer[1024];
  char* src = const_cast<char*>(in.data());
  size_t left = in.size();
  while (left > 0) {
    char* dst = buffer;
    size_t room = sizeof buffer;
    size_t rc = iconv(conv->get(), &src, &left, &dst, &room);
    out.append(buffer, static_cast<size_t>(dst - buffer));
    if (rc != static_cast<size_t>(-1)) continue;
    if (errno == E2BIG) continue;
    out.append(replacement);
    if (errno == EINVAL) break;  // truncated sequence at the end
    size_t skip = skipOnError < left ? skipOnError : left;
    src += skip;
    left -= skip;
    conv->reset();
  }
  char* dst = buffer;
  size_t room = sizeof buffer;
  iconv(conv->get(), nullptr, nullptr, &dst, &room);
  out.append(buffer, static_cast<size_t>(dst - buffer));
  return out;
}

std::string_view AsBytes(std::u16string_view text) {
  return {reinterpret_cast<const char*>(text.data()), text.size() * sizeof(char16_t)};
}

std::u16string FromBytes(const std::string& bytes) {
  std::u16string out(bytes.size() / 2, u'\0');
  for (size_t i = 0; i < out.size(); ++i) {
    out[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                   (static_cast<unsigned char>(bytes[2 * i + 1]) << 8));
  }
  return out;
}

const std::string kUtf16 = "UTF-16LE";
const std::string kReplacementUtf16("\xFD\xFF", 2);

}  // namespace

int AnsiCodePage() {
  int cp = g_ansiCodePage.load();
  if (cp == 0) {
    cp = InitialCodePage();
    g_ansiCodePage.store(cp);
  }
  return cp;
}

void SetAnsiCodePage(int codePage) { g_ansiCodePage.store(codePage); }

std::string IconvName(int codePage) {
  switch (codePage) {
    case 65001:
      return "UTF-8";
    case 20127:
      return "ASCII";
    case 1200:
      return "UTF-16LE";
    case 28591:
      return "ISO-8859-1";
    case 54936:
      return "GB18030";
    case 20936:
      return "GB2312";
    default:
      break;
  }
  if (codePage <= 0 || codePage > 65535) return {};
  return "CP" + std::to_string(codePage);
}

bool IsKnownCodePage(int codePage) {
  std::string name = IconvName(codePage);
  return !name.empty() && GetConverter(kUtf16, name) != nullptr;
}

std::optional<std::u16string> MultiByteToWide(int codePage, std::string_view bytes) {
  std::string name = IconvName(codePage);
  Converter* conv = name.empty() ? nullptr : GetConverter(kUtf16, name);
  if (!conv) return std::nullopt;
  return FromBytes(Run(conv, bytes, kReplacementUtf16, 1));
}

std::optional<std::string> WideToMultiByte(int codePage, std::u16string_view text) {
  std::string name = IconvName(codePage);
  Converter* conv = name.empty() ? nullptr : GetConverter(name, kUtf16);
  if (!conv) return std::nullopt;
  // A surrogate pair is two units; an unpaired or unmappable unit is skipped one unit at a time.
  return Run(conv, AsBytes(text), "?", 2);
}

std::u16string Utf8ToWide(std::string_view utf8) {
  return MultiByteToWide(65001, utf8).value_or(std::u16string());
}

std::string WideToUtf8(std::u16string_view text) {
  return WideToMultiByte(65001, text).value_or(std::string());
}

std::string Ansi(std::string_view utf8) {
  return WideToMultiByte(AnsiCodePage(), Utf8ToWide(utf8)).value_or(std::string(utf8));
}

std::string ToUtf8(int codePage, std::string_view bytes) {
  auto wide = MultiByteToWide(codePage, bytes);
  return wide ? WideToUtf8(*wide) : std::string(bytes);
}

std::string AnsiToUtf8(std::string_view ansi) { return ToUtf8(AnsiCodePage(), ansi); }

}  // namespace pxq::os
