#include "lib/boundary/class_registry.h"

#include <stdexcept>

namespace pxq::boundary {

// Constant-initialised, so registrations made by other units' initialisers always stick.
ControllerClass DLLControllerClass = nullptr;
DialogClass frmBaseGeneClass = nullptr;

std::string NotAssignMessage(std::string_view variableName) {
  return "NTQ DLL Internal Error :\rNot Assign \"" + std::string(variableName) + "\" varible";
}

TDLLBaseController* NewController() {
  if (!DLLControllerClass) throw std::runtime_error(NotAssignMessage("DLLControllerClass"));
  return DLLControllerClass();
}

ConditionDialog* NewDialog() {
  if (!frmBaseGeneClass) throw std::runtime_error(NotAssignMessage("frmBaseGeneClass"));
  return frmBaseGeneClass();
}

}  // namespace pxq::boundary
