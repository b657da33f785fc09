// Automation classes created by name ("ReportCounterS.dmReportCounter", "QueueManagerC.Class1",
// "VantorWorkCenter.Manager"), as the desktop platform creates registered classes.
//
// A class is found first among the classes registered in this process (RegisterAutoClass),
// then in the registry store under HKEY_CLASSES_ROOT\<class name>, whose value "Library" names
// the shared library that serves it ("ReportCounterS.dll" is the file ReportCounterS.so,
// searched like every library loaded by name). The library exports one factory function:
//
//   extern "C" pxq::AutoObject* PxqCreateAutoObject(const char* className);
//
// which answers a new object (owned by the caller) or nullptr for a class it does not serve.
// The library stays loaded for the rest of the process, since its objects may outlive any
// one caller.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "platform/automation/automation.h"

namespace pxq {

inline constexpr const char* kAutoFactorySymbol = "PxqCreateAutoObject";
using AutoFactoryFunction = AutoObject* (*)(const char* className);

// Creates an object of the named class; AutomationError with a clear text when the class is
// not registered, its library cannot be loaded or has no factory, or the factory refuses.
AutoRef CreateOleObject(std::string_view className);

// Registers (or, with an empty factory, removes) a class served inside this process.
void RegisterAutoClass(const std::string& className, std::function<AutoRef()> factory);

}  // namespace pxq
