// Variant: the automation value that crosses every boundary of the library (host, application
// server, service objects, server-side report library).
//
// Kinds: empty, null, integer, Boolean, double, date-time (a day count as a double: day 0 is
// 1899-12-30, the fraction is the time of day), wide text (UTF-16, as automation delivers it),
// narrow text (bytes of a code page, as the library builds it), automation object, and arrays of
// Variant with one or two dimensions and explicit bounds. Wide and narrow texts are different
// kinds, because the re-encodings treat them differently. Arrays are values: copying a Variant
// copies its array.
#pragma once

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace pxq {

class AutoObject;  // platform/automation
class VarArray;
class Variant;

using AutoRef = std::shared_ptr<AutoObject>;

enum class VarKind : uint8_t {
  Empty,
  Null,
  Integer,
  Boolean,
  Double,
  Date,
  WideText,
  NarrowText,
  Object,
  Array,
};

// Raised when a value cannot be converted to the kind asked for, or an index is out of bounds.
class VariantError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct NullTag {
  bool operator==(const NullTag&) const = default;
};
struct DateValue {
  double days = 0;
  bool operator==(const DateValue&) const = default;
};

// An array of Variant with one or two dimensions. Dimensions are numbered from 1 (as the
// platform's bound functions number them); elements of a two-dimensional array are stored with
// the first index varying fastest, so re-dimensioning the last dimension keeps every element.
class VarArray {
 public:
  VarArray() = default;
  // One dimension [low..high]; high < low gives an empty array.
  VarArray(int low, int high);
  // Two dimensions [low1..high1, low2..high2].
  VarArray(int low1, int high1, int low2, int high2);
  static VarArray Of(std::vector<Variant> elements, int low = 0);

  int DimCount() const { return static_cast<int>(bounds_.size()); }
  // Bounds of dimension `dim` (1 or 2); VariantError for a dimension the array lacks.
  int Low(int dim = 1) const;
  int High(int dim = 1) const;
  int Length(int dim = 1) const { return High(dim) - Low(dim) + 1; }
  bool Contains(int index) const;
  bool Contains(int i, int j) const;

  // Element access; VariantError when the index is outside the bounds or the dimension count
  // does not match.
  Variant& operator[](int index);
  const Variant& operator[](int index) const;
  Variant& At(int i, int j);
  const Variant& At(int i, int j) const;

  // Changes the high bound of the last dimension, keeping the elements that remain.
  void Redim(int newHigh);

  // All elements in storage order.
  std::vector<Variant>& Elements() { return elements_; }
  const std::vector<Variant>& Elements() const { return elements_; }

  bool operator==(const VarArray& other) const;

 private:
  struct Bound {
    int low;
    int high;
    bool operator==(const Bound&) const = default;
  };
  size_t Offset(int i) const;
  size_t Offset(int i, int j) const;
  std::vector<Bound> bounds_;
  std::vector<Variant> elements_;
};

class Variant {
 public:
  Variant() = default;
  Variant(int value) : value_(static_cast<int64_t>(value)) {}
  Variant(int64_t value) : value_(value) {}
  Variant(bool value) : value_(value) {}
  Variant(double value) : value_(value) {}
  Variant(DateValue value) : value_(value) {}
  Variant(std::u16string text) : value_(std::move(text)) {}
  Variant(const char16_t* text) : value_(std::u16string(text)) {}
  // Narrow text: the bytes are kept as given (a code page's bytes, not UTF-8 by rule).
  Variant(std::string bytes) : value_(std::move(bytes)) {}
  Variant(const char* bytes) : value_(std::string(bytes)) {}
  Variant(AutoRef object) : value_(std::move(object)) {}
  Variant(VarArray array);

  static Variant Null() {
    Variant v;
    v.value_ = NullTag{};
    return v;
  }
  static Variant Date(double days) { return Variant(DateValue{days}); }

  Variant(const Variant& other);
  Variant(Variant&& other) noexcept = default;
  Variant& operator=(const Variant& other);
  Variant& operator=(Variant&& other) noexcept = default;
  ~Variant();

  VarKind Kind() const { return static_cast<VarKind>(value_.index()); }
  bool IsEmpty() const { return Kind() == VarKind::Empty; }
  bool IsNull() const { return Kind() == VarKind::Null; }
  // Empty or null.
  bool IsBlank() const { return IsEmpty() || IsNull(); }
  bool IsArray() const { return Kind() == VarKind::Array; }
  bool IsObject() const { return Kind() == VarKind::Object; }
  bool IsText() const { return Kind() == VarKind::WideText || Kind() == VarKind::NarrowText; }
  bool IsWide() const { return Kind() == VarKind::WideText; }
  bool IsNarrow() const { return Kind() == VarKind::NarrowText; }
  bool IsNumeric() const;

  // Conversions in the platform's manner. Empty converts to 0, false or empty text; null and
  // objects, arrays and texts that are not numbers raise VariantError.
  int64_t ToInt() const;
  int32_t ToInt32() const;  // VariantError when the value does not fit
  double ToDouble() const;
  bool ToBool() const;
  // Text in the ANSI code page: wide texts are narrowed, numbers formatted; null gives empty.
  std::string ToAnsi() const;
  // Text as UTF-16: narrow texts are widened with the ANSI code page.
  std::u16string ToWide() const;

  // Direct access; VariantError when the kind differs.
  const std::u16string& Wide() const;
  const std::string& Narrow() const;
  const AutoRef& Object() const;
  const VarArray& Array() const;
  VarArray& Array();
  double DateDays() const;

  // Same kind and same value, arrays compared element by element.
  bool operator==(const Variant& other) const;

  // A readable one-line form, e.g. [0..2: 1, "abc", L"x"]; narrow texts are shown through the
  // ANSI code page as UTF-8 with control characters escaped.
  std::string Dump() const;

 private:
  struct ArrayBox {
    std::unique_ptr<VarArray> array;
  };
  using Storage = std::variant<std::monostate, NullTag, int64_t, bool, double, DateValue,
                               std::u16string, std::string, AutoRef, ArrayBox>;
  Storage value_;
};

const char* KindName(VarKind kind);

}  // namespace pxq
