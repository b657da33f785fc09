#include "platform/automation/classes.h"

#include <map>
#include <memory>
#include <mutex>

#include "platform/os/dynlib.h"
#include "platform/os/registry.h"
#include "platform/os/text.h"

namespace pxq {
namespace {

struct ClassTable {
  std::mutex mutex;
  std::map<std::string, std::function<AutoRef()>> local;                 // upper-cased names
  std::map<std::string, std::unique_ptr<os::DynamicLibrary>> libraries;  // by library path
};

ClassTable& Table() {
  static ClassTable* table = new ClassTable;  // never destroyed: served objects may outlive it
  return *table;
}

}  // namespace

void RegisterAutoClass(const std::string& className, std::function<AutoRef()> factory) {
  ClassTable& t = Table();
  std::lock_guard lock(t.mutex);
  if (factory) {
    t.local[os::UpperAscii(className)] = std::move(factory);
  } else {
    t.local.erase(os::UpperAscii(className));
  }
}

AutoRef CreateOleObject(std::string_view className) {
  ClassTable& t = Table();
  std::function<AutoRef()> local;
  {
    std::lock_guard lock(t.mutex);
    auto it = t.local.find(os::UpperAscii(className));
    if (it != t.local.end()) local = it->second;
  }
  if (local) {
    AutoRef object = local();
    if (!object)
      throw AutomationError("Class \"" + std::string(className) + "\" created no object");
    return object;
  }
  std::string name(className);
  if (name.empty() || name.find_first_of("\\/") != std::string::npos)
    throw AutomationError("Invalid class string \"" + name + "\"");
  auto key = os::RegistryKey::OpenReadOnly(os::RegistryHive::ClassesRoot, name);
  std::string library = key ? key->ReadStringOrEmpty("Library") : std::string();
  if (library.empty())
    throw AutomationError("Class \"" + name + "\" is not registered (Invalid class string)");

  AutoFactoryFunction factory = nullptr;
  {
    std::lock_guard lock(t.mutex);
    auto& slot = t.libraries[library];
    if (!slot) {
      std::string error;
      slot = os::DynamicLibrary::Load(library, &error);
      if (!slot) {
        t.libraries.erase(library);
        throw AutomationError("Class \"" + name + "\": cannot load library " + library + ": " +
                              error);
      }
      slot->Leak();
    }
    factory = reinterpret_cast<AutoFactoryFunction>(slot->Symbol(kAutoFactorySymbol));
  }
  if (!factory)
    throw AutomationError("Class \"" + name + "\": library " + library + " exports no " +
                          kAutoFactorySymbol);
  // The factory is asked with the class name as registered, whatever case the caller used.
  std::string registered = key->Folder().filename().string();
  AutoObject* raw = factory(registered.c_str());
  if (!raw) throw AutomationError("Class \"" + name + "\" is not served by library " + library);
  return AutoRef(raw);
}

}  // namespace pxq
