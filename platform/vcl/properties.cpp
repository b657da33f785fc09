#include "platform/vcl/properties.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <map>

#include "platform/os/text.h"
#include "platform/vcl/application.h"
#include "platform/vcl/classes.h"
#include "platform/vcl/component.h"
#include "platform/vcl/control.h"
#include "platform/vcl/messages.h"

namespace pxq::vcl {

// --- TObject -------------------------------------------------------------------------------

void TObject::operator delete(TObject* p, std::destroying_delete_t) {
  p->BeforeDestruction();
  void* memory = dynamic_cast<void*>(p);
  p->~TObject();
  ::operator delete(memory);
}

const TMetaClass& TObject::StaticClass() {
  static const TMetaClass meta("TObject", nullptr,
                               static_cast<void (*)(TClassBuilder<TObject>&)>(nullptr));
  return meta;
}

const std::string& TObject::ClassName() const { return ClassType().Name(); }

bool TObject::InheritsFrom(std::string_view className) const {
  return ClassType().InheritsFrom(className);
}

const TEnumInfo& EnumInfoOf(bool*) {
  static const TEnumInfo info{"Boolean", {"False", "True"}};
  return info;
}

// --- TMetaClass and the registry -----------------------------------------------------------

namespace {
struct NameLess {
  bool operator()(const std::string& a, const std::string& b) const {
    return os::UpperAscii(a) < os::UpperAscii(b);
  }
};
std::map<std::string, const TMetaClass*, NameLess>& Registry() {
  static std::map<std::string, const TMetaClass*, NameLess> registry;
  return registry;
}
}  // namespace

void TMetaClass::Register() const { Registry().emplace(name_, this); }

bool TMetaClass::InheritsFrom(const TMetaClass& other) const {
  for (const TMetaClass* c = this; c; c = c->parent_) {
    if (c == &other) return true;
  }
  return false;
}

bool TMetaClass::InheritsFrom(std::string_view className) const {
  for (const TMetaClass* c = this; c; c = c->parent_) {
    if (os::EqualsIgnoreCase(c->name_, className)) return true;
  }
  return false;
}

std::vector<std::string> TMetaClass::ClassChain() const {
  std::vector<std::string> chain;
  for (const TMetaClass* c = this; c; c = c->parent_) chain.push_back(c->name_);
  return chain;
}

const TPropInfo* TMetaClass::FindProperty(std::string_view name) const {
  for (const TMetaClass* c = this; c; c = c->parent_) {
    for (const TPropInfo& p : c->props_) {
      if (os::EqualsIgnoreCase(p.Name, name)) return &p;
    }
    for (const std::string& h : c->hidden_) {
      if (os::EqualsIgnoreCase(h, name)) return nullptr;
    }
  }
  return nullptr;
}

std::vector<const TPropInfo*> TMetaClass::Properties() const {
  std::vector<const TMetaClass*> chain;
  for (const TMetaClass* c = this; c; c = c->parent_) chain.insert(chain.begin(), c);
  std::vector<const TPropInfo*> result;
  for (const TMetaClass* c : chain) {
    for (const TPropInfo& p : c->props_) {
      // A redefinition replaces the inherited entry in place.
      auto it = std::find_if(result.begin(), result.end(), [&](const TPropInfo* q) {
        return os::EqualsIgnoreCase(q->Name, p.Name);
      });
      if (it != result.end()) {
        *it = &p;
      } else {
        result.push_back(&p);
      }
    }
  }
  std::erase_if(result, [this](const TPropInfo* p) { return FindProperty(p->Name) != p; });
  return result;
}

const TPublishedMethod* TMetaClass::FindMethod(std::string_view name) const {
  for (const TMetaClass* c = this; c; c = c->parent_) {
    for (const TPublishedMethod& m : c->methods_) {
      if (os::EqualsIgnoreCase(m.Name, name)) return &m;
    }
  }
  return nullptr;
}

TComponent* TMetaClass::Create(TComponent* owner) const {
  return factory_ ? factory_(owner) : nullptr;
}

void RegisterStandardClasses();  // stdclasses.cpp

const TMetaClass* FindClass(std::string_view name) {
  RegisterStandardClasses();
  auto it = Registry().find(std::string(name));
  return it == Registry().end() ? nullptr : it->second;
}

void RegisterClass(const TMetaClass& cls) { Registry().emplace(cls.Name(), &cls); }

void RegisterClasses(std::initializer_list<const TMetaClass*> classes) {
  for (const TMetaClass* c : classes) {
    if (c) RegisterClass(*c);
  }
}

bool TPropInfo::IsReadOnly() const {
  switch (Kind) {
    case TTypeKind::Integer:
    case TTypeKind::Enumeration:
    case TTypeKind::Set:
      return !SetOrd;
    case TTypeKind::Float:
      return !SetFloat;
    case TTypeKind::String:
      return !SetStr;
    case TTypeKind::StringList:
    case TTypeKind::Class:
      return !SetObject;
    case TTypeKind::Method:
      return !SetMethod;
  }
  return true;
}

std::string TPropInfo::Type() const {
  return Kind == TTypeKind::Class && ObjectClass ? ObjectClass().Name() : TypeName;
}

// --- Paths ---------------------------------------------------------------------------------

namespace {

struct Segment {
  std::string_view name;
  int index = -1;
  bool ok = true;
};

Segment ParseSegment(std::string_view s) {
  Segment seg;
  s = std::string_view(s.data(), s.size());
  auto open = s.find('[');
  if (open == std::string_view::npos) {
    seg.name = s;
  } else {
    seg.name = s.substr(0, open);
    if (s.back() != ']' || s.size() < open + 3) {
      seg.ok = false;
      return seg;
    }
    std::string_view digits = s.substr(open + 1, s.size() - open - 2);
    int value = 0;
    auto [ptr, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (ec != std::errc() || ptr != digits.data() + digits.size() || value < 0) seg.ok = false;
    seg.index = value;
  }
  // Blanks around names are not part of them.
  while (!seg.name.empty() && seg.name.front() == ' ') seg.name.remove_prefix(1);
  while (!seg.name.empty() && seg.name.back() == ' ') seg.name.remove_suffix(1);
  if (seg.name.empty()) seg.ok = false;
  return seg;
}

}  // namespace

const TPropInfo* GetPropInfo(const TObject* obj, std::string_view name) {
  if (!obj || name.empty()) return nullptr;
  return obj->ClassType().FindProperty(name);
}

std::optional<TPropRef> ResolvePropPath(TObject* obj, std::string_view path) {
  if (!obj || path.empty()) return std::nullopt;
  TObject* current = obj;
  while (true) {
    auto dot = path.find('.');
    Segment seg = ParseSegment(path.substr(0, dot));
    if (!seg.ok) return std::nullopt;
    const TPropInfo* prop = GetPropInfo(current, seg.name);
    if (!prop) return std::nullopt;
    if (dot == std::string_view::npos) return TPropRef{current, prop, seg.index};
    path.remove_prefix(dot + 1);
    if (prop->Kind != TTypeKind::Class || !prop->GetObject) return std::nullopt;
    TObject* next = prop->GetObject(*current);
    if (next && seg.index >= 0) {
      auto* persistent = dynamic_cast<TPersistent*>(next);
      next = persistent ? persistent->IndexedItem(seg.index) : nullptr;
    }
    if (!next) return std::nullopt;
    current = next;
  }
}

bool HasProperty(const TObject* obj, std::string_view name) {
  return ResolvePropPath(const_cast<TObject*>(obj), name).has_value();
}

namespace {

TStrings* StringsOf(const TPropRef& ref) {
  if (ref.Prop->Kind != TTypeKind::StringList || !ref.Prop->GetObject) return nullptr;
  return dynamic_cast<TStrings*>(ref.Prop->GetObject(*ref.Object));
}

std::optional<TPropRef> Resolve(const TObject* obj, std::string_view name) {
  return ResolvePropPath(const_cast<TObject*>(obj), name);
}

// Observers hear of every property written by name (descriptions, language files), also of
// those whose setters do not announce themselves.
bool Written(const TPropRef& ref, bool ok) {
  if (ok) {
    if (auto* p = dynamic_cast<TPersistent*>(ref.Object)) NotifyPropertyChanged(*p, ref.Prop->Name);
  }
  return ok;
}

std::string FormatFloat(double v) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.15g", v);
  return buf;
}

std::optional<int64_t> ParseInt(std::string_view text) {
  text = std::string_view(text);
  std::string t = os::Trim(text);
  if (t.empty()) return std::nullopt;
  int64_t value = 0;
  const char* begin = t.data();
  const char* end = t.data() + t.size();
  int base = 10;
  bool negative = false;
  if (*begin == '-' || *begin == '+') {
    negative = *begin == '-';
    ++begin;
  }
  if (begin != end && *begin == '$') {
    base = 16;
    ++begin;
  } else if (end - begin > 2 && begin[0] == '0' && (begin[1] == 'x' || begin[1] == 'X')) {
    base = 16;
    begin += 2;
  }
  if (begin == end) return std::nullopt;
  uint64_t magnitude = 0;
  auto [ptr, ec] = std::from_chars(begin, end, magnitude, base);
  if (ec != std::errc() || ptr != end) return std::nullopt;
  if (base == 16 && !negative && magnitude <= 0xFFFFFFFFull) {
    // Hexadecimal texts are 32-bit patterns, as the platform writes colours ($80000005).
    value = magnitude > 0x7FFFFFFFull ? static_cast<int64_t>(static_cast<int32_t>(magnitude))
                                      : static_cast<int64_t>(magnitude);
    return value;
  }
  if (magnitude > static_cast<uint64_t>(INT64_MAX)) return std::nullopt;
  value = static_cast<int64_t>(magnitude);
  return negative ? -value : value;
}

std::optional<double> ParseFloat(std::string_view text) {
  std::string t = os::Trim(text);
  if (t.empty()) return std::nullopt;
  double v = 0;
  auto [ptr, ec] = std::from_chars(t.data(), t.data() + t.size(), v);
  if (ec != std::errc() || ptr != t.data() + t.size() || !std::isfinite(v)) return std::nullopt;
  return v;
}

}  // namespace

std::optional<int64_t> EnumValue(const TEnumInfo& info, std::string_view name) {
  std::string n = os::Trim(name);
  for (size_t i = 0; i < info.Values.size(); ++i) {
    if (os::EqualsIgnoreCase(info.Values[i], n)) return static_cast<int64_t>(i);
  }
  return std::nullopt;
}

std::string SetToText(const TEnumInfo& info, uint64_t bits) {
  std::string text = "[";
  for (size_t i = 0; i < info.Values.size() && i < 64; ++i) {
    if (bits & (uint64_t{1} << i)) {
      if (text.size() > 1) text += ',';
      text += info.Values[i];
    }
  }
  return text + "]";
}

std::optional<uint64_t> TextToSet(const TEnumInfo& info, std::string_view text) {
  std::string t = os::Trim(text);
  if (t.size() >= 2 && t.front() == '[' && t.back() == ']') t = t.substr(1, t.size() - 2);
  uint64_t bits = 0;
  for (const std::string& piece : os::SplitAny(t, ",")) {
    std::string name = os::Trim(piece);
    if (name.empty()) continue;
    auto v = EnumValue(info, name);
    if (!v || *v >= 64) return std::nullopt;
    bits |= uint64_t{1} << *v;
  }
  return bits;
}

std::string GetStrPropByName(const TObject* obj, std::string_view name) {
  auto ref = Resolve(obj, name);
  if (!ref) return {};
  if (ref->Prop->Kind == TTypeKind::String && ref->Index < 0 && ref->Prop->GetStr) {
    return ref->Prop->GetStr(*ref->Object);
  }
  if (TStrings* list = StringsOf(*ref)) {
    if (ref->Index < 0) return list->Text();
    return ref->Index < list->Count() ? list->Strings(ref->Index) : std::string();
  }
  return {};
}

bool TrySetStrProp(TObject* obj, std::string_view name, std::string_view value) {
  auto ref = ResolvePropPath(obj, name);
  if (!ref) return false;
  try {
    if (ref->Prop->Kind == TTypeKind::String && ref->Index < 0 && ref->Prop->SetStr) {
      return Written(*ref, ref->Prop->SetStr(*ref->Object, std::string(value)));
    }
    if (TStrings* list = StringsOf(*ref)) {
      if (ref->Index < 0) {
        list->SetText(value);
        return Written(*ref, true);
      }
      // Lines up to the index are added when missing (bounded, as a guard against absurd
      // indexes).
      if (ref->Index > list->Count() + 100000) return false;
      list->BeginUpdate();
      while (list->Count() <= ref->Index) list->Add(std::string());
      list->Put(ref->Index, std::string(value));
      list->EndUpdate();
      return Written(*ref, true);
    }
  } catch (const EVclError&) {
    return false;
  }
  return false;
}

void SetStrPropByName(TObject* obj, std::string_view name, std::string_view value) {
  TrySetStrProp(obj, name, value);
}

int64_t GetOrdPropByName(const TObject* obj, std::string_view name) {
  auto ref = Resolve(obj, name);
  if (!ref || ref->Index >= 0 || !ref->Prop->GetOrd) return 0;
  return ref->Prop->GetOrd(*ref->Object);
}

bool TrySetOrdProp(TObject* obj, std::string_view name, int64_t value) {
  auto ref = ResolvePropPath(obj, name);
  if (!ref || ref->Index >= 0 || !ref->Prop->SetOrd) return false;
  try {
    return Written(*ref, ref->Prop->SetOrd(*ref->Object, value));
  } catch (const EVclError&) {
    return false;
  }
}

void SetOrdPropByName(TObject* obj, std::string_view name, int64_t value) {
  TrySetOrdProp(obj, name, value);
}

double GetFloatPropByName(const TObject* obj, std::string_view name) {
  auto ref = Resolve(obj, name);
  if (!ref || ref->Index >= 0 || !ref->Prop->GetFloat) return 0;
  return ref->Prop->GetFloat(*ref->Object);
}

bool TrySetFloatProp(TObject* obj, std::string_view name, double value) {
  auto ref = ResolvePropPath(obj, name);
  if (!ref || ref->Index >= 0 || !ref->Prop->SetFloat || !std::isfinite(value)) return false;
  try {
    return Written(*ref, ref->Prop->SetFloat(*ref->Object, value));
  } catch (const EVclError&) {
    return false;
  }
}

TObject* GetObjectPropByName(const TObject* obj, std::string_view name) {
  auto ref = Resolve(obj, name);
  if (!ref || ref->Index >= 0 || !ref->Prop->GetObject) return nullptr;
  return ref->Prop->GetObject(*ref->Object);
}

bool TrySetObjectProp(TObject* obj, std::string_view name, TObject* value) {
  auto ref = ResolvePropPath(obj, name);
  if (!ref || ref->Index >= 0 || !ref->Prop->SetObject) return false;
  try {
    return Written(*ref, ref->Prop->SetObject(*ref->Object, value));
  } catch (const EVclError&) {
    return false;
  }
}

TMethod GetMethodPropByName(const TObject* obj, std::string_view name) {
  auto ref = Resolve(obj, name);
  if (!ref || ref->Index >= 0 || !ref->Prop->GetMethod) return {};
  return ref->Prop->GetMethod(*ref->Object);
}

bool TrySetMethodProp(TObject* obj, std::string_view name, const TMethod& method) {
  auto ref = ResolvePropPath(obj, name);
  if (!ref || ref->Index >= 0 || !ref->Prop->SetMethod) return false;
  return ref->Prop->SetMethod(*ref->Object, method);
}

void SetMethodPropByName(TObject* obj, std::string_view name, const TMethod& method) {
  TrySetMethodProp(obj, name, method);
}

std::string GetPropText(const TObject* obj, std::string_view name) {
  auto ref = Resolve(obj, name);
  if (!ref) return {};
  const TPropInfo& p = *ref->Prop;
  const TObject& o = *ref->Object;
  switch (p.Kind) {
    case TTypeKind::Integer:
      return ref->Index < 0 ? std::to_string(p.GetOrd(o)) : std::string();
    case TTypeKind::Enumeration: {
      if (ref->Index >= 0) return {};
      int64_t v = p.GetOrd(o);
      if (v >= 0 && v < static_cast<int64_t>(p.Enum->Values.size())) {
        return std::string(p.Enum->Values[static_cast<size_t>(v)]);
      }
      return std::to_string(v);
    }
    case TTypeKind::Set:
      return ref->Index < 0 ? SetToText(*p.Enum, static_cast<uint64_t>(p.GetOrd(o)))
                            : std::string();
    case TTypeKind::Float:
      return ref->Index < 0 ? FormatFloat(p.GetFloat(o)) : std::string();
    case TTypeKind::String:
    case TTypeKind::StringList:
      return GetStrPropByName(obj, name);
    case TTypeKind::Class: {
      if (ref->Index >= 0) return {};
      auto* c = dynamic_cast<TComponent*>(p.GetObject(o));
      return c ? c->Name() : std::string();
    }
    case TTypeKind::Method:
      return {};
  }
  return {};
}

bool SetPropText(TObject* obj, std::string_view name, std::string_view text) {
  auto ref = ResolvePropPath(obj, name);
  if (!ref) return false;
  const TPropInfo& p = *ref->Prop;
  switch (p.Kind) {
    case TTypeKind::Integer: {
      auto v = ParseInt(text);
      if (!v && p.Idents) {
        std::string t = os::Trim(text);
        for (const auto& [identName, identValue] : p.Idents->Idents) {
          if (os::EqualsIgnoreCase(identName, t)) v = identValue;
        }
      }
      return v && TrySetOrdProp(obj, name, *v);
    }
    case TTypeKind::Enumeration: {
      auto v = EnumValue(*p.Enum, text);
      return v && TrySetOrdProp(obj, name, *v);
    }
    case TTypeKind::Set: {
      auto v = TextToSet(*p.Enum, text);
      return v && TrySetOrdProp(obj, name, static_cast<int64_t>(*v));
    }
    case TTypeKind::Float: {
      auto v = ParseFloat(text);
      return v && TrySetFloatProp(obj, name, *v);
    }
    case TTypeKind::String:
    case TTypeKind::StringList:
      return TrySetStrProp(obj, name, text);
    case TTypeKind::Class:
    case TTypeKind::Method:
      return false;
  }
  return false;
}

void SimulateClick(TControl* control, int x, int y) {
  if (!control) return;
  const intptr_t pos = MakeLParam(x, y);
  control->Perform(WM_LBUTTONDOWN, MK_LBUTTON, pos);
  control->Perform(WM_LBUTTONUP, MK_LBUTTON, pos);
}

}  // namespace pxq::vcl
