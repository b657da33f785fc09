#include "platform/vcl/pagecontrol.h"

#include <algorithm>

#include "platform/vcl/form.h"

namespace pxq::vcl {

const TEnumInfo& EnumInfoOf(TTabPosition*) {
  static const TEnumInfo info{"TTabPosition", {"tpTop", "tpBottom", "tpLeft", "tpRight"}};
  return info;
}
const TEnumInfo& EnumInfoOf(TTabStyle*) {
  static const TEnumInfo info{"TTabStyle", {"tsTabs", "tsButtons", "tsFlatButtons"}};
  return info;
}

// --- TTabSheet -----------------------------------------------------------------------------

PXQ_REGISTER_CLASS(TTabSheet, TWinControl)
void TTabSheet::DefineClass(TClassBuilder<TTabSheet>& c) {
  c.Str("Caption", &TControl::Caption, &TControl::SetCaption);
  c.Reference<TPageControl>("PageControl", &TTabSheet::PageControl, &TTabSheet::SetPageControl);
  c.Int("PageIndex", &TTabSheet::PageIndex, &TTabSheet::SetPageIndex);
  c.Bool("TabVisible", &TTabSheet::TabVisible, &TTabSheet::SetTabVisible);
  c.Int("ImageIndex", &TTabSheet::ImageIndex, &TTabSheet::SetImageIndex);
  c.Bool("Highlighted", &TTabSheet::Highlighted, &TTabSheet::SetHighlighted);
  c.Event("OnShow", &TTabSheet::OnShow);
  c.Event("OnHide", &TTabSheet::OnHide);
  c.Unpublish("Left");
  c.Unpublish("Top");
  c.Unpublish("Width");
  c.Unpublish("Height");
  c.Unpublish("Align");
  c.Unpublish("TabStop");
  c.Unpublish("TabOrder");
  c.Unpublish("Visible");
}

TTabSheet::TTabSheet(TComponent* owner) : TWinControl(owner) {
  TWinControl::SetVisible(false);
  SetAlign(alClient);
}

TTabSheet::~TTabSheet() {
  if (pageControl_) pageControl_->RemovePage(this);
}

void TTabSheet::BeforeDestruction() {
  if (pageControl_) pageControl_->RemovePage(this);
  TWinControl::BeforeDestruction();
}

void TTabSheet::SetPageControl(TPageControl* pc) {
  if (pc == pageControl_) return;
  if (pageControl_) pageControl_->RemovePage(this);
  SetParent(pc);
  if (pc) pc->InsertPage(this);
}

int TTabSheet::PageIndex() const {
  if (!pageControl_) return -1;
  const auto& pages = pageControl_->pages_;
  return static_cast<int>(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

void TTabSheet::SetPageIndex(int i) {
  if (!pageControl_) return;
  auto& pages = pageControl_->pages_;
  std::erase(pages, this);
  i = std::clamp(i, 0, static_cast<int>(pages.size()));
  pages.insert(pages.begin() + i, this);
  pageControl_->Changed("Pages");
}

int TTabSheet::TabIndex() const {
  if (!pageControl_ || !tabVisible_) return -1;
  int index = 0;
  for (TTabSheet* p : pageControl_->pages_) {
    if (p == this) return index;
    if (p->tabVisible_) ++index;
  }
  return -1;
}

void TTabSheet::SetTabVisible(bool v) {
  if (v == tabVisible_) return;
  tabVisible_ = v;
  Changed("TabVisible");
  if (pageControl_) pageControl_->Changed("Tabs");
}

TComponent* TTabSheet::GetParentComponent() const { return pageControl_; }

void TTabSheet::SetParentComponent(TComponent* parent) {
  if (auto* pc = dynamic_cast<TPageControl*>(parent)) SetPageControl(pc);
}

void TTabSheet::VisibleChanged() {
  TWinControl::VisibleChanged();
  if (Loading() || ComponentState().Contains(csDestroying)) return;
  if (Visible()) {
    OnShow(this);
  } else {
    OnHide(this);
  }
}

// --- TPageControl --------------------------------------------------------------------------

PXQ_REGISTER_CLASS(TPageControl, TWinControl)
void TPageControl::DefineClass(TClassBuilder<TPageControl>& c) {
  c.Reference<TTabSheet>("ActivePage", &TPageControl::ActivePage, &TPageControl::SetActivePage);
  c.Bool("MultiLine", &TPageControl::MultiLine, &TPageControl::SetMultiLine);
  c.Enum("TabPosition", &TPageControl::TabPosition, &TPageControl::SetTabPosition);
  c.Enum("Style", &TPageControl::Style, &TPageControl::SetStyle);
  c.Bool("HotTrack", &TPageControl::HotTrack, &TPageControl::SetHotTrack);
  c.Reference<TComponent>("Images", &TPageControl::Images, &TPageControl::SetImages);
  c.Event("OnChanging", &TPageControl::OnChanging, "TTabChangingEvent");
  c.Event("OnChange", &TPageControl::OnChange);
}

TPageControl::TPageControl(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 289, 193);
  SetTabStop(true);
}

TTabSheet* TPageControl::Pages(int i) const {
  if (i < 0 || i >= PageCount()) {
    throw EListError("List index out of bounds (" + std::to_string(i) + ")");
  }
  return pages_[static_cast<size_t>(i)];
}

void TPageControl::InsertPage(TTabSheet* page) {
  pages_.push_back(page);
  page->pageControl_ = this;
  if (!activePage_ && !Loading() && !page->Loading()) ShowPage(page, false);
  Changed("Pages");
}

void TPageControl::RemovePage(TTabSheet* page) {
  auto it = std::find(pages_.begin(), pages_.end(), page);
  if (it == pages_.end()) return;
  TTabSheet* next = nullptr;
  if (page == activePage_ && !ComponentState().Contains(csDestroying)) {
    next = FindNextPage(page, true, true);
    if (next == page) next = nullptr;
  }
  pages_.erase(it);
  page->pageControl_ = nullptr;
  if (page == activePage_) {
    activePage_ = nullptr;
    if (next) ShowPage(next, false);
  }
  if (!ComponentState().Contains(csDestroying)) Changed("Pages");
}

void TPageControl::ShowPage(TTabSheet* page, bool moveFocus) {
  TTabSheet* old = activePage_;
  activePage_ = page;
  if (page) {
    page->SetVisible(true);
    page->BringToFront();
  }
  if (TCustomForm* form = ParentForm(); moveFocus && form) {
    if (page && page->CanFocus()) {
      form->SetActiveControl(page);
    } else if (CanFocus()) {
      form->SetActiveControl(this);
    }
  }
  if (old && old != page) old->SetVisible(false);
  Changed("ActivePage");
}

void TPageControl::SetActivePage(TTabSheet* page) {
  if (page && page->pageControl_ != this) return;
  if (page == activePage_) return;
  if (Loading()) {
    activePage_ = page;
    return;
  }
  TCustomForm* form = ParentForm();
  // The focus leaves the old page first; an exit check may keep it where it is.
  bool moveFocus = false;
  if (form && activePage_ && activePage_->ContainsControl(form->ActiveControl())) {
    form->SetActiveControl(activePage_);
    if (form->ActiveControl() != activePage_) return;
    moveFocus = true;
  }
  ShowPage(page, moveFocus);
}

int TPageControl::ActivePageIndex() const { return activePage_ ? activePage_->PageIndex() : -1; }

void TPageControl::SetActivePageIndex(int i) {
  SetActivePage(i >= 0 && i < PageCount() ? pages_[static_cast<size_t>(i)] : nullptr);
}

int TPageControl::TabIndex() const { return activePage_ ? activePage_->TabIndex() : -1; }

TTabSheet* TPageControl::PageForTab(int tabIndex) const {
  int index = 0;
  for (TTabSheet* p : pages_) {
    if (!p->tabVisible_) continue;
    if (index++ == tabIndex) return p;
  }
  return nullptr;
}

TTabSheet* TPageControl::FindNextPage(TTabSheet* current, bool goForward,
                                      bool checkTabVisible) const {
  const int n = PageCount();
  if (n == 0) return nullptr;
  auto it = std::find(pages_.begin(), pages_.end(), current);
  int start = it == pages_.end() ? (goForward ? n - 1 : 0) : static_cast<int>(it - pages_.begin());
  int i = start;
  for (int step = 0; step < n; ++step) {
    i = goForward ? (i + 1) % n : (i + n - 1) % n;
    TTabSheet* p = pages_[static_cast<size_t>(i)];
    if (!checkTabVisible || p->tabVisible_) return p;
  }
  return nullptr;
}

bool TPageControl::ChangeActivePageByUser(TTabSheet* page) {
  if (!page || page->pageControl_ != this || page == activePage_) return false;
  bool allow = true;
  OnChanging(this, allow);
  if (!allow) return false;
  TTabSheet* before = activePage_;
  SetActivePage(page);
  if (activePage_ == before) return false;
  OnChange(this);
  return true;
}

void TPageControl::SelectNextPage(bool goForward, bool checkTabVisible) {
  TTabSheet* next = FindNextPage(activePage_, goForward, checkTabVisible);
  if (next && next != activePage_) ChangeActivePageByUser(next);
}

void TPageControl::SetImages(TComponent* images) {
  if (images_) images_->RemoveFreeNotification(this);
  images_ = images;
  if (images) images->FreeNotification(this);
}

void TPageControl::Notification(TComponent* c, TOperation op) {
  TWinControl::Notification(c, op);
  if (op == opRemove && c == images_) images_ = nullptr;
}

void TPageControl::AlignControls(TRect& rect) {
  // Pages fill the client area below the tabs.
  rect.Top = std::min(rect.Top + 24, rect.Bottom);
  rect.Left = std::min(rect.Left + 4, rect.Right);
  rect.Right = std::max(rect.Right - 4, rect.Left);
  rect.Bottom = std::max(rect.Bottom - 4, rect.Top);
  TWinControl::AlignControls(rect);
}

void TPageControl::DefaultKeyDown(Word key, TShiftState) {
  if (key == VK_RIGHT) SelectNextPage(true);
  if (key == VK_LEFT) SelectNextPage(false);
}

void TPageControl::Loaded() {
  TWinControl::Loaded();
  TTabSheet* page = activePage_;
  activePage_ = nullptr;
  if (!page || page->pageControl_ != this) page = FindNextPage(nullptr, true, true);
  for (TTabSheet* p : pages_) {
    if (p != page) p->SetVisible(false);
  }
  if (page) ShowPage(page, false);
}

}  // namespace pxq::vcl
