// Fuzzes the reading of answers out of response bodies and the building of request bodies.
#include <cstdint>
#include <string>

#include "runtime/CallWebService/soap.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string body(reinterpret_cast<const char*>(data), size);
  pxq::webservice::AnswerFromBody(body);
  pxq::webservice::RequestBody(body, body);
  pxq::webservice::HeaderValue(body);
  return 0;
}
