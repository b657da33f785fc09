// Automation: objects called late-bound by name with Variant arguments, as the host, its
// service objects, the application server and the outside automation classes are called.
// Names are matched without regard to letter case. Arguments are passed by reference: a callee
// may change them (the "var" parameters of the called interfaces). Errors are raised as
// AutomationError carrying the callee's text.
#pragma once

#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "platform/variant/variant.h"

namespace pxq {

using Args = std::vector<Variant>;

class AutomationError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class AutoObject : public std::enable_shared_from_this<AutoObject> {
 public:
  virtual ~AutoObject() = default;

  // Calls a method. Unknown names raise AutomationError.
  virtual Variant Invoke(std::string_view name, Args& args) = 0;
  // Reads a property; the default treats it as a method call without arguments.
  virtual Variant GetProperty(std::string_view name);
  // Writes a property; the default raises AutomationError.
  virtual void SetProperty(std::string_view name, const Variant& value);
  // A name for messages and dumps.
  virtual std::string ClassName() const { return "AutoObject"; }
};

// Calls `name` on the object held by `target`; AutomationError when it holds no object.
Variant Invoke(const Variant& target, std::string_view name, Args& args);
// The same with arguments passed by value (changes made by the callee are dropped).
Variant Call(const Variant& target, std::string_view name, Args args = {});
Variant GetProp(const Variant& target, std::string_view name);
void SetProp(const Variant& target, std::string_view name, const Variant& value);

// Case-insensitive name comparison for automation member names.
bool SameName(std::string_view a, std::string_view b);

}  // namespace pxq
