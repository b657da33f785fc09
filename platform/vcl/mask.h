// The edit-mask engine of the masked edit.
//
// A mask is "pattern[;save[;blank]]". Pattern characters:
//   0 digit, required        9 digit, optional       # digit, "+", "-" or blank, optional
//   L letter, required       l letter, optional
//   A letter or digit, req.  a letter or digit, opt.
//   C any character, req.    c any character, optional
//   >  letters that follow are upper-cased     <  lower-cased     <>  no case conversion
//   !  optional characters are dropped from the front of Text instead of from its end
//   \  the next character is a literal         anything else (":", "/", "-", ...) is a literal
// A double-byte character in the pattern is a literal of two positions (a lead byte without
// its trail byte is a "?" literal). The save field is "0"
// (Text leaves the literals out) or anything else (Text keeps them; the default); the blank
// field is the one character shown in empty positions ("_" by default). The two fields are
// recognised only within the last four characters of the mask, as the platform does.
//
// EditText is what the user sees: one byte per position, literals in place, blanks in empty
// positions. A double-byte character of the ANSI code page (see CharSize) fills two adjacent
// input positions and is never split. Text is what is stored: EditText with trailing
// blanks dropped (leading ones with "!"), remaining blanks as spaces, and, when literals are
// saved, laid out again with spaces for the dropped blanks.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace pxq::vcl {

// A parsed mask. Cheap to copy; every operation is a pure function of the mask.
class EditMask {
 public:
  enum class Kind : unsigned char {
    Literal,
    Digit,      // 0 9
    DigitSign,  // #
    Letter,     // L l
    AlphaNum,   // A a
    AnyChar,    // C c
  };
  enum class Case : unsigned char { Keep, Upper, Lower };
  struct Position {
    Kind kind = Kind::Literal;
    bool required = false;
    Case caseConversion = Case::Keep;
    char literal = 0;   // the byte shown at a literal position
    char maskChar = 0;  // the pattern character of an input position
  };

  EditMask() = default;
  explicit EditMask(std::string_view mask);

  // The mask as given.
  const std::string& Mask() const { return mask_; }
  // True when the pattern has at least one position; an empty mask edits plain text.
  bool IsMasked() const { return !positions_.empty(); }
  bool SaveLiterals() const { return saveLiterals_; }
  char Blank() const { return blank_; }
  bool Reverse() const { return reverse_; }

  // Number of positions of EditText.
  int Length() const { return static_cast<int>(positions_.size()); }
  const std::vector<Position>& Positions() const { return positions_; }
  bool IsLiteral(int pos) const;
  bool IsInput(int pos) const { return pos >= 0 && pos < Length() && !IsLiteral(pos); }

  // EditText of an empty edit: literals in place, blanks elsewhere.
  std::string EmptyEditText() const;
  // Text of an empty edit (what a cleared edit stores).
  std::string EmptyText() const { return TextFromEditText(EmptyEditText()); }

  // Text -> EditText, as assigning Text does. With saved literals, each run of input positions
  // takes the characters of the value up to the next literal of the mask (the literal at the
  // run's full width when there is one there, so a value laid out like the mask is taken as
  // it stands), padded with blanks (at the front with "!") or cut to the run's width; a value
  // without the literal is laid out run by run. Without saved literals the value's characters fill
  // the input positions in order (from the end with "!"). Characters are not checked against the
  // mask.
  std::string EditTextFromText(std::string_view text) const;
  // EditText -> Text, as reading Text does.
  std::string TextFromEditText(std::string_view editText) const;
  // The input characters of an EditText: literals removed, trailing blanks dropped (leading
  // with "!"), remaining blanks turned into spaces.
  std::string StripEditText(std::string_view editText) const;
  // Lays input characters out under the mask with the given blank (the inverse of
  // StripEditText): literals inserted, missing characters as blanks.
  std::string FormatInput(std::string_view input, char blank) const;
  // Makes any text a well-formed EditText: exactly Length() bytes, literals in place, no
  // double-byte character split by a literal or the end (its bytes become blanks).
  std::string Normalize(std::string_view editText) const;

  // Whether the single-byte character `c` may be typed at input position `pos`; on success
  // `out` receives it after case conversion.
  bool AcceptsChar(int pos, char c, char& out) const;
  // Whether a double-byte character may start at `pos` (two adjacent positions that take
  // letters or any character).
  bool AcceptsDoubleByte(int pos) const;

  // Checks that every required position (0 L A C) is filled: not blank, and not a space
  // except under C. Returns -1 when valid, else the first position that is not filled.
  int Validate(std::string_view editText) const;

 private:
  std::string mask_;
  std::vector<Position> positions_;
  bool saveLiterals_ = true;
  char blank_ = '_';
  bool reverse_ = false;
};

// The editing state of a masked edit: its EditText, the cursor and the selection, and typed
// input. Without a mask it edits plain text (with an optional MaxLength in bytes).
class MaskEditor {
 public:
  MaskEditor() = default;
  explicit MaskEditor(std::string_view mask);

  const EditMask& Mask() const { return mask_; }
  // Sets a new mask. The input characters of the current EditText are laid out under it, as
  // the platform's masked edit re-formats its text when the mask changes; a plain text (no
  // mask before) is assigned as Text, so that its own literals land on the mask's.
  void SetMask(std::string_view mask);

  const std::string& EditText() const { return editText_; }
  // Sets EditText directly (normalised to the mask).
  void SetEditText(std::string_view editText);
  std::string Text() const;
  void SetText(std::string_view text);
  // Empties the edit: the mask's empty EditText, or no text.
  void Clear();
  bool IsEmpty() const;

  // Plain-text limit in bytes (0: none); a masked edit is limited by its mask.
  int MaxLength() const { return maxLength_; }
  void SetMaxLength(int maxLength);

  // Cursor and selection, in byte positions of EditText.
  int SelStart() const { return selStart_; }
  int SelLength() const { return selLength_; }
  void SetSel(int start, int length);
  std::string SelText() const;

  // Types one character (one byte, or the two bytes of a double-byte character). Returns false
  // when it was rejected; a rejected character equal to a literal of the mask moves the cursor
  // past that literal (typing "/" in a date moves to its next part).
  bool InputChar(std::string_view ch);
  // Types every character of `text` in turn; returns the number accepted.
  int InputText(std::string_view text);
  // Backspace and Delete: empty the selection, else the character before / at the cursor.
  void Backspace();
  void Delete();

  // -1 when every required position is filled, else the first position that is not.
  int Validate() const { return mask_.IsMasked() ? mask_.Validate(editText_) : -1; }

 private:
  void ClearRange(int from, int to);
  int NextInput(int pos) const;
  int PrevInput(int pos) const;
  void BlankAt(int pos);

  EditMask mask_;
  std::string editText_;
  int maxLength_ = 0;
  int selStart_ = 0;
  int selLength_ = 0;
};

// `text` as a masked edit with `mask` shows it, re-laid-out under `newMask`, and read back as
// that edit's Text. With the same pattern and ";0;" in place of ";1;" this drops the literals.
std::string ReformatMaskedText(std::string_view text, std::string_view mask,
                               std::string_view newMask);

// True for a lead byte of a double-byte character of the ANSI code page (0x81-0xFE for the
// Chinese and Korean code pages; none for single-byte code pages).
bool IsLeadByte(char c);
// Bytes of the character at `at`: 2 for a lead byte followed by a trail byte (0x40-0xFE except
// 0x7F), else 1 (a lead byte without a valid trail is a broken character of one byte).
size_t CharSize(std::string_view text, size_t at);

}  // namespace pxq::vcl
