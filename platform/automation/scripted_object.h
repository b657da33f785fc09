// ScriptedObject: a small automation object whose methods and properties are given by a test
// (or by a demo host): handlers per name, fixed answers, raised errors, and a record of every
// call with its arguments as they were passed.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/automation/automation.h"

namespace pxq {

class ScriptedObject : public AutoObject {
 public:
  using Handler = std::function<Variant(Args&)>;
  struct CallRecord {
    std::string name;
    Args args;
  };

  explicit ScriptedObject(std::string className = "ScriptedObject")
      : className_(std::move(className)) {}
  static std::shared_ptr<ScriptedObject> Create(std::string className = "ScriptedObject") {
    return std::make_shared<ScriptedObject>(std::move(className));
  }

  // A handler for a method; it may change its arguments.
  ScriptedObject& On(const std::string& name, Handler handler);
  // A method that answers a fixed value.
  ScriptedObject& Returns(const std::string& name, Variant value);
  // A method that raises AutomationError with the text.
  ScriptedObject& Throws(const std::string& name, std::string message);

  Variant Invoke(std::string_view name, Args& args) override;
  Variant GetProperty(std::string_view name) override;
  void SetProperty(std::string_view name, const Variant& value) override;
  std::string ClassName() const override { return className_; }

  // Property values (also readable through GetProperty).
  Variant& Prop(const std::string& name) { return props_[Key(name)]; }
  bool HasProp(const std::string& name) const { return props_.count(Key(name)) != 0; }

  const std::vector<CallRecord>& Calls() const { return calls_; }
  int CallCount(std::string_view name) const;
  // The arguments of the last call of `name`; empty when there was none.
  Args LastArgs(std::string_view name) const;
  void ClearCalls() { calls_.clear(); }

 private:
  static std::string Key(std::string_view name);
  std::string className_;
  std::map<std::string, Handler> handlers_;
  std::map<std::string, Variant> props_;
  std::vector<CallRecord> calls_;
};

}  // namespace pxq
