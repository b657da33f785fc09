// Registers the control classes of this library with the class registry, so that form
// descriptions can create them by name (once; later calls do nothing).
#pragma once

namespace pxq::vcl {

void RegisterControlClasses();

}  // namespace pxq::vcl
