// CallWebService.so: posts a request to a web service over HTTP and writes the answer into a
// file. The C interface, the request body and the status codes are described in
// docs/runtime.md.
#include <curl/curl.h>
#include <libxml/parser.h>
#include <libxml/tree.h>

#include <fstream>
#include <string>
#include <string_view>

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

// Character data: markup characters escaped, and CR kept as a reference (a parser would
// otherwise fold CR LF into LF).
std::string EscapeText(std::string_view text) {
  std::string out;
  out.reserve(text.size() + 16);
  for (char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '\r':
        out += "&#13;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::string RequestBody(std::string_view operation, std::string_view request) {
  return "<?xml version=\"1.0\" encoding=\"utf-8\"?>"
         "<soap:Envelope xmlns:soap=\"http://schemas.xmlsoap.org/soap/envelope/\">"
         "<soap:Body><CallWebService xmlns=\"urn:CallWebService\">"
         "<operation>" +
         EscapeText(operation) + "</operation><request>" + EscapeText(request) +
         "</request></CallWebService></soap:Body></soap:Envelope>";
}

// A header value on one line: CR and LF become blanks, double quotes are dropped.
std::string HeaderValue(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c == '\r' || c == '\n') {
      out += ' ';
    } else if (c != '"') {
      out += c;
    }
  }
  return out;
}

bool IsNamed(const xmlNode* node, const char* localName) {
  return node && node->type == XML_ELEMENT_NODE &&
         xmlStrcmp(node->name, reinterpret_cast<const xmlChar*>(localName)) == 0;
}

xmlNode* FirstElement(xmlNode* parent) {
  for (xmlNode* child = parent ? parent->children : nullptr; child; child = child->next) {
    if (child->type == XML_ELEMENT_NODE) return child;
  }
  return nullptr;
}

// The answer inside a SOAP envelope: the result element (the first element of the operation's
// response element, or that element itself) as text, or as XML when it holds elements. Anything
// that is not an envelope is the answer as it stands.
std::string Unwrap(const std::string& body) {
  if (body.size() > 0x7fffffff) return body;
  xmlDocPtr doc = xmlReadMemory(body.data(), static_cast<int>(body.size()), nullptr, nullptr,
                                XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING);
  if (!doc) return body;
  std::string answer = body;
  xmlNode* envelope = xmlDocGetRootElement(doc);
  xmlNode* soapBody = nullptr;
  if (IsNamed(envelope, "Envelope")) {
    for (xmlNode* child = envelope->children; child; child = child->next) {
      if (IsNamed(child, "Body")) soapBody = child;
    }
  }
  if (xmlNode* response = FirstElement(soapBody)) {
    xmlNode* result = FirstElement(response) ? FirstElement(response) : response;
    answer.clear();
    if (FirstElement(result)) {
      xmlBufferPtr buffer = xmlBufferCreate();
      for (xmlNode* child = result->children; child && buffer; child = child->next) {
        xmlNodeDump(buffer, doc, child, 0, 0);
      }
      if (buffer) {
        answer.assign(reinterpret_cast<const char*>(xmlBufferContent(buffer)),
                      static_cast<size_t>(xmlBufferLength(buffer)));
        xmlBufferFree(buffer);
      }
    } else if (xmlChar* text = xmlNodeGetContent(result)) {
      answer = reinterpret_cast<const char*>(text);
      xmlFree(text);
    }
  }
  xmlFreeDoc(doc);
  return answer;
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

  std::string body = RequestBody(operation, request);
  std::string soapAction = "SOAPAction: \"" + HeaderValue(operation) + "\"";
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
  std::string text = Unwrap(answer);
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
