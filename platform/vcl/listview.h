// The list view: columns, rows (items with a caption and sub-items), selection, sorting and
// the in-place edit of a caption.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/vcl/control.h"

namespace pxq::vcl {

class TListView;
class TListItems;

class TListColumn : public TCollectionItem {
  PXQ_CLASS(TListColumn)
 public:
  using TCollectionItem::TCollectionItem;
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& c);
  int Width() const { return width_; }
  void SetWidth(int w);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment a);
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool v) { autoSize_ = v; }
  int MinWidth() const { return minWidth_; }
  void SetMinWidth(int w) { minWidth_ = std::max(w, 0); }
  int MaxWidth() const { return maxWidth_; }
  void SetMaxWidth(int w) { maxWidth_ = std::max(w, 0); }
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int i) { imageIndex_ = i; }
  int Tag() const { return tag_; }
  void SetTag(int t) { tag_ = t; }

 private:
  std::string caption_;
  int width_ = 50;
  TAlignment alignment_ = taLeftJustify;
  bool autoSize_ = false;
  int minWidth_ = 0;
  int maxWidth_ = 0;
  int imageIndex_ = -1;
  int tag_ = 0;
};

class TListColumns : public TOwnedCollection<TListColumn> {
  PXQ_CLASS(TListColumns)
};

// A row: its caption is column 0, its sub-items the further columns.
class TListItem : public TPersistent {
  PXQ_CLASS(TListItem)
 public:
  explicit TListItem(TListItems* owner);
  ~TListItem() override;

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& c);
  TStrings* SubItems() const { return subItems_.get(); }
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int i);
  int StateIndex() const { return stateIndex_; }
  void SetStateIndex(int i) { stateIndex_ = i; }
  bool Selected() const { return selected_; }
  void SetSelected(bool v);
  bool Checked() const { return checked_; }
  void SetChecked(bool v) { checked_ = v; }
  void* Data() const { return data_; }
  void SetData(void* d) { data_ = d; }
  int Index() const;
  TListItems* Owner() const { return owner_; }
  TListView* ListView() const;
  // Starts the in-place edit of the caption (false when refused).
  bool EditCaption();
  void Delete();

 private:
  friend class TListItems;
  TListItems* owner_;
  std::string caption_;
  std::unique_ptr<TStringList> subItems_;
  int imageIndex_ = -1;
  int stateIndex_ = -1;
  bool selected_ = false;
  bool checked_ = false;
  void* data_ = nullptr;
};

class TListItems : public TPersistent {
  PXQ_CLASS(TListItems)
 public:
  explicit TListItems(TListView* owner) : owner_(owner) {}
  ~TListItems() override;
  int Count() const { return static_cast<int>(items_.size()); }
  // Row `i`; EListError when out of bounds.
  TListItem* Item(int i) const;
  TListItem* operator[](int i) const { return Item(i); }
  TListItem* Add();
  TListItem* Insert(int i);
  void Delete(int i);
  void Clear();
  int IndexOf(const TListItem* item) const;
  void BeginUpdate();
  void EndUpdate();
  TListView* Owner() const { return owner_; }
  TPersistent* IndexedItem(int index) override;

 private:
  friend class TListView;
  friend class TListItem;
  TListView* owner_;
  std::vector<std::unique_ptr<TListItem>> items_;
};

enum TIconArrangement : uint8_t { iaTop, iaLeft };
const TEnumInfo& EnumInfoOf(TIconArrangement*);

// How the icon views lay their icons out.
class TIconOptions : public TPersistent {
  PXQ_CLASS(TIconOptions)
 public:
  TIconArrangement Arrangement() const { return arrangement_; }
  void SetArrangement(TIconArrangement a) { arrangement_ = a; }
  bool AutoArrange() const { return autoArrange_; }
  void SetAutoArrange(bool v) { autoArrange_ = v; }
  bool WrapText() const { return wrapText_; }
  void SetWrapText(bool v) { wrapText_ = v; }
  void Assign(const TPersistent& source) override;

 private:
  TIconArrangement arrangement_ = iaTop;
  bool autoArrange_ = false;
  bool wrapText_ = true;
};

enum TViewStyle : uint8_t { vsIcon, vsSmallIcon, vsList, vsReport };
const TEnumInfo& EnumInfoOf(TViewStyle*);
enum TSortType : uint8_t { stNone, stData, stText, stBoth };
const TEnumInfo& EnumInfoOf(TSortType*);
enum TItemChange : uint8_t { ctText, ctImage, ctState };
const TEnumInfo& EnumInfoOf(TItemChange*);

using TLVCompareEvent = TEvent<TObject*, TListItem*, TListItem*, intptr_t, int&>;
using TLVEditedEvent = TEvent<TObject*, TListItem*, std::string&>;
using TLVEditingEvent = TEvent<TObject*, TListItem*, bool&>;
using TLVSelectItemEvent = TEvent<TObject*, TListItem*, bool>;
using TLVChangeEvent = TEvent<TObject*, TListItem*, TItemChange>;
using TLVColumnClickEvent = TEvent<TObject*, TListColumn*>;
using TLVDeletedEvent = TEvent<TObject*, TListItem*>;
using TLVCompare = std::function<int(TListItem*, TListItem*, intptr_t)>;

class TListView : public TCustomControl {
  PXQ_CLASS(TListView)
 public:
  explicit TListView(TComponent* owner);

  TListColumns* Columns() const { return columns_.get(); }
  TListItems* Items() const { return items_.get(); }

  // The first selected row (nullptr: none); setting it selects only that row.
  TListItem* Selected() const;
  void SetSelected(TListItem* item);
  int ItemIndex() const;
  void SetItemIndex(int i);
  int SelCount() const;
  TListItem* ItemFocused() const { return focusedItem_; }
  void SetItemFocused(TListItem* item) { focusedItem_ = item; }
  void ClearSelection();
  // The first row with that caption (without regard to case) from `start` on, or nullptr.
  TListItem* FindCaption(int start, std::string_view caption) const;

  TViewStyle ViewStyle() const { return viewStyle_; }
  void SetViewStyle(TViewStyle v);
  TSortType SortType() const { return sortType_; }
  void SetSortType(TSortType s);
  // Sorts by OnCompare when set, else by caption without regard to case.
  bool AlphaSort();
  // Sorts by `compare` (OnCompare or the captions when empty); the order is stable.
  bool CustomSort(const TLVCompare& compare, intptr_t data);

  bool MultiSelect() const { return multiSelect_; }
  void SetMultiSelect(bool v) { multiSelect_ = v; }
  bool RowSelect() const { return rowSelect_; }
  void SetRowSelect(bool v) { rowSelect_ = v; }
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool v) { readOnly_ = v; }
  bool ShowColumnHeaders() const { return showColumnHeaders_; }
  void SetShowColumnHeaders(bool v) { showColumnHeaders_ = v; }
  bool HideSelection() const { return hideSelection_; }
  void SetHideSelection(bool v) { hideSelection_ = v; }
  bool ColumnClick() const { return columnClick_; }
  void SetColumnClick(bool v) { columnClick_ = v; }
  bool GridLines() const { return gridLines_; }
  void SetGridLines(bool v) { gridLines_ = v; }
  bool Checkboxes() const { return checkboxes_; }
  void SetCheckboxes(bool v) { checkboxes_ = v; }
  TIconOptions* IconOptions() const { return iconOptions_.get(); }
  TComponent* LargeImages() const { return largeImages_; }
  void SetLargeImages(TComponent* images);
  TComponent* SmallImages() const { return smallImages_; }
  void SetSmallImages(TComponent* images);

  // Changes inside BeginUpdate/EndUpdate are announced (and sorted) once, at the end.
  void BeginUpdate();
  void EndUpdate();

  // In-place edit of a caption: OnEditing may refuse; on commit OnEdited may change the text,
  // which then becomes the caption.
  bool BeginEditCaption(TListItem* item);
  void EndEditCaption(const std::string& text, bool accept = true);
  bool IsEditing() const { return editing_ != nullptr; }
  TListItem* EditingItem() const { return editing_; }
  // The user clicked a column header.
  void ClickColumn(int index);

  int DialogCode() const override { return DLGC_WANTARROWS; }

  TLVCompareEvent OnCompare;
  TLVEditedEvent OnEdited;
  TLVEditingEvent OnEditing;
  TLVSelectItemEvent OnSelectItem;
  TLVChangeEvent OnChange;
  TLVColumnClickEvent OnColumnClick;
  TLVDeletedEvent OnDeletion;

 protected:
  void Notification(TComponent* c, TOperation op) override;
  void DefaultKeyDown(Word key, TShiftState shift) override;

 private:
  friend class TListItem;
  friend class TListItems;
  void ItemChanged(TListItem* item, TItemChange change);
  void ItemDeleting(TListItem* item);
  void SelectionChanged(TListItem* item, bool selected);
  void SortIfNeeded();
  void SetImages(TComponent*& slot, TComponent* images);

  std::unique_ptr<TListColumns> columns_;
  std::unique_ptr<TListItems> items_;
  TViewStyle viewStyle_ = vsIcon;
  TSortType sortType_ = stNone;
  bool multiSelect_ = false;
  bool rowSelect_ = false;
  bool readOnly_ = false;
  bool showColumnHeaders_ = true;
  bool hideSelection_ = true;
  bool columnClick_ = true;
  bool gridLines_ = false;
  bool checkboxes_ = false;
  std::unique_ptr<TIconOptions> iconOptions_ = std::make_unique<TIconOptions>();
  TComponent* largeImages_ = nullptr;
  TComponent* smallImages_ = nullptr;
  TListItem* focusedItem_ = nullptr;
  TListItem* editing_ = nullptr;
  int updateCount_ = 0;
  bool changedInUpdate_ = false;
  bool sorting_ = false;
};

}  // namespace pxq::vcl
