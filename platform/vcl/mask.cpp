#include "platform/vcl/mask.h"

#include <algorithm>

#include "platform/os/codepage.h"

namespace pxq::vcl {

bool IsLeadByte(char c) {
  auto b = static_cast<unsigned char>(c);
  switch (os::AnsiCodePage()) {
    case 932:
      return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
    case 936:
    case 949:
    case 950:
      return b >= 0x81 && b <= 0xFE;
    default:
      return false;
  }
}

namespace {

bool IsTrailByte(char c) {
  auto b = static_cast<unsigned char>(c);
  return b >= 0x40 && b <= 0xFE && b != 0x7F;
}

}  // namespace

size_t CharSize(std::string_view text, size_t at) {
  return at + 1 < text.size() && IsLeadByte(text[at]) && IsTrailByte(text[at + 1]) ? 2 : 1;
}

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// Splits a text into characters: a lead byte with the byte after it, or a single byte.
std::vector<std::string_view> SplitChars(std::string_view text) {
  std::vector<std::string_view> chars;
  for (size_t i = 0; i < text.size();) {
    size_t n = CharSize(text, i);
    chars.push_back(text.substr(i, n));
    i += n;
  }
  return chars;
}

// The longest prefix of `text` of at most `width` bytes that does not split a character.
std::string_view FitFront(std::string_view text, size_t width) {
  size_t n = 0;
  for (std::string_view ch : SplitChars(text)) {
    if (n + ch.size() > width) break;
    n += ch.size();
  }
  return text.substr(0, n);
}

// The longest suffix of `text` of at most `width` bytes that does not split a character.
std::string_view FitBack(std::string_view text, size_t width) {
  auto chars = SplitChars(text);
  size_t n = 0;
  for (auto it = chars.rbegin(); it != chars.rend(); ++it) {
    if (n + it->size() > width) break;
    n += it->size();
  }
  return text.substr(text.size() - n);
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// EditMask

EditMask::EditMask(std::string_view mask) : mask_(mask) {
  const size_t n = mask.size();
  // The fields after the pattern are recognised only within the last four characters.
  size_t patternEnd = n;
  for (size_t i = 0; i < n;) {
    if (mask[i] == '\\') {
      i += 1 + (i + 1 < n ? CharSize(mask, i + 1) : 1);
    } else if (CharSize(mask, i) == 2) {
      i += 2;
    } else if (mask[i] == ';' && n >= 4 && i + 4 >= n) {
      patternEnd = i;
      break;
    } else {
      ++i;
    }
  }
  if (patternEnd < n) {
    if (patternEnd + 1 < n && mask[patternEnd + 1] == '0') saveLiterals_ = false;
    // The blank field needs a save field before it: "...;s;b" or "...;;b".
    if (n - 2 >= patternEnd && mask[n - 2] == ';' &&
        ((n - 3 >= patternEnd && mask[n - 3] == ';') ||
         (n - 4 >= patternEnd && mask[n - 4] == ';'))) {
      char b = mask[n - 1];
      // A blank must be one single-byte printable character.
      if (static_cast<unsigned char>(b) >= 0x20 && static_cast<unsigned char>(b) < 0x7F) blank_ = b;
    }
  }

  Case caseNow = Case::Keep;
  std::string_view pattern = mask.substr(0, patternEnd);
  // A lead byte without its trail byte is a broken character; it shows as "?".
  auto literal = [&](char c) {
    Position p;
    p.kind = Kind::Literal;
    p.literal = IsLeadByte(c) ? '?' : c;
    positions_.push_back(p);
  };
  auto literalPair = [&](char lead, char trail) {
    Position p;
    p.kind = Kind::Literal;
    p.literal = lead;
    positions_.push_back(p);
    p.literal = trail;
    positions_.push_back(p);
  };
  for (size_t i = 0; i < pattern.size(); ++i) {
    char c = pattern[i];
    if (CharSize(pattern, i) == 2) {
      literalPair(c, pattern[i + 1]);
      ++i;
      continue;
    }
    Position p;
    p.maskChar = c;
    p.caseConversion = caseNow;
    switch (c) {
      case '\\':
        if (i + 1 < pattern.size() && CharSize(pattern, i + 1) == 2) {
          literalPair(pattern[i + 1], pattern[i + 2]);
          i += 2;
        } else if (i + 1 < pattern.size()) {
          literal(pattern[++i]);
        }
        continue;
      case '!':
        reverse_ = true;
        continue;
      case '>':
        caseNow = (i > 0 && pattern[i - 1] == '<') ? Case::Keep : Case::Upper;
        continue;
      case '<':
        caseNow = Case::Lower;
        continue;
      case '0':
        p.kind = Kind::Digit;
        p.required = true;
        break;
      case '9':
        p.kind = Kind::Digit;
        break;
      case '#':
        p.kind = Kind::DigitSign;
        break;
      case 'L':
        p.kind = Kind::Letter;
        p.required = true;
        break;
      case 'l':
        p.kind = Kind::Letter;
        break;
      case 'A':
        p.kind = Kind::AlphaNum;
        p.required = true;
        break;
      case 'a':
        p.kind = Kind::AlphaNum;
        break;
      case 'C':
        p.kind = Kind::AnyChar;
        p.required = true;
        break;
      case 'c':
        p.kind = Kind::AnyChar;
        break;
      default:
        literal(c);
        continue;
    }
    positions_.push_back(p);
  }
}

bool EditMask::IsLiteral(int pos) const {
  return pos >= 0 && pos < Length() && positions_[static_cast<size_t>(pos)].kind == Kind::Literal;
}

std::string EditMask::EmptyEditText() const {
  std::string s;
  s.reserve(positions_.size());
  for (const Position& p : positions_) s += p.kind == Kind::Literal ? p.literal : blank_;
  return s;
}

std::string EditMask::Normalize(std::string_view editText) const {
  const int n = Length();
  std::string s = EmptyEditText();
  for (int i = 0; i < n && i < static_cast<int>(editText.size()); ++i) {
    if (IsInput(i)) s[static_cast<size_t>(i)] = editText[static_cast<size_t>(i)];
  }
  // A double-byte character needs two adjacent input positions; a broken one is blanked.
  for (int i = 0; i < n; ++i) {
    if (!IsLeadByte(s[static_cast<size_t>(i)])) continue;
    if (IsLiteral(i)) {
      ++i;  // a double-byte literal of the mask
    } else if (IsInput(i + 1) && IsTrailByte(s[static_cast<size_t>(i) + 1])) {
      ++i;
    } else {
      s[static_cast<size_t>(i)] = blank_;
    }
  }
  return s;
}

std::string EditMask::StripEditText(std::string_view editText) const {
  std::string e = Normalize(editText);
  std::string input;
  for (int i = 0; i < Length(); ++i) {
    if (IsInput(i)) input += e[static_cast<size_t>(i)];
  }
  auto chars = SplitChars(input);
  auto isBlank = [&](std::string_view ch) { return ch.size() == 1 && ch[0] == blank_; };
  size_t from = 0;
  size_t to = chars.size();
  if (reverse_) {
    while (from < to && isBlank(chars[from])) ++from;
  } else {
    while (to > from && isBlank(chars[to - 1])) --to;
  }
  std::string out;
  for (size_t i = from; i < to; ++i) out += isBlank(chars[i]) ? std::string_view(" ") : chars[i];
  return out;
}

std::string EditMask::FormatInput(std::string_view input, char blank) const {
  std::string s = EmptyEditText();
  for (int i = 0; i < Length(); ++i) {
    if (IsInput(i)) s[static_cast<size_t>(i)] = blank;
  }
  auto chars = SplitChars(input);
  auto fits = [&](int pos, size_t size) { return size == 1 || IsInput(pos + 1); };
  if (!reverse_) {
    int pos = 0;
    for (std::string_view ch : chars) {
      while (pos < Length() && (!IsInput(pos) || !fits(pos, ch.size()))) ++pos;
      if (pos >= Length()) break;
      s.replace(static_cast<size_t>(pos), ch.size(), ch);
      pos += static_cast<int>(ch.size());
    }
  } else {
    int end = Length();  // characters are placed right-aligned, before `end`
    for (auto it = chars.rbegin(); it != chars.rend(); ++it) {
      int size = static_cast<int>(it->size());
      int pos = end - size;
      while (pos >= 0 && (!IsInput(pos) || !fits(pos, it->size()))) --pos;
      if (pos < 0) break;
      s.replace(static_cast<size_t>(pos), it->size(), *it);
      end = pos;
    }
  }
  return Normalize(s);
}

std::string EditMask::EditTextFromText(std::string_view text) const {
  if (!saveLiterals_) return FormatInput(text, blank_);
  // The text carries the literals: each run of input positions takes the text up to the
  // literal that follows the run, preferring the literal at the run's full width, so that a
  // text already laid out like the mask is taken as it stands even when a run holds a
  // character equal to the literal.
  std::string s = EmptyEditText();
  size_t rest = 0;
  int pos = 0;
  while (pos < Length()) {
    if (IsLiteral(pos)) {
      if (rest < text.size() && text[rest] == positions_[static_cast<size_t>(pos)].literal) ++rest;
      ++pos;
      continue;
    }
    int runEnd = pos;
    while (runEnd < Length() && IsInput(runEnd)) ++runEnd;
    const size_t width = static_cast<size_t>(runEnd - pos);
    std::string_view tail = text.substr(rest);
    std::string_view piece;
    if (runEnd < Length()) {
      const char lit = positions_[static_cast<size_t>(runEnd)].literal;
      size_t k = 0;
      size_t first = std::string_view::npos;
      for (std::string_view ch : SplitChars(tail)) {
        if (k > width) break;
        if (ch.size() == 1 && ch[0] == lit) {
          if (first == std::string_view::npos) first = k;
          if (k == width) first = k;
        }
        k += ch.size();
      }
      piece = first != std::string_view::npos ? tail.substr(0, first) : FitFront(tail, width);
      rest += piece.size();
    } else {
      piece = tail;
      rest = text.size();
    }
    piece = reverse_ ? FitBack(piece, width) : FitFront(piece, width);
    size_t at = static_cast<size_t>(pos) + (reverse_ ? width - piece.size() : 0);
    s.replace(at, piece.size(), piece);
    pos = runEnd;
  }
  return Normalize(s);
}

std::string EditMask::TextFromEditText(std::string_view editText) const {
  if (!IsMasked()) return std::string(editText);
  std::string input = StripEditText(editText);
  return saveLiterals_ ? FormatInput(input, ' ') : input;
}

bool EditMask::AcceptsChar(int pos, char c, char& out) const {
  if (!IsInput(pos)) return false;
  const Position& p = positions_[static_cast<size_t>(pos)];
  auto b = static_cast<unsigned char>(c);
  if (b < 0x20 || b == 0x7F || IsLeadByte(c)) return false;
  bool ok = false;
  switch (p.kind) {
    case Kind::Digit:
      ok = IsDigit(c);
      break;
    case Kind::DigitSign:
      ok = IsDigit(c) || c == '+' || c == '-' || c == ' ';
      break;
    case Kind::Letter:
      ok = IsLetter(c);
      break;
    case Kind::AlphaNum:
      ok = IsLetter(c) || IsDigit(c);
      break;
    case Kind::AnyChar:
      ok = true;
      break;
    case Kind::Literal:
      break;
  }
  if (!ok) return false;
  out = c;
  if (p.caseConversion == Case::Upper && c >= 'a' && c <= 'z') out = static_cast<char>(c - 32);
  if (p.caseConversion == Case::Lower && c >= 'A' && c <= 'Z') out = static_cast<char>(c + 32);
  return true;
}

bool EditMask::AcceptsDoubleByte(int pos) const {
  auto takes = [&](int i) {
    if (!IsInput(i)) return false;
    Kind k = positions_[static_cast<size_t>(i)].kind;
    return k == Kind::Letter || k == Kind::AlphaNum || k == Kind::AnyChar;
  };
  return takes(pos) && takes(pos + 1);
}

int EditMask::Validate(std::string_view editText) const {
  std::string e = Normalize(editText);
  for (int i = 0; i < Length(); ++i) {
    if (!IsInput(i)) continue;
    char c = e[static_cast<size_t>(i)];
    if (IsLeadByte(c)) {  // a double-byte character fills both of its positions
      ++i;
      continue;
    }
    const Position& p = positions_[static_cast<size_t>(i)];
    if (p.required && (c == blank_ || (c == ' ' && p.maskChar != 'C'))) return i;
  }
  return -1;
}

// ---------------------------------------------------------------------------------------------
// MaskEditor

MaskEditor::MaskEditor(std::string_view mask) : mask_(mask) { Clear(); }

void MaskEditor::SetMask(std::string_view mask) {
  EditMask next(mask);
  if (!mask_.IsMasked()) {
    // Plain text carries its own literals, if any: it is assigned as the masked edit's Text.
    std::string text = editText_;
    mask_ = std::move(next);
    SetText(text);
    return;
  }
  std::string input = mask_.StripEditText(editText_);
  mask_ = std::move(next);
  editText_ = mask_.IsMasked() ? mask_.FormatInput(input, mask_.Blank()) : input;
  SetSel(0, 0);
}

void MaskEditor::SetEditText(std::string_view editText) {
  editText_ = mask_.IsMasked() ? mask_.Normalize(editText) : std::string(editText);
  SetSel(selStart_, selLength_);
}

std::string MaskEditor::Text() const { return mask_.TextFromEditText(editText_); }

void MaskEditor::SetText(std::string_view text) {
  editText_ = mask_.IsMasked() ? mask_.EditTextFromText(text) : std::string(text);
  SetSel(0, 0);
}

void MaskEditor::Clear() {
  editText_ = mask_.IsMasked() ? mask_.EmptyEditText() : std::string();
  SetSel(0, 0);
}

bool MaskEditor::IsEmpty() const {
  return mask_.IsMasked() ? Text() == mask_.EmptyText() : editText_.empty();
}

void MaskEditor::SetMaxLength(int maxLength) { maxLength_ = std::max(0, maxLength); }

namespace {
// The start of the character that covers byte `pos`.
int CharStart(std::string_view text, int pos) {
  int i = 0;
  while (i < pos) {
    int n = static_cast<int>(CharSize(text, static_cast<size_t>(i)));
    if (i + n > pos) return i;
    i += n;
  }
  return pos;
}
// The end of the character that covers byte `pos - 1` (so a range never ends inside one).
int CharEnd(std::string_view text, int pos) {
  if (pos <= 0) return 0;
  int start = CharStart(text, pos - 1);
  return start + static_cast<int>(CharSize(text, static_cast<size_t>(start)));
}
}  // namespace

void MaskEditor::SetSel(int start, int length) {
  const int size = static_cast<int>(editText_.size());
  start = std::clamp(start, 0, size);
  int end = std::clamp(start + std::max(0, length), start, size);
  selStart_ = CharStart(editText_, start);
  selLength_ = end > start ? CharEnd(editText_, end) - selStart_ : 0;
}

std::string MaskEditor::SelText() const {
  return editText_.substr(static_cast<size_t>(selStart_), static_cast<size_t>(selLength_));
}

int MaskEditor::NextInput(int pos) const {
  for (int i = std::max(pos, 0); i < mask_.Length(); ++i) {
    if (mask_.IsInput(i)) return i;
  }
  return -1;
}

int MaskEditor::PrevInput(int pos) const {
  for (int i = std::min(pos, mask_.Length() - 1); i >= 0; --i) {
    if (mask_.IsInput(i)) return i;
  }
  return -1;
}

void MaskEditor::BlankAt(int pos) {
  int start = CharStart(editText_, pos);
  if (!mask_.IsInput(start)) return;
  int end = CharEnd(editText_, pos + 1);
  for (int i = start; i < end; ++i) editText_[static_cast<size_t>(i)] = mask_.Blank();
}

void MaskEditor::ClearRange(int from, int to) {
  for (int i = from; i < to; ++i) {
    if (mask_.IsInput(i)) BlankAt(i);
  }
}

bool MaskEditor::InputChar(std::string_view ch) {
  const bool dbcs = ch.size() == 2 && IsLeadByte(ch[0]) && IsTrailByte(ch[1]);
  if (!dbcs && (ch.size() != 1 || IsLeadByte(ch[0]))) return false;

  if (!mask_.IsMasked()) {
    auto b = static_cast<unsigned char>(ch[0]);
    if (!dbcs && (b < 0x20 || b == 0x7F)) return false;
    const int size = static_cast<int>(editText_.size());
    if (maxLength_ > 0 && size - selLength_ + static_cast<int>(ch.size()) > maxLength_) {
      return false;
    }
    editText_.replace(static_cast<size_t>(selStart_), static_cast<size_t>(selLength_), ch);
    selStart_ += static_cast<int>(ch.size());
    selLength_ = 0;
    return true;
  }

  const int pos = NextInput(selStart_);
  char converted = 0;
  bool accepted =
      pos >= 0 && (dbcs ? mask_.AcceptsDoubleByte(pos) : mask_.AcceptsChar(pos, ch[0], converted));
  if (!accepted) {
    if (dbcs || pos < 0) return false;
    // A literal typed where the mask wants input moves the cursor past the next equal literal,
    // unless the cursor has just passed that literal.
    if (mask_.IsLiteral(pos - 1) &&
        mask_.Positions()[static_cast<size_t>(pos - 1)].literal == ch[0]) {
      selStart_ = pos;
      selLength_ = 0;
      return false;
    }
    for (int i = pos + 1; i < mask_.Length(); ++i) {
      if (mask_.IsLiteral(i) && mask_.Positions()[static_cast<size_t>(i)].literal == ch[0]) {
        int next = NextInput(i + 1);
        selStart_ = next < 0 ? mask_.Length() : next;
        selLength_ = 0;
        break;
      }
    }
    return false;
  }
  if (selLength_ > 0) ClearRange(selStart_, selStart_ + selLength_);
  BlankAt(pos);
  if (dbcs) {
    BlankAt(pos + 1);
    editText_[static_cast<size_t>(pos)] = ch[0];
    editText_[static_cast<size_t>(pos) + 1] = ch[1];
  } else {
    editText_[static_cast<size_t>(pos)] = converted;
  }
  int next = NextInput(pos + static_cast<int>(ch.size()));
  selStart_ = next < 0 ? mask_.Length() : next;
  selLength_ = 0;
  return true;
}

int MaskEditor::InputText(std::string_view text) {
  int accepted = 0;
  for (std::string_view ch : SplitChars(text)) {
    if (InputChar(ch)) ++accepted;
  }
  return accepted;
}

void MaskEditor::Backspace() {
  if (selLength_ > 0) {
    Delete();
    return;
  }
  if (!mask_.IsMasked()) {
    if (selStart_ == 0) return;
    int start = CharStart(editText_, selStart_ - 1);
    editText_.erase(static_cast<size_t>(start), static_cast<size_t>(selStart_ - start));
    selStart_ = start;
    return;
  }
  int pos = PrevInput(selStart_ - 1);
  if (pos < 0) return;
  pos = CharStart(editText_, pos);
  BlankAt(pos);
  selStart_ = pos;
}

void MaskEditor::Delete() {
  if (!mask_.IsMasked()) {
    if (selLength_ > 0) {
      editText_.erase(static_cast<size_t>(selStart_), static_cast<size_t>(selLength_));
    } else if (selStart_ < static_cast<int>(editText_.size())) {
      int end = CharEnd(editText_, selStart_ + 1);
      editText_.erase(static_cast<size_t>(selStart_), static_cast<size_t>(end - selStart_));
    }
    selLength_ = 0;
    return;
  }
  if (selLength_ > 0) {
    ClearRange(selStart_, selStart_ + selLength_);
    selLength_ = 0;
    return;
  }
  int pos = NextInput(selStart_);
  if (pos >= 0) BlankAt(pos);
}

// ---------------------------------------------------------------------------------------------

std::string ReformatMaskedText(std::string_view text, std::string_view mask,
                               std::string_view newMask) {
  EditMask from(mask);
  EditMask to(newMask);
  std::string input =
      from.IsMasked() ? from.StripEditText(from.EditTextFromText(text)) : std::string(text);
  return to.IsMasked() ? to.TextFromEditText(to.FormatInput(input, to.Blank())) : input;
}

}  // namespace pxq::vcl
