#include "lib/i18n/lang_reader.h"

#include <charconv>
#include <exception>
#include <utility>

#include "lib/i18n/component_kinds.h"
#include "platform/os/text.h"

namespace pxq::i18n {
namespace {

// Lines added to reach the line an attribute names are bounded, so that an absurd index in a
// language file cannot exhaust memory.
constexpr int kMaxAddedLines = 100000;

// "Items_2" -> {"Items", 2}; the index is -1 when there is no "_" or no decimal number after it.
struct Indexed {
  std::string name;
  int index = -1;
  bool hasIndexPart = false;
};

Indexed SplitIndex(std::string_view segment) {
  Indexed out;
  const size_t underscore = segment.find('_');
  if (underscore == std::string_view::npos) {
    out.name = std::string(segment);
    return out;
  }
  out.hasIndexPart = true;
  out.name = std::string(segment.substr(0, underscore));
  std::string_view digits = segment.substr(underscore + 1);
  int value = 0;
  auto [ptr, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (!digits.empty() && ec == std::errc() && ptr == digits.data() + digits.size() && value >= 0 &&
      digits.front() != '-' && digits.front() != '+') {
    out.index = value;
  }
  return out;
}

// The object held by a published object property (string lists included), or nullptr.
vcl::TObject* ObjectProperty(vcl::TObject* obj, std::string_view name) {
  const vcl::TPropInfo* prop = vcl::GetPropInfo(obj, name);
  if (!prop || !prop->GetObject) return nullptr;
  if (prop->Kind != vcl::TTypeKind::Class && prop->Kind != vcl::TTypeKind::StringList) {
    return nullptr;
  }
  return prop->GetObject(*obj);
}

// Item n of an indexed object (collection item, list-view column or row, tree node), or nullptr.
vcl::TObject* IndexedItem(vcl::TObject* obj, int n) {
  auto* persistent = dynamic_cast<vcl::TPersistent*>(obj);
  return persistent ? persistent->IndexedItem(n) : nullptr;
}

void SetLine(vcl::TStrings& list, int index, std::string_view value) {
  if (index > list.Count() + kMaxAddedLines) return;
  list.BeginUpdate();
  while (list.Count() <= index) list.Add(std::string());
  list.Put(index, std::string(value));
  list.EndUpdate();
}

void Apply(vcl::TComponent* component, std::string_view path, std::string_view value) {
  vcl::TObject* obj = component;
  std::string last;
  if (path.find('.') == std::string_view::npos) {
    last = os::Trim(path);
  } else {
    const std::vector<std::string> segments = os::SplitAny(path, ".");
    for (size_t k = 0; k < segments.size(); ++k) {
      const std::string segment = os::Trim(segments[k]);
      if (k + 1 == segments.size()) {
        last = segment;
        break;
      }
      const Indexed step = SplitIndex(segment);
      if (!step.hasIndexPart) {
        obj = ObjectProperty(obj, segment);
        if (!obj) return;
        continue;
      }
      if (step.index < 0 || !(os::EqualsIgnoreCase(step.name, "Items") ||
                              os::EqualsIgnoreCase(step.name, "Columns"))) {
        last = step.name;
        break;
      }
      // A list-view row stays where it is; a collection steps into its item; anything else
      // (list view, tree view, a control holding a collection) into item n of the property.
      // An index beyond the count leaves the path where it is.
      if (obj->InheritsFrom("TListItem")) continue;
      vcl::TObject* holder =
          dynamic_cast<vcl::TCollection*>(obj) ? obj : ObjectProperty(obj, step.name);
      if (!holder) return;
      if (vcl::TObject* item = IndexedItem(holder, step.index)) obj = item;
    }
  }
  if (last.empty()) return;
  const Indexed target = SplitIndex(last);
  if (obj == component && target.index >= 0) {
    obj = ObjectProperty(component, target.name);
    if (!obj) return;
  }
  if (auto* list = dynamic_cast<vcl::TStrings*>(obj)) {
    if (target.index >= 0) SetLine(*list, target.index, value);
    return;
  }
  // String lists are written line by line ("P_n"); a name alone does not replace the list.
  const vcl::TPropInfo* prop = vcl::GetPropInfo(obj, last);
  if (!prop || prop->Kind == vcl::TTypeKind::StringList) return;
  vcl::SetPropText(obj, last, value);
}

}  // namespace

bool IsPlainXmlName(std::string_view name) {
  if (name.empty()) return false;
  for (size_t i = 0; i < name.size(); ++i) {
    const auto c = static_cast<unsigned char>(name[i]);
    const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c >= 0x80;
    const bool other = (c >= '0' && c <= '9') || c == '-' || c == '.';
    if (!letter && (i == 0 || !other)) return false;
  }
  return true;
}

void ApplyLangProperty(vcl::TComponent* component, std::string_view path, std::string_view value) {
  if (!component) return;
  try {
    Apply(component, path, value);
  } catch (const std::exception&) {
    // A value a property refuses leaves it unchanged; language files never stop a form.
  }
}

void TComponentRead::ReadProperty(int index) {
  const std::vector<xml::Node> attributes = node_.Attributes();
  if (index < 0 || index >= static_cast<int>(attributes.size())) return;
  const xml::Node& attribute = attributes[static_cast<size_t>(index)];
  ApplyLangProperty(component_, attribute.Name(), attribute.Text());
}

void TComponentRead::ReadProperty(std::string_view name) {
  if (auto value = node_.Attribute(name)) ApplyLangProperty(component_, name, *value);
}

void TComponentRead::ReadProperties() {
  for (const xml::Node& attribute : node_.Attributes()) {
    ApplyLangProperty(component_, attribute.Name(), attribute.Text());
  }
}

void TCustomComboBoxRead::ReadProperties() {
  vcl::TComponent* combo = GetComponent();
  const int64_t selected = vcl::GetOrdPropByName(combo, "ItemIndex");
  TComponentRead::ReadProperties();
  vcl::SetOrdPropByName(combo, "ItemIndex", selected);
}

std::unique_ptr<ILangRead> TReaderFactory::CreateReader(vcl::TComponent* component,
                                                        xml::Node node) {
  if (IsDataAwareComboBox(component)) {
    return std::make_unique<TwwDBCustomComboBoxRead>(component, node);
  }
  if (IsComboBox(component)) {
    return std::make_unique<TCustomComboBoxRead>(component, node);
  }
  return std::make_unique<TComponentRead>(component, node);
}

TLangReader::TLangReader(const xml::Document& document, std::vector<std::string> excludeControls,
                         TLoadComponentEvent beforeLoadComponent,
                         TLoadComponentEvent afterLoadComponent)
    : document_(document),
      beforeLoadComponent_(std::move(beforeLoadComponent)),
      afterLoadComponent_(std::move(afterLoadComponent)) {
  SetExcludeControls(std::move(excludeControls));
}

void TLangReader::SetExcludeControls(std::vector<std::string> names) {
  excludes_.clear();
  for (const std::string& name : names) excludes_.push_back(os::Trim(name));
}

bool TLangReader::Excluded(std::string_view name) const {
  const std::string trimmed = os::Trim(name);
  for (const std::string& excluded : excludes_) {
    if (os::EqualsIgnoreCase(excluded, trimmed)) return true;
  }
  return false;
}

void TLangReader::Read(vcl::TComponent* component, xml::Node node) {
  beforeLoadComponent_(component, node);
  TReaderFactory::CreateReader(component, node)->ReadProperties();
  afterLoadComponent_(component, node);
}

void TLangReader::ReadComponent(vcl::TComponent* component) {
  if (!component) return;
  const xml::Node root = document_.Root();
  if (root && IsFormOrDataModule(component)) Read(component, root);
  const std::string& name = component->Name();
  if (!name.empty() && !Excluded(name) && IsPlainXmlName(name)) {
    const xml::Node element = document_.AsNode().SelectSingleNode("//" + name);
    if (element.Type() == xml::NodeType::kElement) Read(component, element);
  }
  // Handlers may add or free components, so the count is read afresh each time.
  for (int i = 0; i < component->ComponentCount(); ++i) ReadComponent(component->Components(i));
}

}  // namespace pxq::i18n
