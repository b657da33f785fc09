// Persistent objects, string lists and collections.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/vcl/events.h"
#include "platform/vcl/object.h"
#include "platform/vcl/properties.h"

namespace pxq::vcl {

using TNotifyEvent = TEvent<TObject*>;

// An object whose values can be copied from another one of its kind (Assign) and whose
// published properties can be read and written by name.
class TPersistent : public TObject {
  PXQ_CLASS(TPersistent)
 public:
  // Copies the values of `source`; EVclError when the kinds do not fit.
  virtual void Assign(const TPersistent& source);
  // Item `index` of an indexed object (collections, list items), or nullptr: what the path
  // segment "Name[index]" of a property path steps into.
  virtual TPersistent* IndexedItem(int /*index*/) { return nullptr; }
};

enum TDuplicates : uint8_t { dupIgnore, dupAccept, dupError };
const TEnumInfo& EnumInfoOf(TDuplicates*);

// A list of texts with an object per line. Texts are narrow (bytes of the ANSI code page);
// comparisons without regard to case fold ASCII letters only.
class TStrings : public TPersistent {
  PXQ_CLASS(TStrings)
 public:
  TStrings() = default;
  ~TStrings() override;

  int Count() const { return static_cast<int>(items_.size()); }
  // Line `i`; EListError when out of bounds.
  const std::string& Strings(int i) const;
  const std::string& operator[](int i) const { return Strings(i); }
  virtual void Put(int i, const std::string& s);
  TObject* Objects(int i) const;
  void PutObject(int i, TObject* obj);

  virtual int Add(const std::string& s);
  int AddObject(const std::string& s, TObject* obj);
  void AddStrings(const TStrings& other);
  virtual void Insert(int i, const std::string& s);
  void Delete(int i);
  void Clear();
  void Move(int from, int to);
  void Exchange(int a, int b);
  // First line equal to `s` (without regard to case unless CaseSensitive), or -1.
  virtual int IndexOf(std::string_view s) const;
  int IndexOfName(std::string_view name) const;
  int IndexOfObject(const TObject* obj) const;

  // Lines joined by CR LF, each line ended by one; setting splits at CR LF, LF or CR.
  std::string Text() const;
  void SetText(std::string_view text);
  // Lines joined by ","; a line holding blanks, commas or quotes is quoted with '"'.
  std::string CommaText() const;
  void SetCommaText(std::string_view text);
  // Name=Value lines.
  std::string Names(int i) const;
  std::string ValueFromIndex(int i) const;
  std::string Values(std::string_view name) const;
  void SetValue(std::string_view name, std::string_view value);

  bool CaseSensitive() const { return caseSensitive_; }
  void SetCaseSensitive(bool v) { caseSensitive_ = v; }
  bool Equals(const TStrings& other) const;
  std::vector<std::string> ToVector() const;

  void BeginUpdate();
  void EndUpdate();
  int UpdateCount() const { return updateCount_; }

  void Assign(const TPersistent& source) override;

  TNotifyEvent OnChange;
  TNotifyEvent OnChanging;

 protected:
  struct Item {
    std::string text;
    TObject* object = nullptr;
  };
  int CompareStrings(std::string_view a, std::string_view b) const;
  void Changing();
  void Changed();
  void CheckIndex(int i, bool allowEnd = false) const;
  std::vector<Item> items_;
  bool caseSensitive_ = false;

 private:
  int updateCount_ = 0;
  bool changedInUpdate_ = false;
};

// A string list that can keep its lines sorted and refuse duplicates.
class TStringList : public TStrings {
  PXQ_CLASS(TStringList)
 public:
  TStringList() = default;
  explicit TStringList(std::initializer_list<std::string_view> lines);

  int Add(const std::string& s) override;
  void Insert(int i, const std::string& s) override;
  void Put(int i, const std::string& s) override;
  int IndexOf(std::string_view s) const override;
  // Binary search of a sorted list: true when found; `index` is where `s` is or would go.
  bool Find(std::string_view s, int& index) const;
  void Sort();

  bool Sorted() const { return sorted_; }
  void SetSorted(bool v);
  TDuplicates Duplicates() const { return duplicates_; }
  void SetDuplicates(TDuplicates d) { duplicates_ = d; }

 private:
  bool sorted_ = false;
  TDuplicates duplicates_ = dupIgnore;
};

class TCollection;

class TCollectionItem : public TPersistent {
  PXQ_CLASS(TCollectionItem)
 public:
  explicit TCollectionItem(TCollection* collection) : collection_(collection) {}
  TCollection* Collection() const { return collection_; }
  int Index() const;
  void SetIndex(int i);

 protected:
  // Tells the collection that this item changed (its owner is notified).
  void Changed();

 private:
  friend class TCollection;
  TCollection* collection_;
};

// An owned, ordered list of items of one class.
class TCollection : public TPersistent {
  PXQ_CLASS(TCollection)
 public:
  TCollection() = default;
  ~TCollection() override;

  int Count() const { return static_cast<int>(items_.size()); }
  // Item `i`; EListError when out of bounds.
  TCollectionItem* Items(int i) const;
  TCollectionItem* Add();
  TCollectionItem* Insert(int i);
  void Delete(int i);
  void Clear();
  void Move(int from, int to);
  int IndexOf(const TCollectionItem* item) const;
  void BeginUpdate();
  void EndUpdate();
  TPersistent* IndexedItem(int index) override;

  // Raised after a change of the items or of an item (nullptr: the whole collection).
  TEvent<TCollection*, TCollectionItem*> OnUpdate;

 protected:
  virtual std::unique_ptr<TCollectionItem> NewItem() = 0;
  void Update(TCollectionItem* item);

 private:
  friend class TCollectionItem;
  std::vector<std::unique_ptr<TCollectionItem>> items_;
  int updateCount_ = 0;
};

// A collection of items of class T.
template <class T>
class TOwnedCollection : public TCollection {
 public:
  T* Items(int i) const { return static_cast<T*>(TCollection::Items(i)); }
  T* Add() { return static_cast<T*>(TCollection::Add()); }
  T* Insert(int i) { return static_cast<T*>(TCollection::Insert(i)); }

 protected:
  std::unique_ptr<TCollectionItem> NewItem() override { return std::make_unique<T>(this); }
};

}  // namespace pxq::vcl
