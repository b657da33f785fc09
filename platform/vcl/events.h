// Event handlers with an identity.
//
// An event property holds a TEvent: a callable plus an identity (Code, Data). Two handlers are
// equal when their identities are equal, so a handler that was replaced can be recorded and put
// back, and a handler can be compared with the one a form bound to a method:
//
//   btnOk->OnClick = Bind<&TfrmMain::btnOkClick>(this);   // Code: the method, Data: this
//   TMethod saved = GetMethodPropByName(btnOk, "OnClick");  // record ...
//   SetMethodPropByName(btnOk, "OnClick", saved);           // ... and restore
//
// A handler made from a lambda gets an identity of its own, shared by its copies.
#pragma once

#include <any>
#include <functional>
#include <memory>
#include <type_traits>
#include <utility>

namespace pxq::vcl {

// An event handler of any event type: the identity and the typed handler (a TEvent<...>).
struct TMethod {
  const void* Code = nullptr;
  const void* Data = nullptr;
  std::any Handler;

  bool Assigned() const { return Handler.has_value(); }
  // Handlers compare by identity.
  bool operator==(const TMethod& o) const { return Code == o.Code && Data == o.Data; }
};

template <class... A>
class TEvent {
 public:
  using Function = std::function<void(A...)>;

  TEvent() = default;
  TEvent(std::nullptr_t) {}
  // A handler with an identity of its own (its copies share it).
  template <class F>
  requires(std::is_invocable_v<F&, A...> && !std::is_same_v<std::decay_t<F>, TEvent> &&
           !std::is_same_v<std::decay_t<F>, std::nullptr_t>) TEvent(F f)
      : fn_(std::move(f)), token_(std::make_shared<char>()), code_(token_.get()) {}
  // A handler with a given identity.
  TEvent(Function fn, const void* code, const void* data)
      : fn_(std::move(fn)), code_(code), data_(data) {}

  explicit operator bool() const { return static_cast<bool>(fn_); }
  void operator()(A... args) const {
    if (fn_) fn_(std::forward<A>(args)...);
  }
  const void* Code() const { return code_; }
  const void* Data() const { return data_; }
  bool operator==(const TEvent& o) const { return code_ == o.code_ && data_ == o.data_; }

  TMethod Method() const {
    TMethod m;
    if (fn_) {
      m.Code = code_;
      m.Data = data_;
      m.Handler = *this;
    }
    return m;
  }
  // The handler held by `m`; false (and no change) when it belongs to another event type.
  bool Assign(const TMethod& m) {
    if (!m.Assigned()) {
      *this = TEvent();
      return true;
    }
    if (const auto* e = std::any_cast<TEvent>(&m.Handler)) {
      *this = *e;
      return true;
    }
    return false;
  }

 private:
  Function fn_;
  std::shared_ptr<char> token_;
  const void* code_ = nullptr;
  const void* data_ = nullptr;
};

namespace detail {
template <auto M>
inline const char kMethodTag = 0;

template <class T>
struct MethodTraits;
template <class C, class... A>
struct MethodTraits<void (C::*)(A...)> {
  using Class = C;
  using Event = TEvent<A...>;
  template <auto M>
  static Event Make(C* self) {
    return Event([self](A... a) { (self->*M)(std::forward<A>(a)...); }, &kMethodTag<M>, self);
  }
};
}  // namespace detail

// A handler calling method M of `self`; its identity is (M, self).
template <auto M>
auto Bind(typename detail::MethodTraits<decltype(M)>::Class* self) {
  return detail::MethodTraits<decltype(M)>::template Make<M>(self);
}

}  // namespace pxq::vcl
