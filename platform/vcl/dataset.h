// The in-memory client data set: field definitions, fields, rows kept in the order of an index,
// a cursor with the platform's edit states, key search, and rows loaded from a data packet
// (how a provider of the application server delivers them).
//
// Data packet (a Variant): a 0-based array [field descriptors, rows]. Field descriptors are an
// array of [name, type, size] with type one of "string", "integer", "float", "boolean", "date",
// "datetime", "memo"; rows are an array of rows, each an array of values in field order.
#pragma once

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "platform/variant/variant.h"

namespace pxq::vcl {

// Raised for operations the data set's state does not allow and for values a field cannot take.
class EDatabaseError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

enum class TFieldType {
  ftUnknown,
  ftString,
  ftInteger,
  ftFloat,
  ftBoolean,
  ftDate,
  ftDateTime,
  ftMemo
};
enum class TDataSetState { dsInactive, dsBrowse, dsEdit, dsInsert };
// What a change notification reports: the state changed, the rows changed (open, close,
// post, delete, load, index), a field of the current record changed, the cursor moved.
enum class TDataEvent { deStateChange, deDataSetChange, deRecordChange, deScroll };

// The type names used in data packets ("string", ...); ftUnknown for an unknown name.
const char* FieldTypeName(TFieldType type);
TFieldType FieldTypeFromName(std::string_view name);

class TClientDataSet;

struct TFieldDef {
  std::string Name;
  TFieldType DataType = TFieldType::ftString;
  int Size = 0;  // string fields: the width in bytes (0: no limit)
  bool Required = false;
};

class TFieldDefs {
 public:
  int Count() const { return static_cast<int>(defs_.size()); }
  const TFieldDef& operator[](int index) const { return defs_.at(static_cast<size_t>(index)); }
  // Adds a definition; EDatabaseError for an empty or duplicate name (names ignore case), for
  // ftUnknown, or while the data set is open.
  void Add(std::string name, TFieldType type, int size = 0, bool required = false);
  void Clear();
  // Index of the named definition (without regard to case), or -1.
  int IndexOf(std::string_view name) const;

 private:
  friend class TClientDataSet;
  explicit TFieldDefs(TClientDataSet& owner) : owner_(owner) {}
  TClientDataSet& owner_;
  std::vector<TFieldDef> defs_;
};

// One column of the data set, reading and writing the value of the current record.
class TField {
 public:
  // Shows the value: `text` comes in empty; `displayText` is true for display, false for edit.
  using TFieldGetTextEvent =
      std::function<void(TField& sender, std::string& text, bool displayText)>;
  // Stores an entered text.
  using TFieldSetTextEvent = std::function<void(TField& sender, const std::string& text)>;

  const std::string& FieldName() const { return name_; }
  TFieldType DataType() const { return type_; }
  int Size() const { return size_; }
  int Index() const { return index_; }
  TClientDataSet& DataSet() const { return owner_; }

  // Defaults to the field name.
  const std::string& DisplayLabel() const { return displayLabel_.empty() ? name_ : displayLabel_; }
  void SetDisplayLabel(std::string label) { displayLabel_ = std::move(label); }
  bool Visible() const { return visible_; }
  void SetVisible(bool visible) { visible_ = visible; }

  // The value of the current record: Null when unset or when there is no record. Writing needs
  // the edit or insert state; the value is converted to the field's type (texts are narrowed
  // to the ANSI code page and cut to Size bytes, never inside a double-byte character).
  Variant Value() const;
  void SetValue(const Variant& value);
  bool IsNull() const { return Value().IsNull(); }
  void Clear() { SetValue(Variant::Null()); }

  // Conversions in the platform's manner; a null value reads as "", 0, 0.0, false.
  std::string AsString() const;
  void SetAsString(std::string_view text);
  int AsInteger() const;
  void SetAsInteger(int value) { SetValue(Variant(value)); }
  double AsFloat() const;
  void SetAsFloat(double value) { SetValue(Variant(value)); }
  bool AsBoolean() const;
  void SetAsBoolean(bool value) { SetValue(Variant(value)); }
  // Date fields: the day count of the automation convention.
  double AsDateTime() const;
  void SetAsDateTime(double days) { SetValue(Variant::Date(days)); }

  // The texts through OnGetText when assigned, else AsString.
  std::string Text() const;
  std::string DisplayText() const;
  // Through OnSetText when assigned, else SetAsString.
  void SetText(std::string_view text);

  TFieldGetTextEvent OnGetText;
  TFieldSetTextEvent OnSetText;

 private:
  friend class TClientDataSet;
  TField(TClientDataSet& owner, const TFieldDef& def, int index);
  std::string GetTextThrough(bool displayText) const;

  TClientDataSet& owner_;
  std::string name_;
  TFieldType type_;
  int size_;
  int index_;
  std::string displayLabel_;
  bool visible_ = true;
};

enum class TLocateOption { loCaseInsensitive = 1, loPartialKey = 2 };
using TLocateOptions = int;  // bits of TLocateOption

class TClientDataSet {
 public:
  using TChangeListener = std::function<void(TClientDataSet& sender, TDataEvent event)>;
  // Fetches a data packet for the provider name (the remote server connection).
  using TProviderFetch = std::function<Variant(const std::string& providerName)>;

  TClientDataSet();
  ~TClientDataSet();
  TClientDataSet(const TClientDataSet&) = delete;
  TClientDataSet& operator=(const TClientDataSet&) = delete;

  std::string Name;

  // Definitions; the fields follow them (a field object lives as long as its definition, so
  // its handlers, label and visibility survive closing and reopening).
  TFieldDefs& FieldDefs() { return fieldDefs_; }
  const TFieldDefs& FieldDefs() const { return fieldDefs_; }
  int FieldCount() const { return static_cast<int>(fields_.size()); }
  TField& Fields(int index) const;
  // EDatabaseError "Field 'X' not found" when missing.
  TField& FieldByName(std::string_view name) const;
  TField* FindField(std::string_view name) const;

  // Opening and closing. Closing drops the rows; Open fetches them from the provider and raises
  // EDatabaseError when there is none. CreateDataSet opens an empty data set on FieldDefs.
  bool Active() const { return state_ != TDataSetState::dsInactive; }
  void SetActive(bool active);
  void Open() { SetActive(true); }
  void Close() { SetActive(false); }
  void CreateDataSet();
  TDataSetState State() const { return state_; }

  const std::string& ProviderName() const { return providerName_; }
  void SetProviderName(std::string name) { providerName_ = std::move(name); }
  void SetRemoteServer(TProviderFetch fetch) { fetch_ = std::move(fetch); }

  // The data packet of the open data set, and loading one (replaces FieldDefs and the rows,
  // opens the data set). EDatabaseError for a malformed packet, leaving the data set unchanged.
  Variant Data() const;
  void SetData(const Variant& packet);
  // Appends rows (an array of rows, each an array of values in field order; missing values
  // are null, extra ones ignored) to the open data set. All rows are converted before any is
  // added, so a bad value adds none.
  void LoadRows(const Variant& rows);
  // Removes every row; the data set stays open.
  void EmptyDataSet();

  // Navigation. BOF and EOF are both true when there are no rows.
  void First();
  void Last();
  void Next();
  void Prior();
  int MoveBy(int distance);
  bool Bof() const { return bof_; }
  bool Eof() const { return eof_; }
  int RecordCount() const;
  // 1-based number of the current record in index order; 0 without rows.
  int RecNo() const;
  void SetRecNo(int recNo);
  bool IsEmpty() const { return RecordCount() == 0; }

  // Editing. Append and Insert start a new record (Insert places it before the current one in
  // unindexed order), Edit copies the current one; Post stores it in index order and makes it
  // current, Cancel drops it. Navigating posts a pending record first, as the platform does.
  void Append();
  void Insert();
  void Edit();
  void Post();
  void Cancel();
  void Delete();
  // Posts when editing or inserting.
  void CheckBrowseMode();

  // Index on one or more fields separated by ";" (ascending; texts byte-wise; nulls first).
  // Empty: the order in which rows were added.
  const std::string& IndexFieldNames() const { return indexFieldNames_; }
  void SetIndexFieldNames(std::string names);
  // Index name, kept for the form description (the index itself is IndexFieldNames).
  std::string IndexName;

  // Moves to the first record whose index fields equal the keys (as many keys as given, from
  // the first index field); false and no move when none. EDatabaseError without an index.
  bool FindKey(const std::vector<Variant>& keys);
  // Moves to the first record whose fields ("A;B") equal the values: one value for one field,
  // an array of values for several. Options: loCaseInsensitive, loPartialKey (texts start with
  // the value). False and no move when none.
  bool Locate(std::string_view fieldNames, const Variant& values, TLocateOptions options = 0);

  // Change notification; returns an id for RemoveChangeListener.
  int AddChangeListener(TChangeListener listener);
  void RemoveChangeListener(int id);

 private:
  friend class TField;
  friend class TFieldDefs;
  struct Row;

  void SyncFields();
  const Variant& CurrentValue(int index) const;
  void SetCurrentValue(int index, Variant value);
  static std::vector<std::vector<Variant>> ConvertRows(const std::vector<TFieldDef>& defs,
                                                       const Variant& rows);
  void Rebuild(const Row* current);
  std::vector<int> FieldIndexes(std::string_view names, bool strict) const;
  void MoveTo(int index, bool bof, bool eof);
  void CheckActive() const;
  void SetState(TDataSetState state);
  void Notify(TDataEvent event);
  void OpenWithPacket(const Variant& packet);

  TFieldDefs fieldDefs_;
  std::vector<std::unique_ptr<TField>> fields_;
  std::vector<std::unique_ptr<Row>> rows_;  // in the order they were added
  std::vector<Row*> view_;                  // in index order
  int cur_ = -1;
  bool bof_ = true;
  bool eof_ = true;
  TDataSetState state_ = TDataSetState::dsInactive;
  std::vector<Variant> buffer_;  // the record being edited or inserted
  std::string indexFieldNames_;
  std::vector<int> indexFields_;
  std::string providerName_;
  TProviderFetch fetch_;
  std::vector<std::pair<int, TChangeListener>> listeners_;
  int nextListener_ = 1;
  Row* insertBefore_ = nullptr;  // where Insert puts the new record in unindexed order
};

}  // namespace pxq::vcl
