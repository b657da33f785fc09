#include "lib/xml/xml.h"

#include <libxml/SAX2.h>
#include <libxml/entities.h>
#include <libxml/parser.h>
#include <libxml/parserInternals.h>
#include <libxml/tree.h>
#include <libxml/xmlsave.h>
#include <libxml/xpath.h>

#include <climits>
#include <fstream>
#include <iterator>
#include <mutex>

#include "platform/os/codepage.h"
#include "platform/os/text.h"

namespace pxq::xml {
namespace {

// Once per process: libxml2 initialised, and the declared encodings "GB2312" and "Big5" read as
// the code pages the desktop platform uses for them (GBK and Big5 with its vendor additions).
void InitLibrary() {
  static std::once_flag once;
  std::call_once(once, [] {
    xmlInitParser();
    xmlAddEncodingAlias("CP936", "GB2312");
    xmlAddEncodingAlias("CP950", "BIG5");
  });
}

const xmlChar* X(const std::string& utf8) { return reinterpret_cast<const xmlChar*>(utf8.c_str()); }

std::string FromXml(const xmlChar* text) {
  return text ? os::Ansi(reinterpret_cast<const char*>(text)) : std::string();
}

std::string TakeXml(xmlChar* text) {
  std::string out = FromXml(text);
  xmlFree(text);
  return out;
}

std::string ToUtf8(std::string_view ansi) { return os::AnsiToUtf8(ansi); }

// Entity declarations while parsing: only internal entities are declared, so an external
// entity can never be loaded (a reference to one is a reference to an undeclared entity).
void DeclareInternalEntity(void* ctx, const xmlChar* name, int type, const xmlChar* publicId,
                           const xmlChar* systemId, xmlChar* content) {
  if (type != XML_INTERNAL_GENERAL_ENTITY && type != XML_INTERNAL_PARAMETER_ENTITY) return;
  xmlSAX2EntityDecl(ctx, name, type, publicId, systemId, content);
}

void IgnoreError(void*, xmlErrorPtr) {}

bool IsDocument(const xmlNode* node) {
  return node && (node->type == XML_DOCUMENT_NODE || node->type == XML_HTML_DOCUMENT_NODE);
}

xmlDocPtr DocOf(xmlNode* node) {
  if (!node) return nullptr;
  return IsDocument(node) ? reinterpret_cast<xmlDocPtr>(node) : node->doc;
}

bool IsName(const std::string& utf8) { return !utf8.empty() && xmlValidateName(X(utf8), 0) == 0; }

// Runs an XPath expression from a node; the nodes it selects, namespace nodes left out (they
// are copies owned by the result).
std::vector<Node> Select(xmlNode* from, std::string_view xpath, bool firstOnly) {
  std::vector<Node> nodes;
  xmlDocPtr doc = DocOf(from);
  if (!doc) return nodes;
  InitLibrary();
  xmlXPathContextPtr context = xmlXPathNewContext(doc);
  if (!context) return nodes;
  context->node = from;
  context->error = IgnoreError;
  std::string expression = ToUtf8(xpath);
  xmlXPathObjectPtr result = xmlXPathEvalExpression(X(expression), context);
  if (result && result->type == XPATH_NODESET && result->nodesetval) {
    xmlNodeSetPtr set = result->nodesetval;
    for (int i = 0; i < set->nodeNr; ++i) {
      xmlNodePtr node = set->nodeTab[i];
      if (!node || node->type == XML_NAMESPACE_DECL) continue;
      nodes.emplace_back(node);
      if (firstOnly) break;
    }
  }
  xmlXPathFreeObject(result);
  xmlXPathFreeContext(context);
  return nodes;
}

}  // namespace

// ---- Node ----

NodeType Node::Type() const {
  if (!node_) return NodeType::kNone;
  switch (node_->type) {
    case XML_ELEMENT_NODE:
      return NodeType::kElement;
    case XML_ATTRIBUTE_NODE:
      return NodeType::kAttribute;
    case XML_TEXT_NODE:
      return NodeType::kText;
    case XML_CDATA_SECTION_NODE:
      return NodeType::kCData;
    case XML_COMMENT_NODE:
      return NodeType::kComment;
    case XML_DOCUMENT_NODE:
    case XML_HTML_DOCUMENT_NODE:
      return NodeType::kDocument;
    default:
      return NodeType::kOther;
  }
}

std::string Node::Name() const {
  switch (Type()) {
    case NodeType::kNone:
      return {};
    case NodeType::kElement:
    case NodeType::kAttribute: {
      std::string name = FromXml(node_->name);
      if (node_->ns && node_->ns->prefix) name = FromXml(node_->ns->prefix) + ":" + name;
      return name;
    }
    case NodeType::kText:
      return "#text";
    case NodeType::kCData:
      return "#cdata-section";
    case NodeType::kComment:
      return "#comment";
    case NodeType::kDocument:
      return "#document";
    case NodeType::kOther:
      break;
  }
  return FromXml(node_->name);
}

std::string Node::Text() const { return node_ ? TakeXml(xmlNodeGetContent(node_)) : std::string(); }

std::string Node::Xml() const {
  if (!node_) return {};
  InitLibrary();
  xmlBufferPtr buffer = xmlBufferCreate();
  if (!buffer) return {};
  // Written in the ANSI code page by libxml2 itself, which turns characters the code page lacks
  // into character references; UTF-8 converted afterwards when the code page has no encoder.
  std::string encoding = os::IconvName(os::AnsiCodePage());
  bool direct = false;
  if (xmlCharEncodingHandlerPtr handler =
          encoding.empty() ? nullptr : xmlFindCharEncodingHandler(encoding.c_str())) {
    direct = true;
    xmlCharEncCloseFunc(handler);
  }
  xmlSaveCtxtPtr save = xmlSaveToBuffer(buffer, direct ? encoding.c_str() : "UTF-8",
                                        XML_SAVE_NO_DECL | XML_SAVE_AS_XML);
  std::string out;
  if (save) {
    // Attribute values are escaped by the document's encoding, so it names the output's while
    // the node is written.
    xmlDocPtr doc = DocOf(node_);
    const xmlChar* oldEncoding = doc ? doc->encoding : nullptr;
    if (doc && direct) doc->encoding = xmlStrdup(X(encoding));
    if (IsDocument(node_)) {
      xmlSaveDoc(save, doc);
    } else {
      xmlSaveTree(save, node_);
    }
    xmlSaveClose(save);
    if (doc && direct) {
      xmlFree(const_cast<xmlChar*>(doc->encoding));
      doc->encoding = oldEncoding;
    }
    const char* bytes = reinterpret_cast<const char*>(xmlBufferContent(buffer));
    out.assign(bytes ? bytes : "", static_cast<size_t>(xmlBufferLength(buffer)));
    if (!direct) out = os::Ansi(out);
  }
  xmlBufferFree(buffer);
  return out;
}

Node Node::Parent() const { return node_ ? Node(node_->parent) : Node(); }

std::vector<Node> Node::ChildElements() const {
  std::vector<Node> out;
  if (!node_ || node_->type == XML_ATTRIBUTE_NODE) return out;
  for (xmlNodePtr child = node_->children; child; child = child->next) {
    if (child->type == XML_ELEMENT_NODE) out.emplace_back(child);
  }
  return out;
}

std::vector<Node> Node::Attributes() const {
  std::vector<Node> out;
  if (Type() != NodeType::kElement) return out;
  for (xmlAttrPtr attr = node_->properties; attr; attr = attr->next) {
    out.emplace_back(reinterpret_cast<xmlNodePtr>(attr));
  }
  return out;
}

std::optional<std::string> Node::Attribute(std::string_view name) const {
  if (Type() != NodeType::kElement) return std::nullopt;
  std::string key = ToUtf8(name);
  xmlChar* value = xmlGetProp(node_, X(key));
  if (!value) return std::nullopt;
  return TakeXml(value);
}

void Node::SetAttribute(std::string_view name, std::string_view value) {
  if (Type() != NodeType::kElement) return;
  std::string key = ToUtf8(name);
  if (!IsName(key)) return;
  xmlSetProp(node_, X(key), X(ToUtf8(value)));
}

Node Node::AppendElement(std::string_view name) {
  if (!node_) return {};
  bool document = IsDocument(node_);
  if (!document && node_->type != XML_ELEMENT_NODE) return {};
  xmlDocPtr doc = DocOf(node_);
  if (document && xmlDocGetRootElement(doc)) return {};  // one document element only
  std::string key = ToUtf8(name);
  if (!IsName(key)) return {};
  xmlNodePtr element = xmlNewDocNode(doc, nullptr, X(key), nullptr);
  if (!element) return {};
  if (!xmlAddChild(node_, element)) {
    xmlFreeNode(element);
    return {};
  }
  return Node(element);
}

Node Node::SelectSingleNode(std::string_view xpath) const {
  auto nodes = Select(node_, xpath, true);
  return nodes.empty() ? Node() : nodes.front();
}

std::vector<Node> Node::SelectNodes(std::string_view xpath) const {
  return Select(node_, xpath, false);
}

// ---- Document ----

void Document::Free::operator()(_xmlDoc* doc) const { xmlFreeDoc(doc); }

Document::Document() {
  InitLibrary();
  doc_.reset(xmlNewDoc(reinterpret_cast<const xmlChar*>("1.0")));
}

Document::~Document() = default;
Document::Document(Document&&) noexcept = default;
Document& Document::operator=(Document&&) noexcept = default;

bool Document::LoadText(std::string_view text) { return Parse(ToUtf8(text), true); }

bool Document::LoadFile(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) {
    doc_.reset(xmlNewDoc(reinterpret_cast<const xmlChar*>("1.0")));
    errorCode_ = XML_IO_LOAD_ERROR;
    errorReason_ = "Cannot open file " + file.string();
    return false;
  }
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  return Parse(bytes, false);
}

bool Document::Parse(std::string_view bytes, bool textIsUtf8) {
  InitLibrary();
  doc_.reset(xmlNewDoc(reinterpret_cast<const xmlChar*>("1.0")));
  errorCode_ = 0;
  errorReason_.clear();
  if (bytes.size() > static_cast<size_t>(INT_MAX)) {
    errorCode_ = XML_ERR_INTERNAL_ERROR;
    errorReason_ = "Document too large";
    return false;
  }
  xmlParserCtxtPtr ctxt = xmlNewParserCtxt();
  if (!ctxt) {
    errorCode_ = XML_ERR_NO_MEMORY;
    errorReason_ = "Out of memory";
    return false;
  }
  ctxt->sax->entityDecl = DeclareInternalEntity;
  ctxt->sax->externalSubset = nullptr;
  int options = XML_PARSE_NOENT | XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING;
  if (textIsUtf8) options |= XML_PARSE_IGNORE_ENC;
  xmlDocPtr parsed = xmlCtxtReadMemory(ctxt, bytes.data(), static_cast<int>(bytes.size()), nullptr,
                                       textIsUtf8 ? "UTF-8" : nullptr, options);
  if (parsed) {
    doc_.reset(parsed);
  } else {
    errorCode_ = ctxt->lastError.code != 0 ? ctxt->lastError.code : XML_ERR_INTERNAL_ERROR;
    errorReason_ = os::Trim(FromXml(reinterpret_cast<const xmlChar*>(ctxt->lastError.message)));
    if (errorReason_.empty()) errorReason_ = "The document is not well-formed XML";
  }
  xmlFreeParserCtxt(ctxt);
  return parsed != nullptr;
}

Node Document::Root() const { return doc_ ? Node(xmlDocGetRootElement(doc_.get())) : Node(); }

Node Document::AsNode() const { return Node(reinterpret_cast<xmlNodePtr>(doc_.get())); }

// ---- helpers ----

Document CreateXmlDocument() { return Document(); }

Document LoadXmlText(std::string_view text) {
  Document doc;
  doc.LoadText(NormalizeXmlHeader(text));
  return doc;
}

std::string NormalizeXmlHeader(std::string_view text) {
  static constexpr std::string_view kDocType = "<!DOCTYPE SC[<!ENTITY stdd \"&amp;stdd;\">]>";
  static constexpr std::string_view kEncoding = " encoding=\"GB2312\"";
  static constexpr std::string_view kDeclaration = "<?xml version=\"1.0\" encoding=\"GB2312\"?>";

  // The head that is examined: the first 100 bytes; when a declaration ends beyond them, the
  // declaration and the 100 bytes after it, so that a long declaration is never given a second
  // encoding or document type.
  constexpr size_t kHead = 100;
  size_t declarationEnd = text.find("?>");
  size_t headLength = declarationEnd != std::string_view::npos && declarationEnd + 2 > kHead
                          ? declarationEnd + 2 + kHead
                          : kHead;
  std::string head = os::LowerAscii(text.substr(0, headLength));
  for (size_t crlf; (crlf = head.find("\r\n")) != std::string::npos;) head.erase(crlf, 2);
  head = os::Trim(head);

  bool hasDeclaration = head.starts_with("<?xml");
  bool hasDocType = head.find("<!doctype") != std::string::npos;
  bool hasEncoding = head.find("encoding=") != std::string::npos;

  if (!hasDeclaration) {
    return std::string(kDeclaration) + std::string(hasDocType ? "" : kDocType) + std::string(text);
  }
  std::string out(text);
  // Insert at the declaration's own "?>" in the text: after it the document type, before it the
  // encoding (the later position first, so that the earlier one stays valid).
  if (declarationEnd == std::string_view::npos) return out;
  if (!hasDocType) out.insert(declarationEnd + 2, kDocType);
  if (!hasEncoding) out.insert(declarationEnd, kEncoding);
  return out;
}

Node FindNode(Node parent, std::string_view path, bool create) {
  Node found = parent.SelectSingleNode(path);
  if (!found && create) found = parent.AppendElement(path);
  return found;
}

std::string GetAttributeText(Node element, std::string_view name) {
  return element.Attribute(name).value_or(std::string());
}

void SetAttributeText(Node element, std::string_view name, std::string_view text) {
  element.SetAttribute(name, text);
}

}  // namespace pxq::xml
