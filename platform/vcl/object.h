// The root of the class library: TObject with its class information, small set types and the
// exceptions the library raises.
//
// Objects are created with new and freed with delete. Deleting runs the virtual
// BeforeDestruction on the complete object first (while every derived part still exists), then
// the destructors: components use it to raise OnDestroy and to free what they own.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <new>
#include <stdexcept>
#include <string>
#include <string_view>

namespace pxq::vcl {

class TMetaClass;
template <class C>
class TClassBuilder;

// Declares the class information of a class: StaticClass() describes the class itself,
// ClassType() the dynamic class of an object, DefineClass registers published properties.
#define PXQ_CLASS(Cls)                                                               \
 public:                                                                             \
  static const ::pxq::vcl::TMetaClass& StaticClass();                                \
  const ::pxq::vcl::TMetaClass& ClassType() const override { return StaticClass(); } \
  static void DefineClass(::pxq::vcl::TClassBuilder<Cls>& c);

// Defines StaticClass() of Cls with parent class Parent (in a source file).
#define PXQ_REGISTER_CLASS(Cls, Parent)                                                        \
  const ::pxq::vcl::TMetaClass& Cls::StaticClass() {                                           \
    static const ::pxq::vcl::TMetaClass meta(#Cls, &Parent::StaticClass(), &Cls::DefineClass); \
    return meta;                                                                               \
  }

class TObject {
 public:
  TObject() = default;
  TObject(const TObject&) = delete;
  TObject& operator=(const TObject&) = delete;
  virtual ~TObject() = default;

  // delete runs BeforeDestruction on the complete object, then the destructors. The matching
  // allocation function is declared too, so that new and delete of objects always pair.
  // (The plain delete only releases memory when a constructor throws.)
  static void* operator new(std::size_t size) { return ::operator new(size); }
  static void operator delete(void* memory) { ::operator delete(memory); }
  void operator delete(TObject* p, std::destroying_delete_t);

  static const TMetaClass& StaticClass();
  virtual const TMetaClass& ClassType() const { return StaticClass(); }
  const std::string& ClassName() const;
  // True when the object's class is `className` or derives from it (names without regard to
  // letter case).
  bool InheritsFrom(std::string_view className) const;

  // Called once the object is completely constructed (forms load their descriptions and raise
  // OnCreate here) and before destruction begins.
  virtual void AfterConstruction() {}
  virtual void BeforeDestruction() {}
};

// A set of enumeration values, stored as a bit mask (the ordinal value of a set property).
template <class E>
class TSet {
 public:
  constexpr TSet() = default;
  constexpr TSet(std::initializer_list<E> values) {
    for (E v : values) bits_ |= Bit(v);
  }
  static constexpr TSet FromBits(uint64_t bits) {
    TSet s;
    s.bits_ = bits;
    return s;
  }
  constexpr uint64_t Bits() const { return bits_; }
  constexpr bool Contains(E v) const { return (bits_ & Bit(v)) != 0; }
  constexpr bool Empty() const { return bits_ == 0; }
  constexpr TSet& operator+=(E v) {
    bits_ |= Bit(v);
    return *this;
  }
  constexpr TSet& operator-=(E v) {
    bits_ &= ~Bit(v);
    return *this;
  }
  constexpr TSet operator+(E v) const { return TSet(*this) += v; }
  constexpr TSet operator-(E v) const { return TSet(*this) -= v; }
  constexpr TSet operator+(TSet o) const { return FromBits(bits_ | o.bits_); }
  constexpr TSet operator*(TSet o) const { return FromBits(bits_ & o.bits_); }
  constexpr bool operator==(const TSet&) const = default;

 private:
  static constexpr uint64_t Bit(E v) { return uint64_t{1} << static_cast<unsigned>(v); }
  uint64_t bits_ = 0;
};

// Errors of the class library: a bad name, a list index out of bounds, a description that
// cannot be read, an operation not allowed in the current state.
class EVclError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};
class EComponentError : public EVclError {
 public:
  using EVclError::EVclError;
};
class EListError : public EVclError {
 public:
  using EVclError::EVclError;
};
class EReadError : public EVclError {
 public:
  using EVclError::EVclError;
};
class EInvalidOperation : public EVclError {
 public:
  using EVclError::EVclError;
};

}  // namespace pxq::vcl
