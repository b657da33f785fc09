// XML documents and the small helpers the dialogs use to build and read XML texts (recipient
// lists, portal answers, language files). A thin owner of a libxml2 document with node handles.
//
// Texts in and out are narrow texts in the ANSI code page, like every other text of the
// library: names, values, XPath expressions and serialised XML. A narrow XML text is read with
// the characters of the ANSI code page whatever encoding its declaration names (the text has
// already been decoded once, so the declaration no longer describes its bytes); files are read by
// their declaration, where "GB2312" means the GBK superset (code page 936) and "Big5" code page
// 950, as the desktop platform reads them.
//
// External entities and external document types are never loaded; internal entities (such as
// the "stdd" entity of NormalizeXmlHeader) are replaced by their text while parsing.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct _xmlNode;
struct _xmlDoc;

namespace pxq::xml {

enum class NodeType { kNone, kElement, kAttribute, kText, kCData, kComment, kDocument, kOther };

// A handle to a node of a Document; valid while its document lives. A default handle is "no
// node": every query on it answers empty, every change does nothing.
class Node {
 public:
  Node() = default;
  explicit Node(_xmlNode* node) : node_(node) {}

  explicit operator bool() const { return node_ != nullptr; }
  bool operator==(const Node& other) const { return node_ == other.node_; }
  NodeType Type() const;
  // Element or attribute name (with its prefix); "#text", "#document" and the like otherwise.
  std::string Name() const;
  // The text of the node and everything below it (an attribute: its value).
  std::string Text() const;
  // The node written as XML (an element with everything below it), without a declaration.
  // Characters the ANSI code page lacks are written as character references.
  std::string Xml() const;

  Node Parent() const;
  std::vector<Node> ChildElements() const;
  // The attribute nodes of an element in document order.
  std::vector<Node> Attributes() const;
  // The value of an attribute, nullopt when the element has none of that name.
  std::optional<std::string> Attribute(std::string_view name) const;
  void SetAttribute(std::string_view name, std::string_view value);
  // Creates an element and appends it as the last child; no node when the name is not a valid
  // XML name or this node cannot hold elements.
  Node AppendElement(std::string_view name);

  // XPath from this node. A malformed expression selects nothing.
  Node SelectSingleNode(std::string_view xpath) const;
  std::vector<Node> SelectNodes(std::string_view xpath) const;

  _xmlNode* raw() const { return node_; }

 private:
  _xmlNode* node_ = nullptr;
};

// Owns one XML document. Move-only; an empty document has no root.
class Document {
 public:
  Document();
  ~Document();
  Document(Document&&) noexcept;
  Document& operator=(Document&&) noexcept;

  // Parse a narrow text (ANSI code page) or a file. On failure the document is left empty and
  // ParseErrorCode / ParseErrorReason describe the first error.
  bool LoadText(std::string_view text);
  bool LoadFile(const std::filesystem::path& file);
  int ParseErrorCode() const { return errorCode_; }
  const std::string& ParseErrorReason() const { return errorReason_; }

  // The document element (no node when the document is empty).
  Node Root() const;
  // The document itself, as the parent for XPath and for creating the root element.
  Node AsNode() const;

 private:
  struct Free {
    void operator()(_xmlDoc* doc) const;
  };
  bool Parse(std::string_view utf8OrBytes, bool textIsUtf8);
  std::unique_ptr<_xmlDoc, Free> doc_;
  int errorCode_ = 0;
  std::string errorReason_;
};

// A new empty document (no validation on parse).
Document CreateXmlDocument();
// NormalizeXmlHeader (text), then parsed; a text that does not parse leaves the document empty.
Document LoadXmlText(std::string_view text);
// Gives the text an XML declaration naming "GB2312" and a document type declaring the entity
// stdd (replacement text "&amp;stdd;"), so that "&stdd;" in the text reads back as written.
std::string NormalizeXmlHeader(std::string_view text);
// The first node the XPath expression selects from the parent. When there is none and `create`
// is set, a new element named by the path is appended to the parent and returned (no node when
// the path is not a plain element name).
Node FindNode(Node parent, std::string_view path, bool create);
// The attribute's value; empty when the element has no such attribute.
std::string GetAttributeText(Node element, std::string_view name);
void SetAttributeText(Node element, std::string_view name, std::string_view text);

}  // namespace pxq::xml
