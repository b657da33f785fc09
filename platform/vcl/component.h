// Components: named objects with an owner that frees them.
//
// `new TEdit(owner)` makes the owner responsible: deleting the owner deletes what it owns (last
// created first); deleting a component removes it from its owner. Components that asked to be
// told (FreeNotification) and all components of the same owner get Notification(c, opRemove)
// before c goes away, so that they clear their references to it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/vcl/classes.h"
#include "platform/vcl/properties.h"

namespace pxq::vcl {

enum TComponentStateFlag : uint8_t {
  csLoading,
  csReading,
  csWriting,
  csDestroying,
  csDesigning,
  csAncestor,
  csUpdating,
  csFixups,
  csFreeNotification,
  csInline,
  csDesignInstance,
};
using TComponentState = TSet<TComponentStateFlag>;
const TEnumInfo& EnumInfoOf(TComponentStateFlag*);

enum TOperation : uint8_t { opInsert, opRemove };

class TComponent : public TPersistent {
  PXQ_CLASS(TComponent)
 public:
  explicit TComponent(TComponent* owner);
  ~TComponent() override;
  void BeforeDestruction() override;

  const std::string& Name() const { return name_; }
  // EComponentError when the name is not an identifier or another component of the same
  // owner already has it (compared without regard to case). An empty name is allowed.
  virtual void SetName(const std::string& name);
  // "Owner.Name" path of names for messages and logs.
  std::string NamePath() const;

  TComponent* Owner() const { return owner_; }
  int ComponentCount() const { return static_cast<int>(components_.size()); }
  TComponent* Components(int i) const;
  int ComponentIndex() const;
  // The owned component with that name (without regard to case), or nullptr.
  TComponent* FindComponent(std::string_view name) const;
  void InsertComponent(TComponent* c);
  void RemoveComponent(TComponent* c);
  // Frees every owned component.
  void DestroyComponents();

  TComponentState ComponentState() const { return state_; }
  // State changes made by readers and designers.
  void SetComponentState(TComponentStateFlag flag, bool on);
  void SetDesigning(bool on, bool ownedToo = true);

  // `c` is told (Notification opRemove) when this component is freed.
  void FreeNotification(TComponent* c);
  void RemoveFreeNotification(TComponent* c);

  int Tag() const { return tag_; }
  void SetTag(int tag) { tag_ = tag; }

  // The component under which a form description nests this one (a control's parent,
  // a menu item's parent item); descriptions call SetParentComponent.
  virtual TComponent* GetParentComponent() const { return nullptr; }
  virtual void SetParentComponent(TComponent* /*parent*/) {}

  // Called after the component and its siblings were read from a description.
  virtual void Loaded();

 protected:
  virtual void Notification(TComponent* c, TOperation op);
  // Marks this and every owned component as being destroyed (observers hear of each).
  void Destroying();

 private:
  void InsertChild(TComponent* c);
  void RemoveChild(TComponent* c);
  void ValidateName(const std::string& name) const;

  std::string name_;
  TComponent* owner_ = nullptr;
  std::vector<TComponent*> components_;
  std::vector<TComponent*> freeNotifies_;
  TComponentState state_;
  int tag_ = 0;
  bool cleanedUp_ = false;
};

bool IsValidIdent(std::string_view name);

// A typed view of the owned components: `FindComponent<TEdit>(form, "edName")`.
template <class T>
T* FindComponent(const TComponent* owner, std::string_view name) {
  return owner ? dynamic_cast<T*>(owner->FindComponent(name)) : nullptr;
}

// --- Registration of object properties (needs TStrings and TComponent) ---------------------

template <class C>
template <class G>
void TClassBuilder<C>::Strings(std::string_view name, G get) {
  TPropInfo& p = Add(name, TTypeKind::StringList, "TStrings");
  p.ObjectClass = &TStrings::StaticClass;
  p.GetObject = [get](const TObject& o) -> TObject* {
    return const_cast<TStrings*>(static_cast<const TStrings*>(std::invoke(get, Self(o))));
  };
  p.SetObject = [get](TObject& o, TObject* v) {
    auto* source = dynamic_cast<TStrings*>(v);
    auto* target = const_cast<TStrings*>(static_cast<const TStrings*>(std::invoke(get, Self(o))));
    if (!source || !target) return false;
    target->Assign(*source);
    return true;
  };
}

template <class C>
template <class T, class G>
void TClassBuilder<C>::Object(std::string_view name, G get) {
  TPropInfo& p = Add(name, TTypeKind::Class, std::string());
  p.ObjectClass = &T::StaticClass;
  p.GetObject = [get](const TObject& o) -> TObject* {
    return const_cast<T*>(static_cast<const T*>(std::invoke(get, Self(o))));
  };
  p.SetObject = [get](TObject& o, TObject* v) {
    auto* source = dynamic_cast<T*>(v);
    auto* target = const_cast<T*>(static_cast<const T*>(std::invoke(get, Self(o))));
    if (!source || !target) return false;
    target->Assign(*source);
    return true;
  };
}

template <class C>
template <class T, class G, class S>
void TClassBuilder<C>::Reference(std::string_view name, G get, S set) {
  TPropInfo& p = Add(name, TTypeKind::Class, std::string());
  p.ObjectClass = &T::StaticClass;
  p.GetObject = [get](const TObject& o) -> TObject* {
    return const_cast<T*>(static_cast<const T*>(std::invoke(get, Self(o))));
  };
  if constexpr (!std::is_null_pointer_v<S>) {
    p.SetObject = [set](TObject& o, TObject* v) {
      auto* value = dynamic_cast<T*>(v);
      if (v && !value) return false;
      std::invoke(set, Self(o), value);
      return true;
    };
  }
}

}  // namespace pxq::vcl
