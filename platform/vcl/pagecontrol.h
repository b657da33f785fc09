// The page control and its tab sheets. Only the active page is visible. A page change made
// by the user (a tab click, SelectNextPage) asks OnChanging first, which may refuse it, and
// raises OnChange after; setting ActivePage in code raises neither. When the focus is on the
// page that goes away it moves to the new page.
#pragma once

#include <vector>

#include "platform/vcl/control.h"

namespace pxq::vcl {

class TPageControl;

class TTabSheet : public TWinControl {
  PXQ_CLASS(TTabSheet)
 public:
  explicit TTabSheet(TComponent* owner);
  ~TTabSheet() override;
  void BeforeDestruction() override;

  TPageControl* PageControl() const { return pageControl_; }
  void SetPageControl(TPageControl* pc);
  int PageIndex() const;
  void SetPageIndex(int i);
  // The tab's position among the visible tabs, or -1 when its tab is hidden.
  int TabIndex() const;
  bool TabVisible() const { return tabVisible_; }
  void SetTabVisible(bool v);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int i) { imageIndex_ = i; }
  bool Highlighted() const { return highlighted_; }
  void SetHighlighted(bool v) { highlighted_ = v; }

  TComponent* GetParentComponent() const override;
  void SetParentComponent(TComponent* parent) override;

  TNotifyEvent OnShow;
  TNotifyEvent OnHide;

 protected:
  void VisibleChanged() override;

 private:
  friend class TPageControl;
  TPageControl* pageControl_ = nullptr;
  bool tabVisible_ = true;
  int imageIndex_ = -1;
  bool highlighted_ = false;
};

enum TTabPosition : uint8_t { tpTop, tpBottom, tpLeft, tpRight };
const TEnumInfo& EnumInfoOf(TTabPosition*);
enum TTabStyle : uint8_t { tsTabs, tsButtons, tsFlatButtons };
const TEnumInfo& EnumInfoOf(TTabStyle*);

using TTabChangingEvent = TEvent<TObject*, bool&>;

class TPageControl : public TWinControl {
  PXQ_CLASS(TPageControl)
 public:
  explicit TPageControl(TComponent* owner);

  int PageCount() const { return static_cast<int>(pages_.size()); }
  TTabSheet* Pages(int i) const;
  TTabSheet* ActivePage() const { return activePage_; }
  // Makes `page` the visible page (no OnChanging or OnChange).
  void SetActivePage(TTabSheet* page);
  int ActivePageIndex() const;
  void SetActivePageIndex(int i);
  // The active page's position among the visible tabs (-1: none).
  int TabIndex() const;
  // The page shown by visible tab `tabIndex`, or nullptr.
  TTabSheet* PageForTab(int tabIndex) const;
  // The next (or previous) page, cyclically; with checkTabVisible only pages whose tab shows.
  TTabSheet* FindNextPage(TTabSheet* current, bool goForward, bool checkTabVisible) const;
  // Moves to the next page as the user does (OnChanging may refuse, then OnChange).
  void SelectNextPage(bool goForward, bool checkTabVisible = true);
  // The user clicked the tab of `page`: false when the change was refused.
  bool ChangeActivePageByUser(TTabSheet* page);

  bool MultiLine() const { return multiLine_; }
  void SetMultiLine(bool v) { multiLine_ = v; }
  TTabPosition TabPosition() const { return tabPosition_; }
  void SetTabPosition(TTabPosition p) { tabPosition_ = p; }
  TTabStyle Style() const { return style_; }
  void SetStyle(TTabStyle s) { style_ = s; }
  bool HotTrack() const { return hotTrack_; }
  void SetHotTrack(bool v) { hotTrack_ = v; }
  TComponent* Images() const { return images_; }
  void SetImages(TComponent* images);

  void Loaded() override;

  TTabChangingEvent OnChanging;
  TNotifyEvent OnChange;

 protected:
  void Notification(TComponent* c, TOperation op) override;
  void AlignControls(TRect& rect) override;
  void DefaultKeyDown(Word key, TShiftState shift) override;
  int DialogCode() const override { return DLGC_WANTARROWS; }

 private:
  friend class TTabSheet;
  void InsertPage(TTabSheet* page);
  void RemovePage(TTabSheet* page);
  void ShowPage(TTabSheet* page, bool moveFocus);

  std::vector<TTabSheet*> pages_;
  TTabSheet* activePage_ = nullptr;
  bool multiLine_ = false;
  TTabPosition tabPosition_ = tpTop;
  TTabStyle style_ = tsTabs;
  bool hotTrack_ = false;
  TComponent* images_ = nullptr;
};

}  // namespace pxq::vcl
