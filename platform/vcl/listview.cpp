#include "platform/vcl/listview.h"

#include <algorithm>

#include "platform/os/text.h"
#include "platform/vcl/application.h"

namespace pxq::vcl {

const TEnumInfo& EnumInfoOf(TIconArrangement*) {
  static const TEnumInfo info{"TIconArrangement", {"iaTop", "iaLeft"}};
  return info;
}

PXQ_REGISTER_CLASS(TIconOptions, TPersistent)
void TIconOptions::DefineClass(TClassBuilder<TIconOptions>& c) {
  c.Enum("Arrangement", &TIconOptions::Arrangement, &TIconOptions::SetArrangement);
  c.Bool("AutoArrange", &TIconOptions::AutoArrange, &TIconOptions::SetAutoArrange);
  c.Bool("WrapText", &TIconOptions::WrapText, &TIconOptions::SetWrapText);
}

void TIconOptions::Assign(const TPersistent& source) {
  const auto* o = dynamic_cast<const TIconOptions*>(&source);
  if (!o) return TPersistent::Assign(source);
  arrangement_ = o->arrangement_;
  autoArrange_ = o->autoArrange_;
  wrapText_ = o->wrapText_;
}

const TEnumInfo& EnumInfoOf(TViewStyle*) {
  static const TEnumInfo info{"TViewStyle", {"vsIcon", "vsSmallIcon", "vsList", "vsReport"}};
  return info;
}
const TEnumInfo& EnumInfoOf(TSortType*) {
  static const TEnumInfo info{"TSortType", {"stNone", "stData", "stText", "stBoth"}};
  return info;
}
const TEnumInfo& EnumInfoOf(TItemChange*) {
  static const TEnumInfo info{"TItemChange", {"ctText", "ctImage", "ctState"}};
  return info;
}

// --- Columns -------------------------------------------------------------------------------

PXQ_REGISTER_CLASS(TListColumn, TCollectionItem)
void TListColumn::DefineClass(TClassBuilder<TListColumn>& c) {
  c.Str("Caption", &TListColumn::Caption, &TListColumn::SetCaption);
  c.Int("Width", &TListColumn::Width, &TListColumn::SetWidth);
  c.Enum("Alignment", &TListColumn::Alignment, &TListColumn::SetAlignment);
  c.Bool("AutoSize", &TListColumn::AutoSize, &TListColumn::SetAutoSize);
  c.Int("MinWidth", &TListColumn::MinWidth, &TListColumn::SetMinWidth);
  c.Int("MaxWidth", &TListColumn::MaxWidth, &TListColumn::SetMaxWidth);
  c.Int("ImageIndex", &TListColumn::ImageIndex, &TListColumn::SetImageIndex);
  c.Int("Tag", &TListColumn::Tag, &TListColumn::SetTag);
}

void TListColumn::SetCaption(const std::string& c) {
  if (c == caption_) return;
  caption_ = c;
  Changed();
}

void TListColumn::SetWidth(int w) {
  w = std::clamp(w, -2, 100000);  // -1 and -2: sized to the contents or the header
  if (w == width_) return;
  width_ = w;
  Changed();
}

void TListColumn::SetAlignment(TAlignment a) {
  if (a == alignment_) return;
  alignment_ = a;
  Changed();
}

PXQ_REGISTER_CLASS(TListColumns, TCollection)
void TListColumns::DefineClass(TClassBuilder<TListColumns>&) {}

// --- Items ---------------------------------------------------------------------------------

PXQ_REGISTER_CLASS(TListItem, TPersistent)
void TListItem::DefineClass(TClassBuilder<TListItem>& c) {
  c.Str("Caption", &TListItem::Caption, &TListItem::SetCaption);
  c.Strings("SubItems", &TListItem::SubItems);
  c.Int("ImageIndex", &TListItem::ImageIndex, &TListItem::SetImageIndex);
  c.Bool("Selected", &TListItem::Selected, &TListItem::SetSelected);
  c.Bool("Checked", &TListItem::Checked, &TListItem::SetChecked);
}

TListItem::TListItem(TListItems* owner)
    : owner_(owner), subItems_(std::make_unique<TStringList>()) {
  subItems_->OnChange = [this](TObject*) {
    if (TListView* lv = ListView()) lv->ItemChanged(this, ctText);
  };
}

TListItem::~TListItem() = default;

void TListItem::SetCaption(const std::string& c) {
  if (c == caption_) return;
  caption_ = c;
  if (TListView* lv = ListView()) lv->ItemChanged(this, ctText);
}

void TListItem::SetImageIndex(int i) {
  if (i == imageIndex_) return;
  imageIndex_ = i;
  if (TListView* lv = ListView()) lv->ItemChanged(this, ctImage);
}

void TListItem::SetSelected(bool v) {
  if (v == selected_) return;
  TListView* lv = ListView();
  if (v && lv && !lv->MultiSelect()) {
    for (auto& other : owner_->items_) {
      if (other.get() != this && other->selected_) other->SetSelected(false);
    }
  }
  selected_ = v;
  if (lv) lv->SelectionChanged(this, v);
}

int TListItem::Index() const { return owner_ ? owner_->IndexOf(this) : -1; }

TListView* TListItem::ListView() const { return owner_ ? owner_->Owner() : nullptr; }

bool TListItem::EditCaption() {
  TListView* lv = ListView();
  return lv && lv->BeginEditCaption(this);
}

void TListItem::Delete() {
  if (owner_) owner_->Delete(Index());
}

PXQ_REGISTER_CLASS(TListItems, TPersistent)
void TListItems::DefineClass(TClassBuilder<TListItems>& c) { c.Int("Count", &TListItems::Count); }

TListItems::~TListItems() = default;

TListItem* TListItems::Item(int i) const {
  if (i < 0 || i >= Count())
    throw EListError("List index out of bounds (" + std::to_string(i) + ")");
  return items_[static_cast<size_t>(i)].get();
}

TListItem* TListItems::Add() { return Insert(Count()); }

TListItem* TListItems::Insert(int i) {
  i = std::clamp(i, 0, Count());
  items_.insert(items_.begin() + i, std::make_unique<TListItem>(this));
  TListItem* item = items_[static_cast<size_t>(i)].get();
  if (owner_) owner_->ItemChanged(item, ctState);
  return item;
}

void TListItems::Delete(int i) {
  TListItem* item = Item(i);
  if (owner_) owner_->ItemDeleting(item);
  auto doomed = std::move(items_[static_cast<size_t>(i)]);
  items_.erase(items_.begin() + i);
  doomed.reset();
  if (owner_) owner_->ItemChanged(nullptr, ctState);
}

void TListItems::Clear() {
  if (items_.empty()) return;
  BeginUpdate();
  while (!items_.empty()) Delete(Count() - 1);
  EndUpdate();
}

int TListItems::IndexOf(const TListItem* item) const {
  for (size_t i = 0; i < items_.size(); ++i) {
    if (items_[i].get() == item) return static_cast<int>(i);
  }
  return -1;
}

void TListItems::BeginUpdate() {
  if (owner_) owner_->BeginUpdate();
}

void TListItems::EndUpdate() {
  if (owner_) owner_->EndUpdate();
}

TPersistent* TListItems::IndexedItem(int index) {
  return index >= 0 && index < Count() ? items_[static_cast<size_t>(index)].get() : nullptr;
}

// --- TListView -----------------------------------------------------------------------------

PXQ_REGISTER_CLASS(TListView, TCustomControl)
void TListView::DefineClass(TClassBuilder<TListView>& c) {
  c.Object<TListColumns>("Columns", &TListView::Columns);
  c.Object<TListItems>("Items", &TListView::Items);
  c.Int("ItemIndex", &TListView::ItemIndex, &TListView::SetItemIndex);
  c.Enum("ViewStyle", &TListView::ViewStyle, &TListView::SetViewStyle);
  c.Enum("SortType", &TListView::SortType, &TListView::SetSortType);
  c.Bool("MultiSelect", &TListView::MultiSelect, &TListView::SetMultiSelect);
  c.Bool("RowSelect", &TListView::RowSelect, &TListView::SetRowSelect);
  c.Bool("ReadOnly", &TListView::ReadOnly, &TListView::SetReadOnly);
  c.Bool("ShowColumnHeaders", &TListView::ShowColumnHeaders, &TListView::SetShowColumnHeaders);
  c.Bool("HideSelection", &TListView::HideSelection, &TListView::SetHideSelection);
  c.Bool("ColumnClick", &TListView::ColumnClick, &TListView::SetColumnClick);
  c.Bool("GridLines", &TListView::GridLines, &TListView::SetGridLines);
  c.Bool("Checkboxes", &TListView::Checkboxes, &TListView::SetCheckboxes);
  c.Object<TIconOptions>("IconOptions", &TListView::IconOptions);
  c.Reference<TComponent>("LargeImages", &TListView::LargeImages, &TListView::SetLargeImages);
  c.Reference<TComponent>("SmallImages", &TListView::SmallImages, &TListView::SetSmallImages);
  c.Event("OnCompare", &TListView::OnCompare, "TLVCompareEvent");
  c.Event("OnEdited", &TListView::OnEdited, "TLVEditedEvent");
  c.Event("OnEditing", &TListView::OnEditing, "TLVEditingEvent");
  c.Event("OnSelectItem", &TListView::OnSelectItem, "TLVSelectItemEvent");
  c.Event("OnChange", &TListView::OnChange, "TLVChangeEvent");
  c.Event("OnColumnClick", &TListView::OnColumnClick, "TLVColumnClickEvent");
  c.Event("OnDeletion", &TListView::OnDeletion, "TLVDeletedEvent");
}

TListView::TListView(TComponent* owner)
    : TCustomControl(owner),
      columns_(std::make_unique<TListColumns>()),
      items_(std::make_unique<TListItems>(this)) {
  SetBounds(0, 0, 250, 150);
  SetTabStop(true);
  SetColor(clWindow);
  columns_->OnUpdate = [this](TCollection*, TCollectionItem*) { Changed("Columns"); };
}

TListItem* TListView::Selected() const {
  for (const auto& item : items_->items_) {
    if (item->Selected()) return item.get();
  }
  return nullptr;
}

void TListView::SetSelected(TListItem* item) {
  if (item && item->ListView() != this) return;
  BeginUpdate();
  for (const auto& other : items_->items_) {
    if (other.get() != item) other->SetSelected(false);
  }
  if (item) {
    item->SetSelected(true);
    focusedItem_ = item;
  }
  EndUpdate();
}

int TListView::ItemIndex() const {
  TListItem* item = Selected();
  return item ? item->Index() : -1;
}

void TListView::SetItemIndex(int i) {
  SetSelected(i >= 0 && i < items_->Count() ? items_->Item(i) : nullptr);
}

int TListView::SelCount() const {
  return static_cast<int>(std::count_if(items_->items_.begin(), items_->items_.end(),
                                        [](const auto& item) { return item->Selected(); }));
}

void TListView::ClearSelection() { SetSelected(nullptr); }

TListItem* TListView::FindCaption(int start, std::string_view caption) const {
  for (int i = std::max(start, 0); i < items_->Count(); ++i) {
    TListItem* item = items_->Item(i);
    if (os::EqualsIgnoreCase(item->Caption(), caption)) return item;
  }
  return nullptr;
}

void TListView::SetViewStyle(TViewStyle v) {
  if (v == viewStyle_) return;
  viewStyle_ = v;
  Changed("ViewStyle");
}

void TListView::SetSortType(TSortType s) {
  if (s == sortType_) return;
  sortType_ = s;
  SortIfNeeded();
}

bool TListView::AlphaSort() { return CustomSort(nullptr, 0); }

bool TListView::CustomSort(const TLVCompare& compare, intptr_t data) {
  if (sorting_) return false;
  sorting_ = true;
  auto less = [&](const std::unique_ptr<TListItem>& a, const std::unique_ptr<TListItem>& b) {
    int result = 0;
    if (compare) {
      result = compare(a.get(), b.get(), data);
    } else if (OnCompare) {
      OnCompare(this, a.get(), b.get(), data, result);
    } else {
      const std::string ua = os::UpperAscii(a->Caption());
      const std::string ub = os::UpperAscii(b->Caption());
      result = ua < ub ? -1 : (ua == ub ? 0 : 1);
    }
    return result < 0;
  };
  std::stable_sort(items_->items_.begin(), items_->items_.end(), less);
  sorting_ = false;
  Changed("Items");
  return true;
}

void TListView::SortIfNeeded() {
  if (sortType_ == stNone || updateCount_ > 0 || sorting_ || Loading()) return;
  AlphaSort();
}

void TListView::SetImages(TComponent*& slot, TComponent* images) {
  if (slot == images) return;
  if (slot && slot != largeImages_ && slot != smallImages_) slot->RemoveFreeNotification(this);
  slot = images;
  if (images) images->FreeNotification(this);
}

void TListView::SetLargeImages(TComponent* images) { SetImages(largeImages_, images); }
void TListView::SetSmallImages(TComponent* images) { SetImages(smallImages_, images); }

void TListView::Notification(TComponent* c, TOperation op) {
  TCustomControl::Notification(c, op);
  if (op != opRemove) return;
  if (c == largeImages_) largeImages_ = nullptr;
  if (c == smallImages_) smallImages_ = nullptr;
}

void TListView::BeginUpdate() {
  if (updateCount_++ == 0) changedInUpdate_ = false;
}

void TListView::EndUpdate() {
  if (updateCount_ > 0 && --updateCount_ == 0 && changedInUpdate_) {
    changedInUpdate_ = false;
    SortIfNeeded();
    Changed("Items");
  }
}

void TListView::ItemChanged(TListItem* item, TItemChange change) {
  if (ComponentState().Contains(csDestroying)) return;
  if (updateCount_ > 0) {
    changedInUpdate_ = true;
  } else {
    if (change == ctText) SortIfNeeded();
    Changed("Items");
  }
  if (item) OnChange(this, item, change);
}

void TListView::ItemDeleting(TListItem* item) {
  if (item == editing_) editing_ = nullptr;
  if (item == focusedItem_) focusedItem_ = nullptr;
  if (!ComponentState().Contains(csDestroying)) OnDeletion(this, item);
}

void TListView::SelectionChanged(TListItem* item, bool selected) {
  if (selected) focusedItem_ = item;
  if (ComponentState().Contains(csDestroying)) return;
  OnSelectItem(this, item, selected);
  ItemChanged(item, ctState);
}

bool TListView::BeginEditCaption(TListItem* item) {
  if (!item || item->ListView() != this || readOnly_ || !Enabled()) return false;
  bool allow = true;
  OnEditing(this, item, allow);
  if (!allow) return false;
  editing_ = item;
  return true;
}

void TListView::EndEditCaption(const std::string& text, bool accept) {
  TListItem* item = editing_;
  editing_ = nullptr;
  if (!item || !accept) return;
  std::string s = text;
  OnEdited(this, item, s);
  if (items_->IndexOf(item) >= 0) item->SetCaption(s);
}

void TListView::ClickColumn(int index) {
  if (!columnClick_ || index < 0 || index >= columns_->Count()) return;
  OnColumnClick(this, columns_->Items(index));
}

void TListView::DefaultKeyDown(Word key, TShiftState) {
  const int n = items_->Count();
  if (n == 0) return;
  int i = ItemIndex();
  switch (key) {
    case VK_DOWN:
    case VK_RIGHT:
      SetItemIndex(std::min(i + 1, n - 1));
      break;
    case VK_UP:
    case VK_LEFT:
      SetItemIndex(std::max(i - 1, 0));
      break;
    case VK_HOME:
      SetItemIndex(0);
      break;
    case VK_END:
      SetItemIndex(n - 1);
      break;
    case VK_F2:
      if (TListItem* item = Selected()) BeginEditCaption(item);
      break;
    default:
      break;
  }
}

}  // namespace pxq::vcl
