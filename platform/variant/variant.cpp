#include "platform/variant/variant.h"

#include <cmath>
#include <cstdio>
#include <limits>
#include <type_traits>

#include "platform/os/codepage.h"

namespace pxq {

// ---- VarArray ---------------------------------------------------------------------------------

VarArray::VarArray(int low, int high) : bounds_{{low, high}} {
  elements_.resize(high >= low ? static_cast<size_t>(high - low + 1) : 0);
}

VarArray::VarArray(int low1, int high1, int low2, int high2)
    : bounds_{{low1, high1}, {low2, high2}} {
  size_t n1 = high1 >= low1 ? static_cast<size_t>(high1 - low1 + 1) : 0;
  size_t n2 = high2 >= low2 ? static_cast<size_t>(high2 - low2 + 1) : 0;
  elements_.resize(n1 * n2);
}

VarArray VarArray::Of(std::vector<Variant> elements, int low) {
  VarArray a;
  a.bounds_ = {{low, low + static_cast<int>(elements.size()) - 1}};
  a.elements_ = std::move(elements);
  return a;
}

int VarArray::Low(int dim) const {
  if (dim < 1 || dim > DimCount()) throw VariantError("Variant array dimension out of range");
  return bounds_[static_cast<size_t>(dim - 1)].low;
}

int VarArray::High(int dim) const {
  if (dim < 1 || dim > DimCount()) throw VariantError("Variant array dimension out of range");
  return bounds_[static_cast<size_t>(dim - 1)].high;
}

bool VarArray::Contains(int index) const {
  return DimCount() == 1 && index >= bounds_[0].low && index <= bounds_[0].high;
}

bool VarArray::Contains(int i, int j) const {
  return DimCount() == 2 && i >= bounds_[0].low && i <= bounds_[0].high && j >= bounds_[1].low &&
         j <= bounds_[1].high;
}

size_t VarArray::Offset(int i) const {
  if (!Contains(i)) throw VariantError("Variant array index out of bounds");
  return static_cast<size_t>(i - bounds_[0].low);
}

size_t VarArray::Offset(int i, int j) const {
  if (!Contains(i, j)) throw VariantError("Variant array index out of bounds");
  size_t n1 = static_cast<size_t>(bounds_[0].high - bounds_[0].low + 1);
  return static_cast<size_t>(i - bounds_[0].low) + static_cast<size_t>(j - bounds_[1].low) * n1;
}

Variant& VarArray::operator[](int index) { return elements_[Offset(index)]; }
const Variant& VarArray::operator[](int index) const { return elements_[Offset(index)]; }
Variant& VarArray::At(int i, int j) { return elements_[Offset(i, j)]; }
const Variant& VarArray::At(int i, int j) const { return elements_[Offset(i, j)]; }

void VarArray::Redim(int newHigh) {
  if (bounds_.empty()) bounds_.push_back({0, -1});
  Bound& last = bounds_.back();
  if (newHigh < last.low - 1) throw VariantError("Variant array bound out of range");
  last.high = newHigh;
  size_t count = 1;
  for (const Bound& b : bounds_)
    count *= static_cast<size_t>(b.high >= b.low ? b.high - b.low + 1 : 0);
  elements_.resize(count);
}

bool VarArray::operator==(const VarArray& other) const {
  return bounds_ == other.bounds_ && elements_ == other.elements_;
}

// ---- Variant ----------------------------------------------------------------------------------

Variant::Variant(VarArray array) : value_(ArrayBox{std::make_unique<VarArray>(std::move(array))}) {}

Variant::Variant(const Variant& other) { *this = other; }

Variant& Variant::operator=(const Variant& other) {
  if (this == &other) return *this;
  // Every kind copies as it is, except arrays, which are values: their box gets a copy.
  value_ = std::visit(
      [](const auto& v) -> Storage {
        if constexpr (std::is_same_v<std::decay_t<decltype(v)>, ArrayBox>) {
          return ArrayBox{std::make_unique<VarArray>(*v.array)};
        } else {
          return v;
        }
      },
      other.value_);
  return *this;
}

Variant::~Variant() = default;

bool Variant::IsNumeric() const {
  switch (Kind()) {
    case VarKind::Integer:
    case VarKind::Boolean:
    case VarKind::Double:
    case VarKind::Date:
      return true;
    default:
      return false;
  }
}

namespace {

[[noreturn]] void CastError(VarKind from, const char* to) {
  throw VariantError(std::string("Could not convert variant of type (") + KindName(from) +
                     ") into type (" + to + ")");
}

bool ParseNumber(std::string_view text, double& out) {
  std::string s(text);
  size_t b = s.find_first_not_of(' ');
  size_t e = s.find_last_not_of(' ');
  if (b == std::string::npos) return false;
  s = s.substr(b, e - b + 1);
  char* end = nullptr;
  errno = 0;
  double v = std::strtod(s.c_str(), &end);
  if (end != s.c_str() + s.size() || !std::isfinite(v)) return false;
  // Reject forms the platform's conversion does not accept (hex floats, inf, nan).
  for (char c : s)
    if (!((c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+' || c == 'e' || c == 'E'))
      return false;
  out = v;
  return true;
}

std::string FormatDouble(double v) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.15g", v);
  return buf;
}

}  // namespace

double Variant::ToDouble() const {
  switch (Kind()) {
    case VarKind::Empty:
      return 0;
    case VarKind::Integer:
      return static_cast<double>(std::get<int64_t>(value_));
    case VarKind::Boolean:
      return std::get<bool>(value_) ? -1 : 0;
    case VarKind::Double:
      return std::get<double>(value_);
    case VarKind::Date:
      return std::get<DateValue>(value_).days;
    case VarKind::WideText:
    case VarKind::NarrowText: {
      double v = 0;
      if (!ParseNumber(ToAnsi(), v)) CastError(Kind(), "Double");
      return v;
    }
    default:
      CastError(Kind(), "Double");
  }
}

int64_t Variant::ToInt() const {
  switch (Kind()) {
    case VarKind::Empty:
      return 0;
    case VarKind::Integer:
      return std::get<int64_t>(value_);
    case VarKind::Boolean:
      return std::get<bool>(value_) ? -1 : 0;
    default: {
      double d = ToDouble();
      double r = std::nearbyint(d);  // banker's rounding, as the platform rounds
      if (!(r >= -9.2e18 && r <= 9.2e18)) throw VariantError("Integer overflow");
      return static_cast<int64_t>(r);
    }
  }
}

int32_t Variant::ToInt32() const {
  int64_t v = ToInt();
  if (v < std::numeric_limits<int32_t>::min() || v > std::numeric_limits<int32_t>::max())
    throw VariantError("Integer overflow");
  return static_cast<int32_t>(v);
}

bool Variant::ToBool() const {
  switch (Kind()) {
    case VarKind::Empty:
      return false;
    case VarKind::Boolean:
      return std::get<bool>(value_);
    case VarKind::WideText:
    case VarKind::NarrowText: {
      std::string s = ToAnsi();
      for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
      if (s == "true") return true;
      if (s == "false") return false;
      return ToDouble() != 0;
    }
    default:
      return ToDouble() != 0;
  }
}

std::string Variant::ToAnsi() const {
  switch (Kind()) {
    case VarKind::Empty:
    case VarKind::Null:
      return {};
    case VarKind::Integer:
      return std::to_string(std::get<int64_t>(value_));
    case VarKind::Boolean:
      return std::get<bool>(value_) ? "True" : "False";
    case VarKind::Double:
      return FormatDouble(std::get<double>(value_));
    case VarKind::Date:
      return FormatDouble(std::get<DateValue>(value_).days);
    case VarKind::WideText:
      return os::WideToMultiByte(os::AnsiCodePage(), std::get<std::u16string>(value_))
          .value_or(std::string());
    case VarKind::NarrowText:
      return std::get<std::string>(value_);
    default:
      CastError(Kind(), "String");
  }
}

std::u16string Variant::ToWide() const {
  if (IsWide()) return std::get<std::u16string>(value_);
  return os::MultiByteToWide(os::AnsiCodePage(), ToAnsi()).value_or(std::u16string());
}

const std::u16string& Variant::Wide() const {
  if (!IsWide()) CastError(Kind(), "WideText");
  return std::get<std::u16string>(value_);
}

const std::string& Variant::Narrow() const {
  if (!IsNarrow()) CastError(Kind(), "NarrowText");
  return std::get<std::string>(value_);
}

const AutoRef& Variant::Object() const {
  if (!IsObject()) CastError(Kind(), "Dispatch");
  return std::get<AutoRef>(value_);
}

const VarArray& Variant::Array() const {
  if (!IsArray()) CastError(Kind(), "Array");
  return *std::get<ArrayBox>(value_).array;
}

VarArray& Variant::Array() {
  if (!IsArray()) CastError(Kind(), "Array");
  return *std::get<ArrayBox>(value_).array;
}

double Variant::DateDays() const {
  if (Kind() != VarKind::Date) CastError(Kind(), "Date");
  return std::get<DateValue>(value_).days;
}

bool Variant::operator==(const Variant& other) const {
  if (value_.index() != other.value_.index()) return false;
  if (IsArray()) return Array() == other.Array();
  if (IsObject()) return Object() == other.Object();
  switch (Kind()) {
    case VarKind::Empty:
    case VarKind::Null:
      return true;
    case VarKind::Integer:
      return std::get<int64_t>(value_) == std::get<int64_t>(other.value_);
    case VarKind::Boolean:
      return std::get<bool>(value_) == std::get<bool>(other.value_);
    case VarKind::Double:
      return std::get<double>(value_) == std::get<double>(other.value_);
    case VarKind::Date:
      return std::get<DateValue>(value_) == std::get<DateValue>(other.value_);
    case VarKind::WideText:
      return Wide() == other.Wide();
    case VarKind::NarrowText:
      return Narrow() == other.Narrow();
    default:
      return false;
  }
}

namespace {

std::string Escape(std::string_view utf8) {
  std::string out;
  for (char c : utf8) {
    unsigned char u = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (u < 0x20 || u == 0x7F) {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\x%02X", u);
      out += buf;
    } else {
      out += c;
    }
  }
  return out;
}

// Built by appending: GCC 12 at -O3 misreads `"literal" + std::string` as an overlapping copy.
std::string Enclosed(std::string_view open, const std::string& body, std::string_view close) {
  std::string out(open);
  out += body;
  out += close;
  return out;
}

}  // namespace

std::string Variant::Dump() const {
  switch (Kind()) {
    case VarKind::Empty:
      return "Empty";
    case VarKind::Null:
      return "Null";
    case VarKind::Integer:
      return std::to_string(std::get<int64_t>(value_));
    case VarKind::Boolean:
      return std::get<bool>(value_) ? "True" : "False";
    case VarKind::Double:
      return FormatDouble(std::get<double>(value_));
    case VarKind::Date:
      return Enclosed("Date(", FormatDouble(std::get<DateValue>(value_).days), ")");
    case VarKind::WideText:
      return Enclosed("L\"", Escape(os::WideToUtf8(Wide())), "\"");
    case VarKind::NarrowText:
      return Enclosed("\"", Escape(os::AnsiToUtf8(Narrow())), "\"");
    case VarKind::Object:
      return Object() ? "Object" : "Object(nil)";
    case VarKind::Array: {
      const VarArray& a = Array();
      std::string out = "[";
      for (int d = 1; d <= a.DimCount(); ++d) {
        if (d > 1) out += ",";
        out += std::to_string(a.Low(d)) + ".." + std::to_string(a.High(d));
      }
      out += ":";
      bool first = true;
      for (const Variant& e : a.Elements()) {
        out += first ? " " : ", ";
        first = false;
        out += e.Dump();
      }
      return out + "]";
    }
  }
  return "?";
}

const char* KindName(VarKind kind) {
  switch (kind) {
    case VarKind::Empty:
      return "Empty";
    case VarKind::Null:
      return "Null";
    case VarKind::Integer:
      return "Integer";
    case VarKind::Boolean:
      return "Boolean";
    case VarKind::Double:
      return "Double";
    case VarKind::Date:
      return "Date";
    case VarKind::WideText:
      return "OleStr";
    case VarKind::NarrowText:
      return "String";
    case VarKind::Object:
      return "Dispatch";
    case VarKind::Array:
      return "Array";
  }
  return "Unknown";
}

}  // namespace pxq
