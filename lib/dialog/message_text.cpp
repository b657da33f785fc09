#include "lib/dialog/message_text.h"

#include <cctype>

#include "lib/util/strings.h"

namespace pxq::dialog {

MessageId ParseMessageId(std::string_view identifier) {
  MessageId id;
  std::vector<std::string> pieces;
  size_t start = 0;
  while (true) {
    const size_t sep = identifier.find(';', start);
    pieces.emplace_back(
        identifier.substr(start, sep == std::string_view::npos ? sep : sep - start));
    if (sep == std::string_view::npos) break;
    start = sep + 1;
  }
  id.kind = pieces[0];
  if (pieces.size() > 1) id.number = pieces[1];
  for (size_t i = 2; i < pieces.size() && i - 2 < id.arguments.size(); ++i)
    id.arguments[i - 2] = pieces[i];
  id.shown = util::StrToIntDef(id.number, 0) > 0;
  id.lookupNumber = id.shown || id.number.empty() ? id.number : id.number.substr(1);
  return id;
}

MessagePresentation PresentationOf(std::string_view kind) {
  using namespace vcl;
  if (kind == "C") return {mtWarning, {mbOK, mbCancel}};
  if (kind == "D") return {mtWarning, {mbYes, mbNo, mbCancel}};
  if (kind == "E") return {mtError, {mbOK}};
  if (kind == "I") return {mtInformation, {mbOK}};
  if (kind == "Q") return {mtConfirmation, {mbOK, mbCancel}};
  if (kind == "W") return {mtWarning, {mbOK, mbCancel}};
  return {mtCustom, {mbOK}};
}

namespace {

// Widths and precisions beyond this are refused rather than allocated.
constexpr long kMaxFieldWidth = 65536;

bool ReadNumber(std::string_view p, size_t& i, long& value) {
  if (i >= p.size() || !std::isdigit(static_cast<unsigned char>(p[i]))) return false;
  value = 0;
  while (i < p.size() && std::isdigit(static_cast<unsigned char>(p[i]))) {
    // Past the bound the value only has to stay above it.
    if (value <= kMaxFieldWidth) value = value * 10 + (p[i] - '0');
    ++i;
  }
  return true;
}

}  // namespace

std::optional<std::string> FormatMessage(std::string_view p,
                                         const std::vector<std::string>& arguments) {
  std::string out;
  size_t next = 0;  // the argument the next placeholder takes
  size_t i = 0;
  while (i < p.size()) {
    const size_t percent = p.find('%', i);
    if (percent == std::string_view::npos) {
      out.append(p.substr(i));
      break;
    }
    out.append(p.substr(i, percent - i));
    i = percent + 1;
    if (i >= p.size()) return std::nullopt;
    if (p[i] == '%') {
      out += '%';
      ++i;
      continue;
    }
    long number = 0;
    bool haveNumber = ReadNumber(p, i, number);
    if (number > kMaxFieldWidth) return std::nullopt;
    if (haveNumber && i < p.size() && p[i] == ':') {
      next = static_cast<size_t>(number);
      ++i;
      haveNumber = false;
    } else if (!haveNumber && i < p.size() && p[i] == ':') {
      return std::nullopt;
    }
    bool left = false;
    if (!haveNumber && i < p.size() && p[i] == '-') {
      left = true;
      ++i;
    }
    long width = 0;
    if (haveNumber) {
      width = number;
    } else if (i < p.size() && p[i] == '*') {
      return std::nullopt;  // a width taken from the arguments needs a number, not a text
    } else {
      ReadNumber(p, i, width);
    }
    long precision = -1;
    if (i < p.size() && p[i] == '.') {
      ++i;
      if (!ReadNumber(p, i, precision)) return std::nullopt;
    }
    if (width > kMaxFieldWidth || precision > kMaxFieldWidth) return std::nullopt;
    if (i >= p.size()) return std::nullopt;
    const char type = static_cast<char>(std::tolower(static_cast<unsigned char>(p[i])));
    ++i;
    if (type != 's' || next >= arguments.size()) return std::nullopt;
    std::string text = arguments[next++];
    if (precision >= 0 && text.size() > static_cast<size_t>(precision))
      text.resize(static_cast<size_t>(precision));
    const size_t pad =
        static_cast<size_t>(width) > text.size() ? static_cast<size_t>(width) - text.size() : 0;
    if (!left) out.append(pad, ' ');
    out += text;
    if (left) out.append(pad, ' ');
  }
  return out;
}

std::string FormatWithFallback(std::string_view pattern,
                               const std::vector<std::string>& arguments) {
  if (auto text = FormatMessage(pattern, arguments)) return *text;
  std::string text(pattern);
  text += '\r';
  for (const std::string& a : arguments) text += a + ";";
  return text;
}

}  // namespace pxq::dialog
