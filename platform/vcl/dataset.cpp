#include "platform/vcl/dataset.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "platform/os/text.h"
#include "platform/vcl/mask.h"

namespace pxq::vcl {

struct TClientDataSet::Row {
  std::vector<Variant> values;
};

namespace {

constexpr struct {
  TFieldType type;
  const char* name;
} kTypeNames[] = {
    {TFieldType::ftString, "string"}, {TFieldType::ftInteger, "integer"},
    {TFieldType::ftFloat, "float"},   {TFieldType::ftBoolean, "boolean"},
    {TFieldType::ftDate, "date"},     {TFieldType::ftDateTime, "datetime"},
    {TFieldType::ftMemo, "memo"},
};

bool IsTextType(TFieldType t) {
  return t == TFieldType::ftString || t == TFieldType::ftMemo || t == TFieldType::ftUnknown;
}

// Days since 1899-12-30 for a civil date (proleptic Gregorian calendar).
long long DaysFromCivil(long long y, int m, int d) {
  y -= m <= 2;
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const long long yoe = y - era * 400;
  const long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468 + 25569;  // 25569: 1899-12-30 .. 1970-01-01
}

void CivilFromDays(long long days, int& y, int& m, int& d) {
  long long z = days - 25569 + 719468;
  const long long era = (z >= 0 ? z : z - 146096) / 146097;
  const long long doe = z - era * 146097;
  const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const long long mp = (5 * doy + 2) / 153;
  d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  y = static_cast<int>(yoe + era * 400 + (m <= 2));
}

int DaysIn(int y, int m) {
  static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
  return m == 2 && leap ? 29 : kDays[m - 1];
}

// "YYYY/MM/DD", with " hh:nn:ss" when there is a time of day.
std::string FormatDate(double days, bool withTime) {
  if (!std::isfinite(days) || std::fabs(days) > 3e6) return {};
  double whole = std::floor(days);
  int y = 0, m = 0, d = 0;
  CivilFromDays(static_cast<long long>(whole), y, m, d);
  char buf[64];
  std::snprintf(buf, sizeof buf, "%04d/%02d/%02d", y, m, d);
  std::string s = buf;
  long secs = std::lround((days - whole) * 86400.0);
  if (withTime && secs > 0 && secs < 86400) {
    std::snprintf(buf, sizeof buf, " %02ld:%02ld:%02ld", secs / 3600, secs / 60 % 60, secs % 60);
    s += buf;
  }
  return s;
}

// Reads "YYYY/MM/DD", "YYYY-MM-DD" or "YYYYMMDD", optionally followed by " hh:nn[:ss]".
bool ParseDate(std::string_view text, double& days) {
  std::string t = os::Trim(text);
  int y = 0, m = 0, d = 0, hh = 0, nn = 0, ss = 0;
  int used = 0;
  char sep1 = 0, sep2 = 0;
  if (t.size() >= 8 &&
      std::all_of(t.begin(), t.begin() + 8, [](char c) { return c >= '0' && c <= '9'; }) &&
      (t.size() == 8 || t[8] == ' ')) {
    y = std::stoi(t.substr(0, 4));
    m = std::stoi(t.substr(4, 2));
    d = std::stoi(t.substr(6, 2));
    used = 8;
  } else if (std::sscanf(t.c_str(), "%5d%c%2d%c%2d%n", &y, &sep1, &m, &sep2, &d, &used) != 5 ||
             sep1 != sep2 || (sep1 != '/' && sep1 != '-')) {
    return false;
  }
  if (y < 1 || y > 9999 || m < 1 || m > 12 || d < 1 || d > DaysIn(y, m)) return false;
  std::string rest = os::Trim(std::string_view(t).substr(static_cast<size_t>(used)));
  if (!rest.empty()) {
    int n = 0;
    int got = std::sscanf(rest.c_str(), "%2d:%2d%n:%2d%n", &hh, &nn, &n, &ss, &n);
    if (got < 2 || static_cast<size_t>(n) != rest.size() || hh > 23 || nn > 59 || ss > 59 ||
        hh < 0 || nn < 0 || ss < 0) {
      return false;
    }
  }
  days = static_cast<double>(DaysFromCivil(y, m, d)) + (hh * 3600 + nn * 60 + ss) / 86400.0;
  return true;
}

// Cuts a narrow text to `size` bytes without splitting a double-byte character.
std::string CutText(std::string text, int size) {
  if (size <= 0 || text.size() <= static_cast<size_t>(size)) return text;
  size_t n = 0;
  while (n < text.size()) {
    size_t len = CharSize(text, n);
    if (n + len > static_cast<size_t>(size)) break;
    n += len;
  }
  text.resize(n);
  return text;
}

[[noreturn]] void ConvertError(const Variant& value, const TFieldDef& def) {
  std::string shown = value.IsText() ? value.ToAnsi() : value.Dump();
  throw EDatabaseError("'" + shown + "' is not a valid " + FieldTypeName(def.DataType) +
                       " value for field '" + def.Name + "'");
}

// The value converted to the field's type; null for empty and null values.
Variant Convert(const TFieldDef& def, const Variant& value) {
  if (value.IsBlank()) return Variant::Null();
  try {
    switch (def.DataType) {
      case TFieldType::ftUnknown:
        return value;
      case TFieldType::ftString:
      case TFieldType::ftMemo: {
        std::string text =
            value.Kind() == VarKind::Date ? FormatDate(value.DateDays(), true) : value.ToAnsi();
        return Variant(def.DataType == TFieldType::ftString ? CutText(std::move(text), def.Size)
                                                            : text);
      }
      case TFieldType::ftInteger:
        return Variant(static_cast<int>(value.ToInt32()));
      case TFieldType::ftFloat:
        return Variant(value.ToDouble());
      case TFieldType::ftBoolean:
        return Variant(value.ToBool());
      case TFieldType::ftDate:
      case TFieldType::ftDateTime: {
        double days = 0;
        if (value.IsText()) {
          if (!ParseDate(value.ToAnsi(), days)) ConvertError(value, def);
        } else {
          days = value.ToDouble();
        }
        if (!std::isfinite(days)) ConvertError(value, def);
        if (def.DataType == TFieldType::ftDate) days = std::floor(days);
        return Variant::Date(days);
      }
    }
  } catch (const VariantError&) {
    ConvertError(value, def);
  }
  return value;
}

// Upper-cases ASCII letters that are single-byte characters (never bytes of a double-byte one).
std::string UpperText(std::string_view text) {
  std::string s(text);
  for (size_t i = 0; i < s.size(); ++i) {
    if (CharSize(s, i) == 2) {
      ++i;
    } else if (s[i] >= 'a' && s[i] <= 'z') {
      s[i] = static_cast<char>(s[i] - 32);
    }
  }
  return s;
}

// Orders two values of one field: nulls first, texts byte-wise, the rest by number.
int CompareValues(const Variant& a, const Variant& b, TFieldType type) {
  if (a.IsNull() || b.IsNull()) return a.IsNull() == b.IsNull() ? 0 : (a.IsNull() ? -1 : 1);
  try {
    if (IsTextType(type) || a.IsText() || b.IsText()) {
      int c = a.ToAnsi().compare(b.ToAnsi());
      return (c > 0) - (c < 0);
    }
    if (type == TFieldType::ftBoolean) return static_cast<int>(a.ToBool()) - b.ToBool();
    double x = a.ToDouble();
    double y = b.ToDouble();
    if (std::isnan(x) || std::isnan(y)) {  // NaN sorts first, so the order stays total
      return std::isnan(x) == std::isnan(y) ? 0 : (std::isnan(x) ? -1 : 1);
    }
    return (x > y) - (x < y);
  } catch (const VariantError&) {
    // Values without an order (objects, arrays in untyped fields) sort by their form.
    int c = a.Dump().compare(b.Dump());
    return (c > 0) - (c < 0);
  }
}

}  // namespace

const char* FieldTypeName(TFieldType type) {
  for (const auto& t : kTypeNames) {
    if (t.type == type) return t.name;
  }
  return "unknown";
}

TFieldType FieldTypeFromName(std::string_view name) {
  for (const auto& t : kTypeNames) {
    if (os::EqualsIgnoreCase(name, t.name)) return t.type;
  }
  return TFieldType::ftUnknown;
}

// ---------------------------------------------------------------------------------------------
// TFieldDefs

void TFieldDefs::Add(std::string name, TFieldType type, int size, bool required) {
  if (owner_.Active()) throw EDatabaseError("Cannot perform this operation on an open dataset");
  if (os::Trim(name).empty()) throw EDatabaseError("Field name missing");
  if (type == TFieldType::ftUnknown) throw EDatabaseError("Field '" + name + "' has no type");
  if (IndexOf(name) >= 0) throw EDatabaseError("Duplicate field name '" + name + "'");
  defs_.push_back({std::move(name), type, std::max(0, size), required});
  owner_.SyncFields();
}

void TFieldDefs::Clear() {
  if (owner_.Active()) throw EDatabaseError("Cannot perform this operation on an open dataset");
  defs_.clear();
  owner_.SyncFields();
}

int TFieldDefs::IndexOf(std::string_view name) const {
  for (size_t i = 0; i < defs_.size(); ++i) {
    if (os::EqualsIgnoreCase(defs_[i].Name, name)) return static_cast<int>(i);
  }
  return -1;
}

// ---------------------------------------------------------------------------------------------
// TField

TField::TField(TClientDataSet& owner, const TFieldDef& def, int index)
    : owner_(owner), name_(def.Name), type_(def.DataType), size_(def.Size), index_(index) {}

Variant TField::Value() const { return owner_.CurrentValue(index_); }

void TField::SetValue(const Variant& value) { owner_.SetCurrentValue(index_, value); }

std::string TField::AsString() const {
  Variant v = Value();
  if (v.IsNull()) return {};
  if (v.Kind() == VarKind::Date) return FormatDate(v.DateDays(), type_ == TFieldType::ftDateTime);
  return v.ToAnsi();
}

void TField::SetAsString(std::string_view text) {
  if (text.empty() && !IsTextType(type_)) {
    Clear();
  } else {
    SetValue(Variant(std::string(text)));
  }
}

int TField::AsInteger() const {
  Variant v = Value();
  if (v.IsNull()) return 0;
  try {
    return v.ToInt32();
  } catch (const VariantError&) {
    throw EDatabaseError("'" + v.ToAnsi() + "' is not a valid integer value");
  }
}

double TField::AsFloat() const {
  Variant v = Value();
  if (v.IsNull()) return 0;
  try {
    return v.ToDouble();
  } catch (const VariantError&) {
    throw EDatabaseError("'" + v.ToAnsi() + "' is not a valid floating point value");
  }
}

bool TField::AsBoolean() const {
  Variant v = Value();
  if (v.IsNull()) return false;
  try {
    return v.ToBool();
  } catch (const VariantError&) {
    throw EDatabaseError("'" + v.ToAnsi() + "' is not a valid boolean value");
  }
}

double TField::AsDateTime() const {
  Variant v = Value();
  if (v.IsNull()) return 0;
  if (v.Kind() == VarKind::Date) return v.DateDays();
  double days = 0;
  if (v.IsText() && ParseDate(v.ToAnsi(), days)) return days;
  throw EDatabaseError("'" + v.ToAnsi() + "' is not a valid date");
}

std::string TField::GetTextThrough(bool displayText) const {
  if (!OnGetText) return AsString();
  std::string text;
  OnGetText(const_cast<TField&>(*this), text, displayText);
  return text;
}

std::string TField::Text() const { return GetTextThrough(false); }
std::string TField::DisplayText() const { return GetTextThrough(true); }

void TField::SetText(std::string_view text) {
  if (OnSetText) {
    OnSetText(*this, std::string(text));
  } else {
    SetAsString(text);
  }
}

// ---------------------------------------------------------------------------------------------
// TClientDataSet

TClientDataSet::TClientDataSet() : fieldDefs_(*this) {}
TClientDataSet::~TClientDataSet() = default;

void TClientDataSet::SyncFields() {
  std::vector<std::unique_ptr<TField>> next;
  for (int i = 0; i < fieldDefs_.Count(); ++i) {
    const TFieldDef& def = fieldDefs_[i];
    auto same = std::find_if(fields_.begin(), fields_.end(), [&](const auto& f) {
      return f && os::EqualsIgnoreCase(f->name_, def.Name);
    });
    std::unique_ptr<TField> field;
    if (same != fields_.end()) {
      field = std::move(*same);
      field->name_ = def.Name;
      field->type_ = def.DataType;
      field->size_ = def.Size;
      field->index_ = i;
    } else {
      field.reset(new TField(*this, def, i));
    }
    next.push_back(std::move(field));
  }
  fields_ = std::move(next);
}

TField& TClientDataSet::Fields(int index) const {
  if (index < 0 || index >= FieldCount()) throw EDatabaseError("Field index out of range");
  return *fields_[static_cast<size_t>(index)];
}

TField* TClientDataSet::FindField(std::string_view name) const {
  for (const auto& f : fields_) {
    if (os::EqualsIgnoreCase(f->FieldName(), name)) return f.get();
  }
  return nullptr;
}

TField& TClientDataSet::FieldByName(std::string_view name) const {
  TField* f = FindField(name);
  if (!f) throw EDatabaseError("Field '" + std::string(name) + "' not found");
  return *f;
}

void TClientDataSet::CheckActive() const {
  if (!Active()) throw EDatabaseError("Cannot perform this operation on a closed dataset");
}

const Variant& TClientDataSet::CurrentValue(int index) const {
  static const Variant kNull = Variant::Null();
  const auto i = static_cast<size_t>(index);
  if (state_ == TDataSetState::dsEdit || state_ == TDataSetState::dsInsert) {
    return i < buffer_.size() ? buffer_[i] : kNull;
  }
  if (cur_ >= 0 && cur_ < static_cast<int>(view_.size())) {
    const auto& values = view_[static_cast<size_t>(cur_)]->values;
    return i < values.size() ? values[i] : kNull;
  }
  return kNull;
}

void TClientDataSet::SetCurrentValue(int index, Variant value) {
  CheckActive();
  if (state_ != TDataSetState::dsEdit && state_ != TDataSetState::dsInsert) {
    throw EDatabaseError("Dataset not in edit or insert mode");
  }
  buffer_.at(static_cast<size_t>(index)) = Convert(fieldDefs_[index], value);
  Notify(TDataEvent::deRecordChange);
}

void TClientDataSet::SetState(TDataSetState state) {
  if (state_ == state) return;
  state_ = state;
  Notify(TDataEvent::deStateChange);
}

int TClientDataSet::AddChangeListener(TChangeListener listener) {
  listeners_.emplace_back(nextListener_, std::move(listener));
  return nextListener_++;
}

void TClientDataSet::RemoveChangeListener(int id) {
  std::erase_if(listeners_, [id](const auto& l) { return l.first == id; });
}

void TClientDataSet::Notify(TDataEvent event) {
  auto listeners = listeners_;  // a listener may add or remove listeners
  for (auto& [id, listener] : listeners) {
    if (listener) listener(*this, event);
  }
}

// Opening and closing --------------------------------------------------------------------------

void TClientDataSet::SetActive(bool active) {
  if (active == Active()) return;
  if (active) {
    if (!fetch_ || providerName_.empty()) {
      throw EDatabaseError("Missing data provider or data packet");
    }
    OpenWithPacket(fetch_(providerName_));
    return;
  }
  buffer_.clear();
  view_.clear();
  rows_.clear();
  cur_ = -1;
  bof_ = eof_ = true;
  SetState(TDataSetState::dsInactive);
  Notify(TDataEvent::deDataSetChange);
}

void TClientDataSet::CreateDataSet() {
  if (fieldDefs_.Count() == 0) throw EDatabaseError("Field definitions are missing");
  Close();
  SetState(TDataSetState::dsBrowse);
  Rebuild(nullptr);
  Notify(TDataEvent::deDataSetChange);
}

std::vector<std::vector<Variant>> TClientDataSet::ConvertRows(const std::vector<TFieldDef>& defs,
                                                              const Variant& rows) {
  std::vector<std::vector<Variant>> out;
  if (rows.IsBlank()) return out;
  if (!rows.IsArray() || rows.Array().DimCount() != 1) {
    throw EDatabaseError("Rows must be an array of rows");
  }
  const VarArray& list = rows.Array();
  for (int r = list.Low(); r <= list.High(); ++r) {
    const Variant& row = list[r];
    if (!row.IsArray() || row.Array().DimCount() != 1) {
      throw EDatabaseError("Row " + std::to_string(r) + " is not an array of values");
    }
    const VarArray& values = row.Array();
    std::vector<Variant> converted;
    converted.reserve(defs.size());
    for (size_t i = 0; i < defs.size(); ++i) {
      int at = values.Low() + static_cast<int>(i);
      converted.push_back(values.Contains(at) ? Convert(defs[i], values[at]) : Variant::Null());
    }
    out.push_back(std::move(converted));
  }
  return out;
}

void TClientDataSet::OpenWithPacket(const Variant& packet) {
  auto bad = [] { throw EDatabaseError("Invalid data packet"); };
  if (!packet.IsArray() || packet.Array().DimCount() != 1 || packet.Array().Length() < 2) bad();
  const VarArray& parts = packet.Array();
  const Variant& descs = parts[parts.Low()];
  if (!descs.IsArray() || descs.Array().DimCount() != 1) bad();
  std::vector<TFieldDef> defs;
  for (const Variant& d : descs.Array().Elements()) {
    if (!d.IsArray() || d.Array().DimCount() != 1 || d.Array().Length() < 2) bad();
    const VarArray& a = d.Array();
    TFieldDef def;
    try {
      def.Name = a[a.Low()].ToAnsi();
      def.DataType = FieldTypeFromName(a[a.Low() + 1].ToAnsi());
      def.Size = a.Length() > 2 ? std::max(0, a[a.Low() + 2].ToInt32()) : 0;
    } catch (const VariantError&) {
      bad();
    }
    if (def.DataType == TFieldType::ftUnknown || os::Trim(def.Name).empty()) bad();
    for (const TFieldDef& other : defs) {
      if (os::EqualsIgnoreCase(other.Name, def.Name)) bad();
    }
    defs.push_back(std::move(def));
  }
  auto rows = ConvertRows(defs, parts[parts.Low() + 1]);

  Close();
  fieldDefs_.defs_ = std::move(defs);
  SyncFields();
  for (auto& values : rows) rows_.push_back(std::make_unique<Row>(Row{std::move(values)}));
  SetState(TDataSetState::dsBrowse);
  Rebuild(nullptr);
  Notify(TDataEvent::deDataSetChange);
}

void TClientDataSet::SetData(const Variant& packet) { OpenWithPacket(packet); }

Variant TClientDataSet::Data() const {
  if (!Active()) return Variant::Null();
  VarArray descs(0, fieldDefs_.Count() - 1);
  for (int i = 0; i < fieldDefs_.Count(); ++i) {
    const TFieldDef& d = fieldDefs_[i];
    descs[i] = VarArray::Of({Variant(d.Name), Variant(FieldTypeName(d.DataType)), Variant(d.Size)});
  }
  VarArray rows(0, static_cast<int>(rows_.size()) - 1);
  for (size_t r = 0; r < rows_.size(); ++r) {
    rows[static_cast<int>(r)] = VarArray::Of(rows_[r]->values);
  }
  return VarArray::Of({Variant(std::move(descs)), Variant(std::move(rows))});
}

void TClientDataSet::LoadRows(const Variant& rows) {
  CheckActive();
  CheckBrowseMode();
  auto converted = ConvertRows(fieldDefs_.defs_, rows);
  if (converted.empty()) return;
  for (auto& values : converted) rows_.push_back(std::make_unique<Row>(Row{std::move(values)}));
  const Row* current = cur_ >= 0 ? view_[static_cast<size_t>(cur_)] : nullptr;
  Rebuild(current);
  Notify(TDataEvent::deDataSetChange);
}

void TClientDataSet::EmptyDataSet() {
  CheckActive();
  Cancel();
  view_.clear();
  rows_.clear();
  Rebuild(nullptr);
  Notify(TDataEvent::deDataSetChange);
}

// Order -----------------------------------------------------------------------------------------

std::vector<int> TClientDataSet::FieldIndexes(std::string_view names, bool strict) const {
  std::vector<int> indexes;
  for (const std::string& piece : os::SplitAny(names, ";")) {
    std::string name = os::Trim(piece);
    if (name.empty()) continue;
    int i = fieldDefs_.IndexOf(name);
    if (i < 0) {
      if (strict) throw EDatabaseError("Field '" + name + "' not found");
      continue;
    }
    indexes.push_back(i);
  }
  return indexes;
}

void TClientDataSet::Rebuild(const Row* current) {
  indexFields_ = FieldIndexes(indexFieldNames_, false);
  view_.clear();
  for (const auto& r : rows_) view_.push_back(r.get());
  if (!indexFields_.empty()) {
    std::stable_sort(view_.begin(), view_.end(), [this](const Row* a, const Row* b) {
      for (int f : indexFields_) {
        const auto i = static_cast<size_t>(f);
        int c = CompareValues(a->values[i], b->values[i], fieldDefs_[f].DataType);
        if (c != 0) return c < 0;
      }
      return false;
    });
  }
  auto it = std::find(view_.begin(), view_.end(), current);
  if (current && it != view_.end()) {
    cur_ = static_cast<int>(it - view_.begin());
  } else {
    cur_ = view_.empty() ? -1 : 0;
    bof_ = true;
  }
  if (view_.empty()) bof_ = eof_ = true;
}

void TClientDataSet::SetIndexFieldNames(std::string names) {
  if (Active()) {
    FieldIndexes(names, true);  // raises for an unknown field before anything changes
    CheckBrowseMode();
  }
  indexFieldNames_ = std::move(names);
  if (Active()) {
    Rebuild(cur_ >= 0 ? view_[static_cast<size_t>(cur_)] : nullptr);
    Notify(TDataEvent::deDataSetChange);
  }
}

// Navigation ------------------------------------------------------------------------------------

void TClientDataSet::MoveTo(int index, bool bof, bool eof) {
  cur_ = index;
  bof_ = bof || view_.empty();
  eof_ = eof || view_.empty();
  Notify(TDataEvent::deScroll);
}

void TClientDataSet::First() {
  CheckBrowseMode();
  MoveTo(view_.empty() ? -1 : 0, true, false);
}

void TClientDataSet::Last() {
  CheckBrowseMode();
  MoveTo(static_cast<int>(view_.size()) - 1, false, true);
}

void TClientDataSet::Next() {
  CheckBrowseMode();
  if (cur_ + 1 < static_cast<int>(view_.size())) {
    MoveTo(cur_ + 1, false, false);
  } else {
    eof_ = true;
  }
}

void TClientDataSet::Prior() {
  CheckBrowseMode();
  if (cur_ > 0) {
    MoveTo(cur_ - 1, false, false);
  } else {
    bof_ = true;
  }
}

int TClientDataSet::MoveBy(int distance) {
  CheckBrowseMode();
  int target = std::clamp(cur_ + distance, 0, std::max(0, static_cast<int>(view_.size()) - 1));
  if (view_.empty()) return 0;
  int moved = target - cur_;
  if (moved != 0) MoveTo(target, false, false);
  if (distance > moved) eof_ = true;
  if (distance < moved) bof_ = true;
  return moved;
}

int TClientDataSet::RecordCount() const { return Active() ? static_cast<int>(view_.size()) : 0; }

int TClientDataSet::RecNo() const { return Active() && cur_ >= 0 ? cur_ + 1 : 0; }

void TClientDataSet::SetRecNo(int recNo) {
  CheckBrowseMode();
  if (recNo >= 1 && recNo <= static_cast<int>(view_.size())) MoveTo(recNo - 1, false, false);
}

// Editing ---------------------------------------------------------------------------------------

void TClientDataSet::CheckBrowseMode() {
  CheckActive();
  if (state_ == TDataSetState::dsEdit || state_ == TDataSetState::dsInsert) Post();
}

void TClientDataSet::Append() {
  CheckBrowseMode();
  buffer_.assign(fields_.size(), Variant::Null());
  insertBefore_ = nullptr;
  SetState(TDataSetState::dsInsert);
}

void TClientDataSet::Insert() {
  CheckBrowseMode();
  buffer_.assign(fields_.size(), Variant::Null());
  insertBefore_ = cur_ >= 0 ? view_[static_cast<size_t>(cur_)] : nullptr;
  SetState(TDataSetState::dsInsert);
}

void TClientDataSet::Edit() {
  CheckActive();
  if (state_ == TDataSetState::dsEdit || state_ == TDataSetState::dsInsert) return;
  if (view_.empty()) {  // editing an empty data set starts a new record, as the platform does
    Insert();
    return;
  }
  buffer_ = view_[static_cast<size_t>(cur_)]->values;
  SetState(TDataSetState::dsEdit);
}

void TClientDataSet::Post() {
  CheckActive();
  if (state_ != TDataSetState::dsEdit && state_ != TDataSetState::dsInsert) {
    throw EDatabaseError("Dataset not in edit or insert mode");
  }
  for (int i = 0; i < fieldDefs_.Count(); ++i) {
    if (fieldDefs_[i].Required && buffer_[static_cast<size_t>(i)].IsNull()) {
      throw EDatabaseError("Field '" + fieldDefs_[i].Name + "' must have a value");
    }
  }
  Row* row = nullptr;
  if (state_ == TDataSetState::dsEdit) {
    row = view_[static_cast<size_t>(cur_)];
    row->values = std::move(buffer_);
  } else {
    auto at = std::find_if(rows_.begin(), rows_.end(),
                           [this](const auto& r) { return r.get() == insertBefore_; });
    auto inserted = rows_.insert(at, std::make_unique<Row>(Row{std::move(buffer_)}));
    row = inserted->get();
  }
  buffer_.clear();
  insertBefore_ = nullptr;
  Rebuild(row);
  bof_ = eof_ = false;
  SetState(TDataSetState::dsBrowse);
  Notify(TDataEvent::deDataSetChange);
}

void TClientDataSet::Cancel() {
  if (state_ != TDataSetState::dsEdit && state_ != TDataSetState::dsInsert) return;
  buffer_.clear();
  insertBefore_ = nullptr;
  SetState(TDataSetState::dsBrowse);
  Notify(TDataEvent::deDataSetChange);
}

void TClientDataSet::Delete() {
  CheckActive();
  if (state_ == TDataSetState::dsInsert) {  // deleting a new record drops it
    Cancel();
    return;
  }
  Cancel();
  if (view_.empty()) throw EDatabaseError("Cannot perform this operation on an empty dataset");
  Row* row = view_[static_cast<size_t>(cur_)];
  int at = cur_;
  std::erase_if(rows_, [row](const auto& r) { return r.get() == row; });
  view_.erase(view_.begin() + at);
  cur_ = std::min(at, static_cast<int>(view_.size()) - 1);
  bof_ = eof_ = view_.empty();
  Notify(TDataEvent::deDataSetChange);
}

// Search ----------------------------------------------------------------------------------------

bool TClientDataSet::FindKey(const std::vector<Variant>& keys) {
  CheckBrowseMode();
  if (indexFields_.empty()) throw EDatabaseError("No index currently active");
  if (keys.size() > indexFields_.size()) throw EDatabaseError("Too many key values");
  std::vector<Variant> wanted;
  try {
    for (size_t k = 0; k < keys.size(); ++k) {
      wanted.push_back(Convert(fieldDefs_[indexFields_[k]], keys[k]));
    }
  } catch (const EDatabaseError&) {
    return false;  // a key the field cannot hold matches no record
  }
  for (size_t r = 0; r < view_.size(); ++r) {
    bool match = true;
    for (size_t k = 0; k < wanted.size() && match; ++k) {
      int f = indexFields_[k];
      match = CompareValues(view_[r]->values[static_cast<size_t>(f)], wanted[k],
                            fieldDefs_[f].DataType) == 0;
    }
    if (match) {
      MoveTo(static_cast<int>(r), false, false);
      return true;
    }
  }
  return false;
}

bool TClientDataSet::Locate(std::string_view fieldNames, const Variant& values,
                            TLocateOptions options) {
  CheckBrowseMode();
  std::vector<int> fields = FieldIndexes(fieldNames, true);
  if (fields.empty()) return false;
  std::vector<Variant> given;
  if (values.IsArray() && values.Array().DimCount() == 1) {
    given = values.Array().Elements();
  } else {
    given.push_back(values);
  }
  if (given.size() != fields.size()) {
    throw EDatabaseError("Locate needs one value for each field");
  }
  const bool noCase = options & static_cast<int>(TLocateOption::loCaseInsensitive);
  const bool partial = options & static_cast<int>(TLocateOption::loPartialKey);
  std::vector<Variant> wanted;
  try {
    for (size_t k = 0; k < fields.size(); ++k) {
      wanted.push_back(Convert(fieldDefs_[fields[k]], given[k]));
    }
  } catch (const EDatabaseError&) {
    return false;
  }
  auto matches = [&](const Variant& have, const Variant& want, TFieldType type) {
    if (want.IsNull() || have.IsNull() || !IsTextType(type)) {
      return CompareValues(have, want, type) == 0;
    }
    std::string h = noCase ? UpperText(have.ToAnsi()) : have.ToAnsi();
    std::string w = noCase ? UpperText(want.ToAnsi()) : want.ToAnsi();
    return partial ? h.compare(0, w.size(), w) == 0 : h == w;
  };
  for (size_t r = 0; r < view_.size(); ++r) {
    bool match = true;
    for (size_t k = 0; k < fields.size() && match; ++k) {
      int f = fields[k];
      match = matches(view_[r]->values[static_cast<size_t>(f)], wanted[k], fieldDefs_[f].DataType);
    }
    if (match) {
      MoveTo(static_cast<int>(r), false, false);
      return true;
    }
  }
  return false;
}

}  // namespace pxq::vcl
