// CallWebService.so: posts a request to a web service over HTTP and writes the answer into a
// file. The C interface, the request body and the status codes are described in
// docs/runtime.md.
#include <curl/curl.h>

#include <fstream>
#include <string>
#include <string_view>

#include "runtime/CallWebService/soap.h"

namespace {

enum Status { kOk = 0, kBadArgument = 1, kUnreachable = 2, kHttpError = 3, kCannotWrite = 4 };

// libcurl is initialised once and cleaned up when the library is unloaded.
struct CurlGlobal {
  CurlGlobal() { ok = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK; }
  ~CurlGlobal() {
    if (ok) curl_global_cleanup();
  }
  bool ok = false;
};

bool InitCurl() {
  static CurlGlobal global;
  return global.ok;
}

size_t Collect(char* data, size_t size, size_t count, void* target) {
  static_cast<std::string*>(target)->append(data, size * count);
  return size * count;
}

int Call(const char* address, const char* operation, const char* request, const char* file) {
  if (!address || !*address || !operation || !request || !file || !*file) return kBadArgument;
  if (!InitCurl()) return kUnreachable;
  CURL* curl = curl_easy_init();
  if (!curl) return kUnreachable;

  std::string body = pxq::webservice::RequestBody(operation, request);
  std::string soapAction = "SOAPAction: \"" + pxq::webservice::HeaderValue(operation) + "\"";
  curl_slist* headers = nullptr;
  headers = curl_slist_append(headers, "Content-Type: text/xml; charset=utf-8");
  headers = curl_slist_append(headers, soapAction.c_str());
  headers = curl_slist_append(headers, "Expect:");
  std::string answer;
  curl_easy_setopt(curl, CURLOPT_URL, address);
  curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, 15L);
  curl_easy_setopt(curl, CURLOPT_TIMEOUT, 120L);
  curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers);
  curl_easy_setopt(curl, CURLOPT_POSTFIELDS, body.c_str());
  curl_easy_setopt(curl, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(body.size()));
  curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, Collect);
  curl_easy_setopt(curl, CURLOPT_WRITEDATA, &answer);
  CURLcode rc = curl_easy_perform(curl);
  long httpStatus = 0;
  curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &httpStatus);
  curl_slist_free_all(headers);
  curl_easy_cleanup(curl);
  if (rc != CURLE_OK) return kUnreachable;

  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  std::string text = pxq::webservice::AnswerFromBody(answer);
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
  out.close();
  if (!out) return kCannotWrite;
  return httpStatus >= 200 && httpStatus < 300 ? kOk : kHttpError;
}

}  // namespace

extern "C" __attribute__((visibility("default"))) int CallWebServiceFx(const char* address,
                                                                       const char* operation,
                                                                       const char* request,
                                                                       const char* answerFile) {
  try {
    return Call(address, operation, request, answerFile);
  } catch (...) {
    return kUnreachable;
  }
}
