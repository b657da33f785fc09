// The two class references of a report library, filled while the library is loaded: the
// controller class that GetController instantiates (set by the controller unit) and the
// condition-dialog class that the controller creates (set by the library's start-up code).
// A class is represented by its factory function; an empty reference is nullptr.
#pragma once

#include <string>
#include <string_view>

#include "lib/boundary/base_controller.h"
#include "lib/boundary/condition_dialog.h"

namespace pxq::boundary {

// A new controller, owned by the caller.
using ControllerClass = TDLLBaseController* (*)();
// A new dialog without owner; it is freed through ConditionDialog::Free.
using DialogClass = ConditionDialog* (*)();

extern ControllerClass DLLControllerClass;
extern DialogClass frmBaseGeneClass;

// The text of the error raised for an empty class reference named `variableName`.
std::string NotAssignMessage(std::string_view variableName);

// An instance of DLLControllerClass; std::runtime_error with NotAssignMessage when it is empty.
TDLLBaseController* NewController();
// An instance of frmBaseGeneClass; std::runtime_error with NotAssignMessage when it is empty.
ConditionDialog* NewDialog();

}  // namespace pxq::boundary
