#include "platform/automation/automation.h"

namespace pxq {

Variant AutoObject::GetProperty(std::string_view name) {
  Args none;
  return Invoke(name, none);
}

void AutoObject::SetProperty(std::string_view name, const Variant&) {
  throw AutomationError("Property '" + std::string(name) + "' cannot be set on " + ClassName());
}

namespace {
AutoObject& Target(const Variant& target, std::string_view name) {
  if (!target.IsObject() || !target.Object()) {
    throw AutomationError("Cannot call '" + std::string(name) + "': the variant (" +
                          KindName(target.Kind()) + ") holds no automation object");
  }
  return *target.Object();
}
}  // namespace

Variant Invoke(const Variant& target, std::string_view name, Args& args) {
  return Target(target, name).Invoke(name, args);
}

Variant Call(const Variant& target, std::string_view name, Args args) {
  return Target(target, name).Invoke(name, args);
}

Variant GetProp(const Variant& target, std::string_view name) {
  return Target(target, name).GetProperty(name);
}

void SetProp(const Variant& target, std::string_view name, const Variant& value) {
  Target(target, name).SetProperty(name, value);
}

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'A' && x <= 'Z') x = static_cast<char>(x + 32);
    if (y >= 'A' && y <= 'Z') y = static_cast<char>(y + 32);
    if (x != y) return false;
  }
  return true;
}

}  // namespace pxq
