#include "platform/vcl/component.h"

#include <algorithm>

#include "platform/os/text.h"
#include "platform/vcl/application.h"

namespace pxq::vcl {

const TEnumInfo& EnumInfoOf(TComponentStateFlag*) {
  static const TEnumInfo info{
      "TComponentStateFlag",
      {"csLoading", "csReading", "csWriting", "csDestroying", "csDesigning", "csAncestor",
       "csUpdating", "csFixups", "csFreeNotification", "csInline", "csDesignInstance"}};
  return info;
}

bool IsValidIdent(std::string_view name) {
  if (name.empty()) return false;
  auto alpha = [](char ch) {
    return (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z') || ch == '_';
  };
  if (!alpha(name[0])) return false;
  return std::all_of(name.begin(), name.end(),
                     [&](char ch) { return alpha(ch) || (ch >= '0' && ch <= '9'); });
}

PXQ_REGISTER_CLASS(TComponent, TPersistent)
void TComponent::DefineClass(TClassBuilder<TComponent>& c) {
  c.Str("Name", &TComponent::Name, &TComponent::SetName);
  c.Int("Tag", &TComponent::Tag, &TComponent::SetTag);
}

TComponent::TComponent(TComponent* owner) {
  if (owner) owner->InsertComponent(this);
}

TComponent::~TComponent() {
  // A component not freed through delete (one made on the stack) still cleans up.
  if (!cleanedUp_) TComponent::BeforeDestruction();
}

void TComponent::BeforeDestruction() {
  if (cleanedUp_) return;
  cleanedUp_ = true;
  Destroying();
  // Those that asked to be told clear their references first.
  while (!freeNotifies_.empty()) {
    TComponent* c = freeNotifies_.back();
    freeNotifies_.pop_back();
    std::erase(c->freeNotifies_, this);
    c->Notification(this, opRemove);
  }
  DestroyComponents();
  if (owner_) owner_->RemoveComponent(this);
}

void TComponent::Destroying() {
  if (state_.Contains(csDestroying)) return;
  state_ += csDestroying;
  NotifyComponentDestroying(*this);
  for (TComponent* c : components_) c->Destroying();
}

void TComponent::ValidateName(const std::string& name) const {
  if (name.empty()) return;
  if (!IsValidIdent(name)) throw EComponentError("'" + name + "' is not a valid component name");
  if (owner_) {
    TComponent* other = owner_->FindComponent(name);
    if (other && other != this) {
      throw EComponentError("A component named " + name + " already exists");
    }
  }
}

void TComponent::SetName(const std::string& name) {
  if (name == name_) return;
  ValidateName(name);
  name_ = name;
  NotifyPropertyChanged(*this, "Name");
}

std::string TComponent::NamePath() const {
  return owner_ && !owner_->name_.empty() ? owner_->name_ + "." + name_ : name_;
}

TComponent* TComponent::Components(int i) const {
  if (i < 0 || i >= ComponentCount()) {
    throw EListError("List index out of bounds (" + std::to_string(i) + ")");
  }
  return components_[static_cast<size_t>(i)];
}

int TComponent::ComponentIndex() const {
  if (!owner_) return -1;
  auto it = std::find(owner_->components_.begin(), owner_->components_.end(), this);
  return static_cast<int>(it - owner_->components_.begin());
}

TComponent* TComponent::FindComponent(std::string_view name) const {
  if (name.empty()) return nullptr;
  for (TComponent* c : components_) {
    if (os::EqualsIgnoreCase(c->name_, name)) return c;
  }
  return nullptr;
}

void TComponent::InsertChild(TComponent* c) {
  components_.push_back(c);
  c->owner_ = this;
}

void TComponent::RemoveChild(TComponent* c) {
  std::erase(components_, c);
  c->owner_ = nullptr;
}

void TComponent::InsertComponent(TComponent* c) {
  if (!c || c->owner_ == this) return;
  if (c->owner_) c->owner_->RemoveComponent(c);
  c->ValidateName(c->name_);  // throws before anything changes
  InsertChild(c);
  Notification(c, opInsert);
}

void TComponent::RemoveComponent(TComponent* c) {
  if (!c || c->owner_ != this) return;
  Notification(c, opRemove);
  RemoveChild(c);
}

void TComponent::DestroyComponents() {
  while (!components_.empty()) {
    TComponent* c = components_.back();
    RemoveChild(c);
    // Siblings still clear their references to it.
    Notification(c, opRemove);
    delete c;
  }
}

void TComponent::SetComponentState(TComponentStateFlag flag, bool on) {
  if (on) {
    state_ += flag;
  } else {
    state_ -= flag;
  }
}

void TComponent::SetDesigning(bool on, bool ownedToo) {
  SetComponentState(csDesigning, on);
  if (ownedToo) {
    for (TComponent* c : components_) c->SetDesigning(on, true);
  }
}

void TComponent::FreeNotification(TComponent* c) {
  if (!c || c == this) return;
  if (std::find(freeNotifies_.begin(), freeNotifies_.end(), c) == freeNotifies_.end()) {
    freeNotifies_.push_back(c);
    c->freeNotifies_.push_back(this);
  }
}

void TComponent::RemoveFreeNotification(TComponent* c) {
  if (!c) return;
  std::erase(freeNotifies_, c);
  std::erase(c->freeNotifies_, this);
}

void TComponent::Notification(TComponent* c, TOperation op) {
  if (op == opRemove && c) RemoveFreeNotification(c);
  // Every owned component hears of it too (a form's components clear references to a sibling).
  std::vector<TComponent*> owned = components_;
  for (TComponent* child : owned) {
    if (child != c) child->Notification(c, op);
  }
}

void TComponent::Loaded() { state_ -= csLoading; }

}  // namespace pxq::vcl
