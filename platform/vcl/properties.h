// Class information and published properties.
//
// Every class registers its published properties once, with their kind and accessors; a
// property is then read and written by name, through a path of object properties ("Font.Name")
// and, for string lists and collections, by index ("Lines[2]", "Columns[0].Caption"). Names are
// matched without regard to letter case. Setting an unknown property, a bad enumeration name or
// a value of the wrong kind leaves the property unchanged; the Try... functions say whether the
// value was taken, the ...ByName functions report nothing.
//
// The class registry maps class names to classes; a class with a factory can be created by name
// (form descriptions do this). A class is registered when its StaticClass() is first called;
// RegisterClasses() names classes explicitly.
#pragma once

#include <cstdint>
#include <functional>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "platform/vcl/events.h"
#include "platform/vcl/object.h"

namespace pxq::vcl {

class TComponent;
class TControl;

enum class TTypeKind : uint8_t {
  Integer,
  Enumeration,  // Boolean included (values False, True)
  Set,
  Float,
  String,
  StringList,  // a TStrings object; by index its lines
  Class,       // an object: owned (Font) or a reference to a component (PopupMenu)
  Method,      // an event
};

// Value names of an enumeration type (values 0 .. n-1).
struct TEnumInfo {
  std::string_view Name;
  std::vector<std::string_view> Values;
};
// Named constants of an integer type (colours, character sets, cursors, modal results).
struct TIdentInfo {
  std::string_view Name;
  std::vector<std::pair<std::string_view, int64_t>> Idents;
};

// The value names of an enumeration type E: found through the overload EnumInfoOf(E*)
// declared next to the type.
const TEnumInfo& EnumInfoOf(bool*);

struct TPropInfo {
  std::string Name;
  TTypeKind Kind = TTypeKind::Integer;
  std::string TypeName;                // "Integer", "Boolean", "TAlign", "TStrings" ...
  const TEnumInfo* Enum = nullptr;     // enumerations; the element type of sets
  const TIdentInfo* Idents = nullptr;  // integer constants by name
  // Class properties: the declared class (looked up when asked: classes refer to each other).
  const TMetaClass& (*ObjectClass)() = nullptr;

  // Accessors by kind. A setter returns false when it refused the value.
  std::function<int64_t(const TObject&)> GetOrd;
  std::function<bool(TObject&, int64_t)> SetOrd;
  std::function<double(const TObject&)> GetFloat;
  std::function<bool(TObject&, double)> SetFloat;
  std::function<std::string(const TObject&)> GetStr;
  std::function<bool(TObject&, const std::string&)> SetStr;
  std::function<TObject*(const TObject&)> GetObject;  // Class and StringList
  std::function<bool(TObject&, TObject*)> SetObject;
  std::function<TMethod(const TObject&)> GetMethod;
  std::function<bool(TObject&, const TMethod&)> SetMethod;

  bool IsReadOnly() const;
  // The type's name: TypeName, or the declared class of a class property.
  std::string Type() const;
};

// A method that a form publishes for its description: "OnClick = btnOkClick".
struct TPublishedMethod {
  std::string Name;
  std::function<TMethod(TObject&)> Make;
};

using TComponentFactory = TComponent* (*)(TComponent* owner);

class TMetaClass {
 public:
  template <class C>
  TMetaClass(std::string_view name, const TMetaClass* parent, void (*define)(TClassBuilder<C>&));
  TMetaClass(const TMetaClass&) = delete;
  TMetaClass& operator=(const TMetaClass&) = delete;

  const std::string& Name() const { return name_; }
  const TMetaClass* Parent() const { return parent_; }
  bool InheritsFrom(const TMetaClass& other) const;
  bool InheritsFrom(std::string_view className) const;
  // Names of the class chain from this class up to TObject.
  std::vector<std::string> ClassChain() const;

  // Published property by name (own and inherited; a class may hide an inherited one).
  const TPropInfo* FindProperty(std::string_view name) const;
  // All published properties, inherited ones first.
  std::vector<const TPropInfo*> Properties() const;
  const TPublishedMethod* FindMethod(std::string_view name) const;
  // The description a form class carries (UTF-8 source text); empty for none.
  std::string_view Description() const { return description_; }

  bool CanCreate() const { return factory_ != nullptr; }
  // A new component of this class; nullptr when the class has no factory.
  TComponent* Create(TComponent* owner) const;

 private:
  template <class C>
  friend class TClassBuilder;
  void Register() const;

  std::string name_;
  const TMetaClass* parent_ = nullptr;
  std::vector<TPropInfo> props_;
  std::vector<std::string> hidden_;
  std::vector<TPublishedMethod> methods_;
  std::string_view description_;
  TComponentFactory factory_ = nullptr;
};

// The class registry.
const TMetaClass* FindClass(std::string_view name);
void RegisterClass(const TMetaClass& cls);
void RegisterClasses(std::initializer_list<const TMetaClass*> classes);

// --- Property access by name -------------------------------------------------------------

// A property reached by a path: the object holding it, the property and the index ([n]) of
// the last segment, or -1.
struct TPropRef {
  TObject* Object = nullptr;
  const TPropInfo* Prop = nullptr;
  int Index = -1;
};
std::optional<TPropRef> ResolvePropPath(TObject* obj, std::string_view path);
const TPropInfo* GetPropInfo(const TObject* obj, std::string_view name);

bool HasProperty(const TObject* obj, std::string_view name);

// Texts: strings, a line of a string list ("Items[2]", added up to that line when missing),
// or all of a string list as one text.
std::string GetStrPropByName(const TObject* obj, std::string_view name);
void SetStrPropByName(TObject* obj, std::string_view name, std::string_view value);
bool TrySetStrProp(TObject* obj, std::string_view name, std::string_view value);
// Integers, enumerations (Booleans included) and sets (as bit masks).
int64_t GetOrdPropByName(const TObject* obj, std::string_view name);
void SetOrdPropByName(TObject* obj, std::string_view name, int64_t value);
bool TrySetOrdProp(TObject* obj, std::string_view name, int64_t value);
double GetFloatPropByName(const TObject* obj, std::string_view name);
bool TrySetFloatProp(TObject* obj, std::string_view name, double value);
TObject* GetObjectPropByName(const TObject* obj, std::string_view name);
bool TrySetObjectProp(TObject* obj, std::string_view name, TObject* value);
TMethod GetMethodPropByName(const TObject* obj, std::string_view name);
void SetMethodPropByName(TObject* obj, std::string_view name, const TMethod& method);
bool TrySetMethodProp(TObject* obj, std::string_view name, const TMethod& method);

// Any property as text: integers in decimal, enumerations by value name, sets as
// "[name,name]", floats, strings, string lists as their text, objects by component name.
std::string GetPropText(const TObject* obj, std::string_view name);
// Sets a property from text by its kind; for integers with named constants and for
// enumerations a name is accepted (trimmed first). False and no change on a bad name or value.
bool SetPropText(TObject* obj, std::string_view name, std::string_view text);

// Sends a left-button down and then a left-button up message with the same parameters.
void SimulateClick(TControl* control, int x, int y);

// Enumeration and set texts.
std::optional<int64_t> EnumValue(const TEnumInfo& info, std::string_view name);
std::string SetToText(const TEnumInfo& info, uint64_t bits);
std::optional<uint64_t> TextToSet(const TEnumInfo& info, std::string_view text);

// --- Registration ------------------------------------------------------------------------

// Registers the published properties of class C (used in DefineClass). Getters and setters are
// member functions; a setter may be omitted for a read-only property.
template <class C>
class TClassBuilder {
 public:
  explicit TClassBuilder(TMetaClass& meta) : meta_(meta) {}

  template <class G, class S = std::nullptr_t>
  void Int(std::string_view name, G get, S set = nullptr, const TIdentInfo* idents = nullptr) {
    TPropInfo& p = Add(name, TTypeKind::Integer, "Integer");
    p.Idents = idents;
    if (idents) p.TypeName = std::string(idents->Name);
    p.GetOrd = [get](const TObject& o) { return static_cast<int64_t>(std::invoke(get, Self(o))); };
    if constexpr (!std::is_null_pointer_v<S>) {
      using V = std::decay_t<decltype(std::invoke(get, std::declval<const C&>()))>;
      p.SetOrd = [set](TObject& o, int64_t v) {
        if (v < std::numeric_limits<V>::min() || v > std::numeric_limits<V>::max()) return false;
        std::invoke(set, Self(o), static_cast<V>(v));
        return true;
      };
    }
  }
  template <class G, class S = std::nullptr_t>
  void Bool(std::string_view name, G get, S set = nullptr) {
    Enum(name, get, set);
  }
  // Enumerations, Boolean included; the type's names come from EnumInfoOf(E*).
  template <class G, class S = std::nullptr_t>
  void Enum(std::string_view name, G get, S set = nullptr) {
    using E = std::decay_t<decltype(std::invoke(get, std::declval<const C&>()))>;
    const TEnumInfo& info = EnumInfoOf(static_cast<E*>(nullptr));
    TPropInfo& p = Add(name, TTypeKind::Enumeration, std::string(info.Name));
    p.Enum = &info;
    p.GetOrd = [get](const TObject& o) { return static_cast<int64_t>(std::invoke(get, Self(o))); };
    if constexpr (!std::is_null_pointer_v<S>) {
      const auto count = static_cast<int64_t>(info.Values.size());
      p.SetOrd = [set, count](TObject& o, int64_t v) {
        if (v < 0 || v >= count) return false;
        std::invoke(set, Self(o), static_cast<E>(v));
        return true;
      };
    }
  }
  // Sets: the getter returns a TSet<E>.
  template <class G, class S = std::nullptr_t>
  void Set(std::string_view name, std::string_view typeName, G get, S set = nullptr) {
    using SetT = std::decay_t<decltype(std::invoke(get, std::declval<const C&>()))>;
    using E = decltype(ElementOf(static_cast<SetT*>(nullptr)));
    const TEnumInfo& info = EnumInfoOf(static_cast<E*>(nullptr));
    TPropInfo& p = Add(name, TTypeKind::Set, std::string(typeName));
    p.Enum = &info;
    p.GetOrd = [get](const TObject& o) {
      return static_cast<int64_t>(std::invoke(get, Self(o)).Bits());
    };
    if constexpr (!std::is_null_pointer_v<S>) {
      const uint64_t all =
          info.Values.size() >= 64 ? ~uint64_t{0} : (uint64_t{1} << info.Values.size()) - 1;
      p.SetOrd = [set, all](TObject& o, int64_t v) {
        if ((static_cast<uint64_t>(v) & ~all) != 0) return false;
        std::invoke(set, Self(o), SetT::FromBits(static_cast<uint64_t>(v)));
        return true;
      };
    }
  }
  template <class G, class S = std::nullptr_t>
  void Float(std::string_view name, G get, S set = nullptr) {
    TPropInfo& p = Add(name, TTypeKind::Float, "Double");
    p.GetFloat = [get](const TObject& o) { return static_cast<double>(std::invoke(get, Self(o))); };
    if constexpr (!std::is_null_pointer_v<S>) {
      p.SetFloat = [set](TObject& o, double v) {
        std::invoke(set, Self(o), v);
        return true;
      };
    }
  }
  template <class G, class S = std::nullptr_t>
  void Str(std::string_view name, G get, S set = nullptr) {
    TPropInfo& p = Add(name, TTypeKind::String, "string");
    p.GetStr = [get](const TObject& o) { return std::string(std::invoke(get, Self(o))); };
    if constexpr (!std::is_null_pointer_v<S>) {
      p.SetStr = [set](TObject& o, const std::string& v) {
        std::invoke(set, Self(o), v);
        return true;
      };
    }
  }
  // A string-list property: the getter returns the list (TStrings*); writing assigns lines.
  template <class G>
  void Strings(std::string_view name, G get);
  // An object owned by the object (Font, Columns): writing assigns the other object's values.
  template <class T, class G>
  void Object(std::string_view name, G get);
  // A reference to a component (PopupMenu, ActiveControl): writing stores the component when
  // it is a T.
  template <class T, class G, class S = std::nullptr_t>
  void Reference(std::string_view name, G get, S set = nullptr);
  // An event; the member is a TEvent<...> data member.
  template <class Ev>
  void Event(std::string_view name, Ev C::*member, std::string_view typeName = "TNotifyEvent") {
    TPropInfo& p = Add(name, TTypeKind::Method, std::string(typeName));
    p.GetMethod = [member](const TObject& o) { return (Self(o).*member).Method(); };
    p.SetMethod = [member](TObject& o, const TMethod& m) {
      return (static_cast<C&>(o).*member).Assign(m);
    };
  }
  // Hides a property published by an ancestor.
  void Unpublish(std::string_view name) { meta_.hidden_.emplace_back(name); }
  // A method that descriptions can bind to events by name.
  template <auto M>
  void Method(std::string_view name) {
    meta_.methods_.push_back(TPublishedMethod{
        std::string(name), [](TObject& o) { return Bind<M>(&static_cast<C&>(o)).Method(); }});
  }
  // The form description of the class (UTF-8 text, kept by reference: pass a literal).
  void Description(std::string_view text) { meta_.description_ = text; }

  TPropInfo& Add(std::string_view name, TTypeKind kind, std::string typeName) {
    meta_.props_.push_back(TPropInfo{});
    TPropInfo& p = meta_.props_.back();
    p.Name = std::string(name);
    p.Kind = kind;
    p.TypeName = std::move(typeName);
    return p;
  }

 private:
  static const C& Self(const TObject& o) { return static_cast<const C&>(o); }
  static C& Self(TObject& o) { return static_cast<C&>(o); }
  template <class E>
  static E ElementOf(TSet<E>*);
  TMetaClass& meta_;
};

namespace detail {
template <class C>
TComponentFactory FactoryOf() {
  if constexpr (std::is_constructible_v<C, TComponent*> && !std::is_abstract_v<C>) {
    return [](TComponent* owner) -> TComponent* { return new C(owner); };
  } else {
    return nullptr;
  }
}
}  // namespace detail

template <class C>
TMetaClass::TMetaClass(std::string_view name, const TMetaClass* parent,
                       void (*define)(TClassBuilder<C>&))
    : name_(name), parent_(parent), factory_(detail::FactoryOf<C>()) {
  TClassBuilder<C> builder(*this);
  if (define) define(builder);
  Register();
}

}  // namespace pxq::vcl
