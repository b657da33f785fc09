// Panels, bevels, splitters, images, the animation placeholder and the image-list component.
#pragma once

#include <string>

#include "platform/vcl/bitmap.h"
#include "platform/vcl/control.h"
#include "platform/vcl/form.h"
#include "platform/vcl/imagelist.h"

namespace pxq::vcl {

enum TBevelCut : uint8_t { bvNone, bvLowered, bvRaised, bvSpace };
const TEnumInfo& EnumInfoOf(TBevelCut*);

class TPanel : public TCustomControl {
  PXQ_CLASS(TPanel)
 public:
  explicit TPanel(TComponent* owner);

  TBevelCut BevelInner() const { return bevelInner_; }
  void SetBevelInner(TBevelCut b) { bevelInner_ = b; }
  TBevelCut BevelOuter() const { return bevelOuter_; }
  void SetBevelOuter(TBevelCut b) { bevelOuter_ = b; }
  int BevelWidth() const { return bevelWidth_; }
  void SetBevelWidth(int w) { bevelWidth_ = std::clamp(w, 1, 1000); }
  int BorderWidth() const { return borderWidth_; }
  void SetBorderWidth(int w) { borderWidth_ = std::clamp(w, 0, 1000); }
  TFormBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TFormBorderStyle b) { borderStyle_ = b; }
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment a) { alignment_ = a; }

 private:
  TBevelCut bevelInner_ = bvNone;
  TBevelCut bevelOuter_ = bvRaised;
  int bevelWidth_ = 1;
  int borderWidth_ = 0;
  TFormBorderStyle borderStyle_ = bsNone;
  TAlignment alignment_ = taCenter;
};

enum TBevelShape : uint8_t {
  bsBox,
  bsFrame,
  bsTopLine,
  bsBottomLine,
  bsLeftLine,
  bsRightLine,
  bsSpacer
};
const TEnumInfo& EnumInfoOf(TBevelShape*);
enum TBevelStyle : uint8_t { bsLowered, bsRaised };
const TEnumInfo& EnumInfoOf(TBevelStyle*);

class TBevel : public TGraphicControl {
  PXQ_CLASS(TBevel)
 public:
  explicit TBevel(TComponent* owner);
  TBevelShape Shape() const { return shape_; }
  void SetShape(TBevelShape s) { shape_ = s; }
  TBevelStyle Style() const { return style_; }
  void SetStyle(TBevelStyle s) { style_ = s; }

 private:
  TBevelShape shape_ = bsBox;
  TBevelStyle style_ = bsLowered;
};

enum TResizeStyle : uint8_t { rsNone, rsLine, rsUpdate, rsPattern };
const TEnumInfo& EnumInfoOf(TResizeStyle*);

// A bar between aligned controls; dragging it resizes the control before it.
class TSplitter : public TGraphicControl {
  PXQ_CLASS(TSplitter)
 public:
  explicit TSplitter(TComponent* owner);
  int MinSize() const { return minSize_; }
  void SetMinSize(int s) { minSize_ = std::max(s, 1); }
  TResizeStyle ResizeStyle() const { return resizeStyle_; }
  void SetResizeStyle(TResizeStyle s) { resizeStyle_ = s; }
  bool Beveled() const { return beveled_; }
  void SetBeveled(bool v) { beveled_ = v; }
  bool AutoSnap() const { return autoSnap_; }
  void SetAutoSnap(bool v) { autoSnap_ = v; }
  // The control the splitter resizes: the aligned sibling right before it on its side.
  TControl* ResizeControl() const;
  // Moves the splitter by `delta` pixels (the user dragged it): the control before it grows or
  // shrinks, not below MinSize; then OnMoved.
  void MoveBy(int delta);

  TNotifyEvent OnMoved;

 private:
  int minSize_ = 30;
  TResizeStyle resizeStyle_ = rsPattern;
  bool beveled_ = false;
  bool autoSnap_ = true;
};

class TImage : public TGraphicControl {
  PXQ_CLASS(TImage)
 public:
  explicit TImage(TComponent* owner);
  TBitmap& Picture() { return picture_; }
  const TBitmap& Picture() const { return picture_; }
  void SetPicture(const TBitmap& b);
  bool Stretch() const { return stretch_; }
  void SetStretch(bool v) { stretch_ = v; }
  bool Center() const { return center_; }
  void SetCenter(bool v) { center_ = v; }
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool v) { transparent_ = v; }
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool v);

 private:
  TBitmap picture_;
  bool stretch_ = false;
  bool center_ = false;
  bool transparent_ = false;
  bool autoSize_ = false;
};

enum TCommonAVI : uint8_t {
  aviNone,
  aviFindFolder,
  aviFindFile,
  aviFindComputer,
  aviCopyFiles,
  aviCopyFile,
  aviRecycleFile,
  aviEmptyRecycle,
  aviDeleteFile
};
const TEnumInfo& EnumInfoOf(TCommonAVI*);

// An animation placeholder without a timer: it keeps its settings and whether it plays.
class TAnimate : public TWinControl {
  PXQ_CLASS(TAnimate)
 public:
  explicit TAnimate(TComponent* owner);
  bool Active() const { return active_; }
  void SetActive(bool v);
  TCommonAVI CommonAVI() const { return commonAVI_; }
  void SetCommonAVI(TCommonAVI a) { commonAVI_ = a; }
  const std::string& FileName() const { return fileName_; }
  void SetFileName(const std::string& f) { fileName_ = f; }
  int Repetitions() const { return repetitions_; }
  void SetRepetitions(int r) { repetitions_ = std::max(r, 0); }
  bool Center() const { return center_; }
  void SetCenter(bool v) { center_ = v; }
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool v) { transparent_ = v; }
  void Play() { SetActive(true); }
  void Stop() { SetActive(false); }

  TNotifyEvent OnStart;
  TNotifyEvent OnStop;

 private:
  bool active_ = false;
  TCommonAVI commonAVI_ = aviNone;
  std::string fileName_;
  int repetitions_ = 0;
  bool center_ = true;
  bool transparent_ = true;
};

// The image list as a component of a form (descriptions name its class TImageList); the
// images themselves are a TImageList.
class TCustomImageList : public TComponent {
  PXQ_CLASS(TCustomImageList)
 public:
  explicit TCustomImageList(TComponent* owner);
  TImageList& Images() { return images_; }
  const TImageList& Images() const { return images_; }
  int Width() const { return images_.Width(); }
  void SetWidth(int w) { images_.SetWidth(std::clamp(w, 1, 1024)); }
  int Height() const { return images_.Height(); }
  void SetHeight(int h) { images_.SetHeight(std::clamp(h, 1, 1024)); }
  int Count() const { return images_.Count(); }
  bool Masked() const { return masked_; }
  void SetMasked(bool v) { masked_ = v; }
  TColor BkColor() const { return bkColor_; }
  void SetBkColor(TColor c) { bkColor_ = c; }

 private:
  TImageList images_{16, 16};
  bool masked_ = true;
  TColor bkColor_ = clNone;
};

}  // namespace pxq::vcl
