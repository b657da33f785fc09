// Reading a language file into components.
//
// A language file is an XML document. The root element's attributes are property assignments
// for the form (or data module) being translated; the first element named like a component
// (anywhere in the document) holds that component's assignments; an element named by a message
// identifier carries the message text in its attribute "Msg".
//
// An attribute name is a property path, its value the text to assign:
//   P            property P of the component (Caption, Hint)
//   P_n          line n (0-based) of the string-list property P (Items_2); missing lines are
//                added empty
//   A.B.P        follow the object properties A, then B, then set P (Font.Name)
//   Items_n. ... row n of a list view or collection, node n of a tree view
//   Columns_n. ... column n of a list view or collection
// An attribute with an unknown property, a bad path or a value the property does not take is
// ignored. Texts are narrow (ANSI code page).
#pragma once

#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "lib/xml/xml.h"
#include "platform/vcl/component.h"

namespace pxq::i18n {

// Raised by the language controller and its reader.
class LanguageControllerError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Raised around the translation of each component that has an element.
using TLoadComponentEvent = vcl::TEvent<vcl::TComponent*, xml::Node>;

// Reading the attributes of one element into one component.
class ILangRead {
 public:
  virtual ~ILangRead() = default;
  virtual vcl::TComponent* GetComponent() const = 0;
  virtual xml::Node GetNode() const = 0;
  virtual void SetComponent(vcl::TComponent* component) = 0;
  virtual void SetNode(xml::Node node) = 0;
  // Applies the attribute at `index` (document order) or of that name; nothing when missing.
  virtual void ReadProperty(int index) = 0;
  virtual void ReadProperty(std::string_view name) = 0;
  // Applies every attribute in document order.
  virtual void ReadProperties() = 0;
};

class TComponentRead : public ILangRead {
 public:
  TComponentRead(vcl::TComponent* component, xml::Node node) : component_(component), node_(node) {}

  vcl::TComponent* GetComponent() const override { return component_; }
  xml::Node GetNode() const override { return node_; }
  void SetComponent(vcl::TComponent* component) override { component_ = component; }
  void SetNode(xml::Node node) override { node_ = node; }
  void ReadProperty(int index) override;
  void ReadProperty(std::string_view name) override;
  void ReadProperties() override;

 private:
  vcl::TComponent* component_;
  xml::Node node_;
};

// Combo boxes keep their selected item across ReadProperties (assigning items may lose it).
class TCustomComboBoxRead : public TComponentRead {
 public:
  using TComponentRead::TComponentRead;
  void ReadProperties() override;
};

// The data-aware combo box of the third-party control pack (class "TwwDBCustomComboBox" and its
// descendants); it has no counterpart here yet, so it is recognised by class name.
class TwwDBCustomComboBoxRead : public TCustomComboBoxRead {
 public:
  using TCustomComboBoxRead::TCustomComboBoxRead;
};

// Picks the reader for a component: the data-aware combo box first, then any combo box, else
// TComponentRead.
class TReaderFactory {
 public:
  static std::unique_ptr<ILangRead> CreateReader(vcl::TComponent* component, xml::Node node);
};

// Applies one attribute: property path `path` of `component` gets `value`.
void ApplyLangProperty(vcl::TComponent* component, std::string_view path, std::string_view value);

// Translates components from one open language file.
class TLangReader {
 public:
  TLangReader(const xml::Document& document, std::vector<std::string> excludeControls,
              TLoadComponentEvent beforeLoadComponent, TLoadComponentEvent afterLoadComponent);

  // Component names never translated (compared trimmed, without regard to case).
  void SetExcludeControls(std::vector<std::string> names);
  const std::vector<std::string>& ExcludeControls() const { return excludes_; }

  // Translates the component and everything it owns: a form or data module from the root
  // element, a named component from the first element of its name.
  void ReadComponent(vcl::TComponent* component);

 private:
  void Read(vcl::TComponent* component, xml::Node node);
  bool Excluded(std::string_view name) const;

  const xml::Document& document_;
  std::vector<std::string> excludes_;
  TLoadComponentEvent beforeLoadComponent_;
  TLoadComponentEvent afterLoadComponent_;
};

// True when the text is an XML element name that XPath can name directly (letters, digits and
// "_-." in ASCII, any byte of a double-byte character; not starting with a digit, "-" or ".").
bool IsPlainXmlName(std::string_view name);

}  // namespace pxq::i18n
