#include "platform/automation/scripted_object.h"

namespace pxq {

std::string ScriptedObject::Key(std::string_view name) {
  std::string key(name);
  for (char& c : key)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
  return key;
}

ScriptedObject& ScriptedObject::On(const std::string& name, Handler handler) {
  handlers_[Key(name)] = std::move(handler);
  return *this;
}

ScriptedObject& ScriptedObject::Returns(const std::string& name, Variant value) {
  return On(name, [value](Args&) { return value; });
}

ScriptedObject& ScriptedObject::Throws(const std::string& name, std::string message) {
  return On(name, [message](Args&) -> Variant { throw AutomationError(message); });
}

Variant ScriptedObject::Invoke(std::string_view name, Args& args) {
  calls_.push_back({std::string(name), args});
  auto it = handlers_.find(Key(name));
  if (it != handlers_.end()) return it->second(args);
  auto prop = props_.find(Key(name));
  if (prop != props_.end() && args.empty()) return prop->second;
  throw AutomationError("Method '" + std::string(name) + "' not supported by automation object " +
                        className_);
}

Variant ScriptedObject::GetProperty(std::string_view name) {
  auto prop = props_.find(Key(name));
  if (prop != props_.end()) return prop->second;
  Args none;
  return Invoke(name, none);
}

void ScriptedObject::SetProperty(std::string_view name, const Variant& value) {
  calls_.push_back({"set:" + std::string(name), Args{value}});
  props_[Key(name)] = value;
}

int ScriptedObject::CallCount(std::string_view name) const {
  int n = 0;
  for (const auto& c : calls_)
    if (SameName(c.name, name)) ++n;
  return n;
}

Args ScriptedObject::LastArgs(std::string_view name) const {
  for (auto it = calls_.rbegin(); it != calls_.rend(); ++it)
    if (SameName(it->name, name)) return it->args;
  return {};
}

}  // namespace pxq
