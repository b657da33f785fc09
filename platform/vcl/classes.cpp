#include "platform/vcl/classes.h"

#include <algorithm>

#include "platform/os/text.h"
#include "platform/vcl/component.h"

namespace pxq::vcl {

const TEnumInfo& EnumInfoOf(TDuplicates*) {
  static const TEnumInfo info{"TDuplicates", {"dupIgnore", "dupAccept", "dupError"}};
  return info;
}

// --- TPersistent ---------------------------------------------------------------------------

PXQ_REGISTER_CLASS(TPersistent, TObject)
void TPersistent::DefineClass(TClassBuilder<TPersistent>&) {}

void TPersistent::Assign(const TPersistent& source) {
  throw EVclError("Cannot assign a " + source.ClassName() + " to a " + ClassName());
}

// --- TStrings ------------------------------------------------------------------------------

PXQ_REGISTER_CLASS(TStrings, TPersistent)
void TStrings::DefineClass(TClassBuilder<TStrings>& c) {
  c.Str("Text", &TStrings::Text, [](TStrings& s, const std::string& v) { s.SetText(v); });
  c.Str("CommaText", &TStrings::CommaText,
        [](TStrings& s, const std::string& v) { s.SetCommaText(v); });
  c.Int("Count", &TStrings::Count);
}

TStrings::~TStrings() = default;

void TStrings::CheckIndex(int i, bool allowEnd) const {
  if (i < 0 || i > Count() || (!allowEnd && i == Count())) {
    throw EListError("List index out of bounds (" + std::to_string(i) + ")");
  }
}

const std::string& TStrings::Strings(int i) const {
  CheckIndex(i);
  return items_[static_cast<size_t>(i)].text;
}

void TStrings::Put(int i, const std::string& s) {
  CheckIndex(i);
  Changing();
  items_[static_cast<size_t>(i)].text = s;
  Changed();
}

TObject* TStrings::Objects(int i) const {
  CheckIndex(i);
  return items_[static_cast<size_t>(i)].object;
}

void TStrings::PutObject(int i, TObject* obj) {
  CheckIndex(i);
  Changing();
  items_[static_cast<size_t>(i)].object = obj;
  Changed();
}

int TStrings::Add(const std::string& s) {
  Insert(Count(), s);
  return Count() - 1;
}

int TStrings::AddObject(const std::string& s, TObject* obj) {
  int i = Add(s);
  if (i >= 0) items_[static_cast<size_t>(i)].object = obj;
  return i;
}

void TStrings::AddStrings(const TStrings& other) {
  BeginUpdate();
  std::vector<Item> copy = other.items_;  // `other` may be this list
  for (const Item& item : copy) AddObject(item.text, item.object);
  EndUpdate();
}

void TStrings::Insert(int i, const std::string& s) {
  CheckIndex(i, true);
  Changing();
  items_.insert(items_.begin() + i, Item{s, nullptr});
  Changed();
}

void TStrings::Delete(int i) {
  CheckIndex(i);
  Changing();
  items_.erase(items_.begin() + i);
  Changed();
}

void TStrings::Clear() {
  if (items_.empty()) return;
  Changing();
  items_.clear();
  Changed();
}

void TStrings::Move(int from, int to) {
  CheckIndex(from);
  CheckIndex(to);
  if (from == to) return;
  Changing();
  Item item = std::move(items_[static_cast<size_t>(from)]);
  items_.erase(items_.begin() + from);
  items_.insert(items_.begin() + to, std::move(item));
  Changed();
}

void TStrings::Exchange(int a, int b) {
  CheckIndex(a);
  CheckIndex(b);
  Changing();
  std::swap(items_[static_cast<size_t>(a)], items_[static_cast<size_t>(b)]);
  Changed();
}

int TStrings::CompareStrings(std::string_view a, std::string_view b) const {
  if (caseSensitive_) return a.compare(b) < 0 ? -1 : (a == b ? 0 : 1);
  std::string ua = os::UpperAscii(a);
  std::string ub = os::UpperAscii(b);
  return ua.compare(ub) < 0 ? -1 : (ua == ub ? 0 : 1);
}

int TStrings::IndexOf(std::string_view s) const {
  for (int i = 0; i < Count(); ++i) {
    if (CompareStrings(items_[static_cast<size_t>(i)].text, s) == 0) return i;
  }
  return -1;
}

int TStrings::IndexOfName(std::string_view name) const {
  for (int i = 0; i < Count(); ++i) {
    const std::string& line = items_[static_cast<size_t>(i)].text;
    auto eq = line.find('=');
    if (eq != std::string::npos && CompareStrings(std::string_view(line).substr(0, eq), name) == 0)
      return i;
  }
  return -1;
}

int TStrings::IndexOfObject(const TObject* obj) const {
  for (int i = 0; i < Count(); ++i) {
    if (items_[static_cast<size_t>(i)].object == obj) return i;
  }
  return -1;
}

std::string TStrings::Text() const {
  std::string text;
  for (const Item& item : items_) {
    text += item.text;
    text += "\r\n";
  }
  return text;
}

void TStrings::SetText(std::string_view text) {
  BeginUpdate();
  Clear();
  size_t pos = 0;
  while (pos < text.size()) {
    size_t end = text.find_first_of("\r\n", pos);
    if (end == std::string_view::npos) {
      Add(std::string(text.substr(pos)));
      break;
    }
    Add(std::string(text.substr(pos, end - pos)));
    pos = end + 1;
    if (text[end] == '\r' && pos < text.size() && text[pos] == '\n') ++pos;
  }
  EndUpdate();
}

std::string TStrings::CommaText() const {
  std::string text;
  for (int i = 0; i < Count(); ++i) {
    const std::string& s = items_[static_cast<size_t>(i)].text;
    if (i > 0) text += ',';
    bool quote = s.empty() || s.find_first_of(" ,\"") != std::string::npos ||
                 std::any_of(s.begin(), s.end(),
                             [](char ch) { return static_cast<unsigned char>(ch) < 0x20; });
    if (!quote) {
      text += s;
      continue;
    }
    text += '"';
    for (char ch : s) {
      if (ch == '"') text += '"';
      text += ch;
    }
    text += '"';
  }
  return text;
}

void TStrings::SetCommaText(std::string_view text) {
  BeginUpdate();
  Clear();
  size_t pos = 0;
  auto skipBlanks = [&] {
    while (pos < text.size() && static_cast<unsigned char>(text[pos]) <= ' ') ++pos;
  };
  skipBlanks();
  while (pos < text.size()) {
    std::string item;
    if (text[pos] == '"') {
      ++pos;
      while (pos < text.size()) {
        if (text[pos] == '"') {
          if (pos + 1 < text.size() && text[pos + 1] == '"') {
            item += '"';
            pos += 2;
            continue;
          }
          ++pos;
          break;
        }
        item += text[pos++];
      }
      while (pos < text.size() && text[pos] != ',' && static_cast<unsigned char>(text[pos]) > ' ')
        ++pos;
    } else {
      while (pos < text.size() && text[pos] != ',' && static_cast<unsigned char>(text[pos]) > ' ')
        item += text[pos++];
    }
    Add(item);
    skipBlanks();
    if (pos < text.size() && text[pos] == ',') {
      ++pos;
      skipBlanks();
      if (pos >= text.size()) Add(std::string());
    }
  }
  EndUpdate();
}

std::string TStrings::Names(int i) const {
  const std::string& line = Strings(i);
  auto eq = line.find('=');
  return eq == std::string::npos ? std::string() : line.substr(0, eq);
}

std::string TStrings::ValueFromIndex(int i) const {
  const std::string& line = Strings(i);
  auto eq = line.find('=');
  return eq == std::string::npos ? std::string() : line.substr(eq + 1);
}

std::string TStrings::Values(std::string_view name) const {
  int i = IndexOfName(name);
  return i < 0 ? std::string() : ValueFromIndex(i);
}

void TStrings::SetValue(std::string_view name, std::string_view value) {
  int i = IndexOfName(name);
  std::string line = std::string(name) + "=" + std::string(value);
  if (value.empty()) {
    if (i >= 0) Delete(i);
  } else if (i < 0) {
    Add(line);
  } else {
    Put(i, line);
  }
}

bool TStrings::Equals(const TStrings& other) const {
  if (Count() != other.Count()) return false;
  for (int i = 0; i < Count(); ++i) {
    if (items_[static_cast<size_t>(i)].text != other.items_[static_cast<size_t>(i)].text)
      return false;
  }
  return true;
}

std::vector<std::string> TStrings::ToVector() const {
  std::vector<std::string> v;
  for (const Item& item : items_) v.push_back(item.text);
  return v;
}

void TStrings::BeginUpdate() {
  if (updateCount_++ == 0) changedInUpdate_ = false;
}

void TStrings::EndUpdate() {
  if (updateCount_ > 0 && --updateCount_ == 0 && changedInUpdate_) {
    changedInUpdate_ = false;
    OnChange(this);
  }
}

void TStrings::Changing() {
  if (updateCount_ == 0) OnChanging(this);
}

void TStrings::Changed() {
  if (updateCount_ > 0) {
    changedInUpdate_ = true;
  } else {
    OnChange(this);
  }
}

void TStrings::Assign(const TPersistent& source) {
  const auto* other = dynamic_cast<const TStrings*>(&source);
  if (!other) return TPersistent::Assign(source);
  if (other == this) return;
  BeginUpdate();
  Clear();
  AddStrings(*other);
  EndUpdate();
}

// --- TStringList ---------------------------------------------------------------------------

PXQ_REGISTER_CLASS(TStringList, TStrings)
void TStringList::DefineClass(TClassBuilder<TStringList>& c) {
  c.Bool("Sorted", &TStringList::Sorted, &TStringList::SetSorted);
  c.Enum("Duplicates", &TStringList::Duplicates, &TStringList::SetDuplicates);
  c.Bool("CaseSensitive", &TStringList::CaseSensitive, &TStringList::SetCaseSensitive);
}

TStringList::TStringList(std::initializer_list<std::string_view> lines) {
  for (std::string_view s : lines) Add(std::string(s));
}

bool TStringList::Find(std::string_view s, int& index) const {
  int lo = 0;
  int hi = Count() - 1;
  bool found = false;
  while (lo <= hi) {
    int mid = lo + (hi - lo) / 2;
    int c = CompareStrings(items_[static_cast<size_t>(mid)].text, s);
    if (c < 0) {
      lo = mid + 1;
    } else {
      hi = mid - 1;
      if (c == 0) {
        found = true;
        if (duplicates_ != dupAccept) lo = mid;
      }
    }
  }
  index = lo;
  return found;
}

int TStringList::Add(const std::string& s) {
  if (!sorted_) return TStrings::Add(s);
  int index = 0;
  if (Find(s, index)) {
    if (duplicates_ == dupIgnore) return index;
    if (duplicates_ == dupError) throw EListError("String list does not allow duplicates");
  }
  TStrings::Insert(index, s);
  return index;
}

void TStringList::Insert(int i, const std::string& s) {
  if (sorted_) throw EListError("Operation not allowed on sorted list");
  TStrings::Insert(i, s);
}

void TStringList::Put(int i, const std::string& s) {
  if (sorted_) throw EListError("Operation not allowed on sorted list");
  TStrings::Put(i, s);
}

int TStringList::IndexOf(std::string_view s) const {
  if (!sorted_) return TStrings::IndexOf(s);
  int index = 0;
  return Find(s, index) ? index : -1;
}

void TStringList::Sort() {
  Changing();
  std::stable_sort(items_.begin(), items_.end(), [this](const Item& a, const Item& b) {
    return CompareStrings(a.text, b.text) < 0;
  });
  Changed();
}

void TStringList::SetSorted(bool v) {
  if (sorted_ == v) return;
  if (v) Sort();
  sorted_ = v;
}

// --- Collections ---------------------------------------------------------------------------

PXQ_REGISTER_CLASS(TCollectionItem, TPersistent)
void TCollectionItem::DefineClass(TClassBuilder<TCollectionItem>&) {}

int TCollectionItem::Index() const { return collection_ ? collection_->IndexOf(this) : -1; }

void TCollectionItem::SetIndex(int i) {
  if (collection_) collection_->Move(Index(), i);
}

void TCollectionItem::Changed() {
  if (collection_) collection_->Update(this);
}

PXQ_REGISTER_CLASS(TCollection, TPersistent)
void TCollection::DefineClass(TClassBuilder<TCollection>& c) {
  c.Int("Count", &TCollection::Count);
}

TCollection::~TCollection() = default;

TCollectionItem* TCollection::Items(int i) const {
  if (i < 0 || i >= Count())
    throw EListError("List index out of bounds (" + std::to_string(i) + ")");
  return items_[static_cast<size_t>(i)].get();
}

TCollectionItem* TCollection::Add() { return Insert(Count()); }

TCollectionItem* TCollection::Insert(int i) {
  if (i < 0 || i > Count())
    throw EListError("List index out of bounds (" + std::to_string(i) + ")");
  auto item = NewItem();
  TCollectionItem* raw = item.get();
  items_.insert(items_.begin() + i, std::move(item));
  Update(nullptr);
  return raw;
}

void TCollection::Delete(int i) {
  Items(i);
  auto item = std::move(items_[static_cast<size_t>(i)]);
  items_.erase(items_.begin() + i);
  item.reset();
  Update(nullptr);
}

void TCollection::Clear() {
  if (items_.empty()) return;
  auto old = std::move(items_);
  items_.clear();
  old.clear();
  Update(nullptr);
}

void TCollection::Move(int from, int to) {
  Items(from);
  Items(to);
  if (from == to) return;
  auto item = std::move(items_[static_cast<size_t>(from)]);
  items_.erase(items_.begin() + from);
  items_.insert(items_.begin() + to, std::move(item));
  Update(nullptr);
}

int TCollection::IndexOf(const TCollectionItem* item) const {
  for (size_t i = 0; i < items_.size(); ++i) {
    if (items_[i].get() == item) return static_cast<int>(i);
  }
  return -1;
}

void TCollection::BeginUpdate() { ++updateCount_; }

void TCollection::EndUpdate() {
  if (updateCount_ > 0 && --updateCount_ == 0) Update(nullptr);
}

TPersistent* TCollection::IndexedItem(int index) {
  return index >= 0 && index < Count() ? items_[static_cast<size_t>(index)].get() : nullptr;
}

void TCollection::Update(TCollectionItem* item) {
  if (updateCount_ == 0) OnUpdate(this, item);
}

}  // namespace pxq::vcl
