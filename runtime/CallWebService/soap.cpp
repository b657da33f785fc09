#include "runtime/CallWebService/soap.h"

#include <libxml/parser.h>
#include <libxml/tree.h>

namespace pxq::webservice {
namespace {

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

}  // namespace

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

// The answer inside a SOAP envelope: the result element (the first element of the operation's
// response element, or that element itself) as text, or as XML when it holds elements. Anything
// that is not an envelope is the answer as it stands.
std::string AnswerFromBody(const std::string& body) {
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

}  // namespace pxq::webservice
