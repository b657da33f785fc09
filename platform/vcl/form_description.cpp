#include "platform/vcl/form_description.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <optional>
#include <string>
#include <variant>

#include "platform/os/codepage.h"
#include "platform/os/text.h"
#include "platform/vcl/classes.h"
#include "platform/vcl/component.h"
#include "platform/vcl/form.h"

namespace pxq::vcl {

namespace {

constexpr int kMaxDepth = 64;

enum class Tok { End, Ident, Int, Float, String, Symbol };

struct Token {
  Tok kind = Tok::End;
  std::string text;  // identifier, UTF-8 string, symbol
  int64_t integer = 0;
  double real = 0;
  int line = 1;
};

class Lexer {
 public:
  explicit Lexer(std::string_view text) : s_(text) { Next(); }

  const Token& Peek() const { return tok_; }
  Token Take() {
    Token t = tok_;
    Next();
    return t;
  }
  [[noreturn]] void Fail(const std::string& what) const { FailAt(tok_.line, what); }
  [[noreturn]] static void FailAt(int line, const std::string& what) {
    throw EReadError("Line " + std::to_string(line) + ": " + what);
  }
  bool IsSymbol(char c) const { return tok_.kind == Tok::Symbol && tok_.text[0] == c; }
  bool IsWord(std::string_view w) const {
    return tok_.kind == Tok::Ident && os::EqualsIgnoreCase(tok_.text, w);
  }
  void Expect(char c) {
    if (!IsSymbol(c)) Fail(std::string("'") + c + "' expected");
    Next();
  }
  std::string ExpectIdent() {
    if (tok_.kind != Tok::Ident) Fail("identifier expected");
    return Take().text;
  }

 private:
  static bool IdentStart(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
  }
  static bool IdentChar(char c) { return IdentStart(c) || (c >= '0' && c <= '9'); }
  char At(size_t i) const { return i < s_.size() ? s_[i] : '\0'; }

  void SkipBlanks() {
    while (pos_ < s_.size()) {
      char c = s_[pos_];
      if (c == '\n') {
        ++line_;
        ++pos_;
      } else if (static_cast<unsigned char>(c) <= ' ') {
        ++pos_;
      } else if (c == '/' && At(pos_ + 1) == '/') {
        while (pos_ < s_.size() && s_[pos_] != '\n') ++pos_;
      } else {
        break;
      }
    }
  }

  static void AppendUtf8(std::string& out, uint32_t cp) {
    if (cp < 0x80) {
      out += static_cast<char>(cp);
    } else if (cp < 0x800) {
      out += static_cast<char>(0xC0 | (cp >> 6));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
      out += static_cast<char>(0xE0 | (cp >> 12));
      out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (cp >> 18));
      out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    }
  }

  // A text: quoted pieces and #n character codes written next to each other.
  void ReadString() {
    std::string value;
    while (true) {
      char c = At(pos_);
      if (c == '\'') {
        ++pos_;
        while (true) {
          if (pos_ >= s_.size() || s_[pos_] == '\n' || s_[pos_] == '\r') {
            tok_.line = line_;
            Fail("unterminated string");
          }
          if (s_[pos_] == '\'') {
            if (At(pos_ + 1) == '\'') {
              value += '\'';
              pos_ += 2;
              continue;
            }
            ++pos_;
            break;
          }
          value += s_[pos_++];
        }
      } else if (c == '#') {
        ++pos_;
        uint32_t code = 0;
        int digits = 0;
        while (pos_ < s_.size() && s_[pos_] >= '0' && s_[pos_] <= '9') {
          code = code * 10 + static_cast<uint32_t>(s_[pos_] - '0');
          ++pos_;
          if (++digits > 7 || code > 0x10FFFF) Fail("bad character code");
        }
        if (digits == 0 || (code >= 0xD800 && code <= 0xDFFF)) Fail("bad character code");
        AppendUtf8(value, code);
      } else {
        break;
      }
    }
    tok_.kind = Tok::String;
    tok_.text = std::move(value);
  }

  void ReadNumber() {
    size_t start = pos_;
    if (s_[pos_] == '-' || s_[pos_] == '+') ++pos_;
    if (At(pos_) == '$') {
      ++pos_;
      size_t digitsStart = pos_;
      while (std::isxdigit(static_cast<unsigned char>(At(pos_)))) ++pos_;
      uint64_t v = 0;
      auto [p, ec] = std::from_chars(s_.data() + digitsStart, s_.data() + pos_, v, 16);
      if (ec != std::errc() || digitsStart == pos_ || v > 0xFFFFFFFFull) Fail("bad number");
      // Hexadecimal numbers are 32-bit patterns (colours such as $80000005).
      int64_t value = v > 0x7FFFFFFFull ? static_cast<int32_t>(static_cast<uint32_t>(v))
                                        : static_cast<int64_t>(v);
      tok_.kind = Tok::Int;
      tok_.integer = s_[start] == '-' ? -value : value;
      return;
    }
    bool real = false;
    while (std::isdigit(static_cast<unsigned char>(At(pos_)))) ++pos_;
    if (At(pos_) == '.' && std::isdigit(static_cast<unsigned char>(At(pos_ + 1)))) {
      real = true;
      ++pos_;
      while (std::isdigit(static_cast<unsigned char>(At(pos_)))) ++pos_;
    }
    if (At(pos_) == 'e' || At(pos_) == 'E') {
      size_t save = pos_++;
      if (At(pos_) == '-' || At(pos_) == '+') ++pos_;
      if (std::isdigit(static_cast<unsigned char>(At(pos_)))) {
        real = true;
        while (std::isdigit(static_cast<unsigned char>(At(pos_)))) ++pos_;
      } else {
        pos_ = save;
      }
    }
    std::string_view text = s_.substr(start, pos_ - start);
    if (real) {
      double v = 0;
      auto [p, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
      if (ec != std::errc() || p != text.data() + text.size() || !std::isfinite(v))
        Fail("bad number");
      tok_.kind = Tok::Float;
      tok_.real = v;
    } else {
      if (text.front() == '+') text.remove_prefix(1);
      int64_t v = 0;
      auto [p, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
      if (ec != std::errc() || p != text.data() + text.size()) Fail("bad number");
      tok_.kind = Tok::Int;
      tok_.integer = v;
    }
  }

  void Next() {
    SkipBlanks();
    tok_ = Token{};
    tok_.line = line_;
    if (pos_ >= s_.size()) return;
    char c = s_[pos_];
    if (IdentStart(c)) {
      size_t start = pos_;
      while (IdentChar(At(pos_)) || (At(pos_) == '.' && IdentStart(At(pos_ + 1)))) ++pos_;
      tok_.kind = Tok::Ident;
      tok_.text = std::string(s_.substr(start, pos_ - start));
    } else if (std::isdigit(static_cast<unsigned char>(c)) || c == '$' ||
               ((c == '-' || c == '+') &&
                (std::isdigit(static_cast<unsigned char>(At(pos_ + 1))) || At(pos_ + 1) == '$'))) {
      ReadNumber();
    } else if (c == '\'' || c == '#') {
      ReadString();
    } else {
      tok_.kind = Tok::Symbol;
      tok_.text = std::string(1, c);
      ++pos_;
    }
  }

  std::string_view s_;
  size_t pos_ = 0;
  int line_ = 1;
  Token tok_;
};

struct Fixup {
  TObject* object;
  std::string property;
  std::string target;
  int line;
};

class Reader {
 public:
  explicit Reader(TComponent* root) : root_(root) {}

  void Read(std::string_view text) {
    Lexer lex(text);
    if (lex.Peek().kind == Tok::End) return;
    ReadObject(lex, nullptr, 0);
    if (lex.Peek().kind != Tok::End) lex.Fail("text after the end of the description");
  }

  void Finish() {
    for (const Fixup& f : fixups_) {
      TComponent* target = FindByName(f.target);
      if (!target) {
        throw EReadError("Line " + std::to_string(f.line) + ": component " + f.target +
                         " not found");
      }
      if (!TrySetObjectProp(f.object, f.property, target)) {
        throw EReadError("Line " + std::to_string(f.line) + ": " + f.target +
                         " cannot be assigned to " + f.property);
      }
    }
    fixups_.clear();
    std::vector<TComponent*> loaded = std::move(loaded_);
    loaded_.clear();
    // Components first (in creation order), the root last.
    for (TComponent* c : loaded) {
      if (c == root_) continue;
      c->SetComponentState(csReading, false);
      c->Loaded();
    }
    root_->SetComponentState(csReading, false);
    root_->Loaded();
  }

  // After a failure: nothing stays in the loading state.
  void Abandon() {
    for (TComponent* c : loaded_) {
      c->SetComponentState(csReading, false);
      c->SetComponentState(csLoading, false);
    }
    loaded_.clear();
  }

 private:
  TComponent* FindByName(const std::string& name) const {
    if (os::EqualsIgnoreCase(name, root_->Name())) return root_;
    return root_->FindComponent(name);
  }

  void MarkLoading(TComponent* c) {
    if (std::find(loaded_.begin(), loaded_.end(), c) != loaded_.end()) return;
    c->SetComponentState(csLoading, true);
    c->SetComponentState(csReading, true);
    loaded_.push_back(c);
  }

  // object|inherited Name: Class ... end
  void ReadObject(Lexer& lex, TComponent* parent, int depth) {
    if (depth > kMaxDepth) lex.Fail("objects nested too deeply");
    const bool inherited = lex.IsWord("inherited");
    if (!inherited && !lex.IsWord("object") && !lex.IsWord("inline")) lex.Fail("object expected");
    lex.Take();
    const int line = lex.Peek().line;
    std::string name = lex.ExpectIdent();
    lex.Expect(':');
    std::string className = lex.ExpectIdent();
    if (lex.IsSymbol('[')) {  // creation-order index, not needed here
      lex.Take();
      if (lex.Peek().kind != Tok::Int) lex.Fail("index expected");
      lex.Take();
      lex.Expect(']');
    }
    TComponent* c = nullptr;
    if (!parent) {
      c = root_;
      MarkLoading(c);
      if (!os::EqualsIgnoreCase(c->Name(), name)) SetName(lex, c, name);
    } else if (inherited) {
      c = root_->FindComponent(name);
      if (!c) Lexer::FailAt(line, "inherited component " + name + " not found");
      MarkLoading(c);
    } else {
      const TMetaClass* meta = FindClass(className);
      if (!meta) Lexer::FailAt(line, "class " + className + " not found");
      if (!meta->CanCreate()) Lexer::FailAt(line, "class " + className + " cannot be created");
      if (meta->InheritsFrom(TCustomForm::StaticClass()))
        Lexer::FailAt(line, "a form cannot be nested");
      if (root_->FindComponent(name))
        Lexer::FailAt(line, "a component named " + name + " already exists");
      c = meta->Create(root_);
      MarkLoading(c);
      SetName(lex, c, name);
      try {
        c->SetParentComponent(parent);
      } catch (const EVclError& e) {
        throw EReadError("Line " + std::to_string(line) + ": " + e.what());
      }
    }
    while (!lex.IsWord("end")) {
      if (lex.Peek().kind == Tok::End) lex.Fail("end expected");
      if (lex.IsWord("object") || lex.IsWord("inherited") || lex.IsWord("inline")) {
        ReadObject(lex, c, depth + 1);
      } else {
        ReadProperty(lex, c);
      }
    }
    lex.Take();
  }

  void SetName(Lexer& lex, TComponent* c, const std::string& name) {
    try {
      c->SetName(name);
    } catch (const EVclError& e) {
      lex.Fail(e.what());
    }
  }

  // Name = value
  void ReadProperty(Lexer& lex, TObject* obj) {
    const int line = lex.Peek().line;
    std::string path = lex.ExpectIdent();
    lex.Expect('=');
    // The platform writes string lists as "Lines.Strings = (...)".
    if (path.size() > 8 && os::EqualsIgnoreCase(path.substr(path.size() - 8), ".Strings")) {
      auto ref = ResolvePropPath(obj, path.substr(0, path.size() - 8));
      if (ref && ref->Prop->Kind == TTypeKind::StringList) path.resize(path.size() - 8);
    }
    auto ref = ResolvePropPath(obj, path);
    if (!ref) lex.Fail("property " + path + " does not exist");
    const TPropInfo& p = *ref->Prop;
    const Token& t = lex.Peek();
    bool ok = false;
    switch (p.Kind) {
      case TTypeKind::Integer:
        if (t.kind == Tok::Int) {
          ok = TrySetOrdProp(obj, path, t.integer);
        } else if (t.kind == Tok::Ident) {
          ok = SetPropText(obj, path, t.text);
        } else if (t.kind == Tok::String) {
          std::string bytes = os::Ansi(t.text);
          ok = bytes.size() == 1 && TrySetOrdProp(obj, path, static_cast<unsigned char>(bytes[0]));
        }
        lex.Take();
        break;
      case TTypeKind::Enumeration:
        ok = t.kind == Tok::Ident && SetPropText(obj, path, t.text);
        lex.Take();
        break;
      case TTypeKind::Float:
        if (t.kind == Tok::Int || t.kind == Tok::Float) {
          ok = TrySetFloatProp(obj, path,
                               t.kind == Tok::Int ? static_cast<double>(t.integer) : t.real);
        }
        lex.Take();
        break;
      case TTypeKind::String:
        if (t.kind == Tok::String) {
          ok = TrySetStrProp(obj, path, os::Ansi(ReadStringExpr(lex)));
        } else {
          lex.Take();
        }
        break;
      case TTypeKind::Set:
        ok = ReadSet(lex, obj, path);
        break;
      case TTypeKind::StringList:
        ok = ReadStringList(lex, obj, path);
        break;
      case TTypeKind::Class:
        ok = ReadObjectValue(lex, obj, path, *ref, line);
        break;
      case TTypeKind::Method:
        ok = ReadHandler(lex, obj, path, line);
        break;
    }
    if (!ok) {
      throw EReadError("Line " + std::to_string(line) + ": invalid value for property " + path);
    }
  }

  std::string ReadStringExpr(Lexer& lex) {
    std::string value = lex.Take().text;
    while (lex.IsSymbol('+')) {
      lex.Take();
      if (lex.Peek().kind != Tok::String) lex.Fail("string expected");
      value += lex.Take().text;
    }
    return value;
  }

  bool ReadSet(Lexer& lex, TObject* obj, const std::string& path) {
    lex.Expect('[');
    std::string text = "[";
    while (!lex.IsSymbol(']')) {
      if (lex.Peek().kind != Tok::Ident) lex.Fail("set element expected");
      text += lex.Take().text;
      if (lex.IsSymbol(',')) {
        lex.Take();
        text += ',';
      } else if (!lex.IsSymbol(']')) {
        lex.Fail("',' or ']' expected");
      }
    }
    lex.Take();
    return SetPropText(obj, path, text + "]");
  }

  bool ReadStringList(Lexer& lex, TObject* obj, const std::string& path) {
    lex.Expect('(');
    auto* list = dynamic_cast<TStrings*>(GetObjectPropByName(obj, path));
    if (!list) lex.Fail("property " + path + " holds no list");
    list->BeginUpdate();
    list->Clear();
    while (!lex.IsSymbol(')')) {
      if (lex.Peek().kind != Tok::String) {
        list->EndUpdate();
        lex.Fail("string expected");
      }
      try {
        list->Add(os::Ansi(ReadStringExpr(lex)));
      } catch (const EVclError&) {
        list->EndUpdate();
        lex.Fail("line refused by " + path);
      }
    }
    lex.Take();
    list->EndUpdate();
    return true;
  }

  bool ReadObjectValue(Lexer& lex, TObject* obj, const std::string& path, const TPropRef& ref,
                       int line) {
    if (lex.IsSymbol('<')) {
      lex.Take();
      auto* collection = dynamic_cast<TCollection*>(ref.Prop->GetObject(*ref.Object));
      if (!collection) lex.Fail("property " + path + " is not a collection");
      collection->Clear();
      while (!lex.IsSymbol('>')) {
        if (!lex.IsWord("item")) lex.Fail("item expected");
        lex.Take();
        TCollectionItem* item = collection->Add();
        while (!lex.IsWord("end")) {
          if (lex.Peek().kind == Tok::End) lex.Fail("end expected");
          ReadProperty(lex, item);
        }
        lex.Take();
      }
      lex.Take();
      return true;
    }
    if (lex.IsSymbol('{')) lex.Fail("binary data is not supported");
    if (lex.Peek().kind != Tok::Ident) {
      lex.Take();
      return false;
    }
    std::string target = lex.Take().text;
    if (os::EqualsIgnoreCase(target, "nil")) return TrySetObjectProp(obj, path, nullptr);
    if (ref.Prop->IsReadOnly()) return false;
    fixups_.push_back({obj, path, target, line});
    return true;
  }

  bool ReadHandler(Lexer& lex, TObject* obj, const std::string& path, int line) {
    if (lex.Peek().kind != Tok::Ident) {
      lex.Take();
      return false;
    }
    std::string name = lex.Take().text;
    if (os::EqualsIgnoreCase(name, "nil")) return TrySetMethodProp(obj, path, TMethod{});
    const TPublishedMethod* m = root_->ClassType().FindMethod(name);
    if (!m) Lexer::FailAt(line, "handler " + name + " not found in " + root_->ClassName());
    return TrySetMethodProp(obj, path, m->Make(*root_));
  }

  TComponent* root_;
  std::vector<TComponent*> loaded_;
  std::vector<Fixup> fixups_;
};

}  // namespace

void ReadDescription(TComponent* root, const std::vector<std::string_view>& texts) {
  if (!root) return;
  Reader reader(root);
  try {
    // Each description is finished (references, Loaded) before the next builds on it.
    for (std::string_view text : texts) {
      reader.Read(text);
      reader.Finish();
    }
  } catch (...) {
    reader.Abandon();
    throw;
  }
}

void ReadDescription(TComponent* root, std::string_view text) {
  ReadDescription(root, std::vector<std::string_view>{text});
}

}  // namespace pxq::vcl
