// The library's only export: the host obtains its controllers here.
#include "lib/boundary/class_registry.h"

extern "C" __attribute__((visibility("default"))) pxq::boundary::TDLLBaseController*
GetController() {
  return pxq::boundary::NewController();
}
