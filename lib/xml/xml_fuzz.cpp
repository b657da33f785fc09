// Fuzzes header normalisation, parsing and the node operations on whatever parses.
#include <cstdint>
#include <string>
#include <string_view>

#include "lib/xml/xml.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view input(reinterpret_cast<const char*>(data), size);
  // An optional XPath after the first NUL byte; the text before it is the document.
  std::string_view text = input.substr(0, input.find('\0'));
  std::string_view path = text.size() < input.size() ? input.substr(text.size() + 1) : "*";

  pxq::xml::NormalizeXmlHeader(input);
  pxq::xml::Document doc = pxq::xml::LoadXmlText(text);
  pxq::xml::Node root = doc.Root();
  if (!root) return 0;
  root.Xml();
  for (pxq::xml::Node node : root.SelectNodes(path)) {
    node.Name();
    node.Text();
    node.Xml();
    for (pxq::xml::Node attr : node.Attributes()) pxq::xml::GetAttributeText(node, attr.Name());
  }
  pxq::xml::Node created = pxq::xml::FindNode(root, path, true);
  pxq::xml::SetAttributeText(created, "a", text.substr(0, 16));
  return 0;
}
