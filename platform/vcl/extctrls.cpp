#include "platform/vcl/extctrls.h"

#include <algorithm>

namespace pxq::vcl {

const TEnumInfo& EnumInfoOf(TBevelCut*) {
  static const TEnumInfo info{"TBevelCut", {"bvNone", "bvLowered", "bvRaised", "bvSpace"}};
  return info;
}
const TEnumInfo& EnumInfoOf(TBevelShape*) {
  static const TEnumInfo info{
      "TBevelShape",
      {"bsBox", "bsFrame", "bsTopLine", "bsBottomLine", "bsLeftLine", "bsRightLine", "bsSpacer"}};
  return info;
}
const TEnumInfo& EnumInfoOf(TBevelStyle*) {
  static const TEnumInfo info{"TBevelStyle", {"bsLowered", "bsRaised"}};
  return info;
}
const TEnumInfo& EnumInfoOf(TResizeStyle*) {
  static const TEnumInfo info{"TResizeStyle", {"rsNone", "rsLine", "rsUpdate", "rsPattern"}};
  return info;
}
const TEnumInfo& EnumInfoOf(TCommonAVI*) {
  static const TEnumInfo info{
      "TCommonAVI",
      {"aviNone", "aviFindFolder", "aviFindFile", "aviFindComputer", "aviCopyFiles", "aviCopyFile",
       "aviRecycleFile", "aviEmptyRecycle", "aviDeleteFile"}};
  return info;
}

// --- TPanel, TBevel ------------------------------------------------------------------------

PXQ_REGISTER_CLASS(TPanel, TCustomControl)
void TPanel::DefineClass(TClassBuilder<TPanel>& c) {
  c.Str("Caption", &TControl::Caption, &TControl::SetCaption);
  c.Enum("BevelInner", &TPanel::BevelInner, &TPanel::SetBevelInner);
  c.Enum("BevelOuter", &TPanel::BevelOuter, &TPanel::SetBevelOuter);
  c.Int("BevelWidth", &TPanel::BevelWidth, &TPanel::SetBevelWidth);
  c.Int("BorderWidth", &TPanel::BorderWidth, &TPanel::SetBorderWidth);
  c.Enum("BorderStyle", &TPanel::BorderStyle, &TPanel::SetBorderStyle);
  c.Enum("Alignment", &TPanel::Alignment, &TPanel::SetAlignment);
}

TPanel::TPanel(TComponent* owner) : TCustomControl(owner) { SetBounds(0, 0, 185, 41); }

PXQ_REGISTER_CLASS(TBevel, TGraphicControl)
void TBevel::DefineClass(TClassBuilder<TBevel>& c) {
  c.Enum("Shape", &TBevel::Shape, &TBevel::SetShape);
  c.Enum("Style", &TBevel::Style, &TBevel::SetStyle);
}

TBevel::TBevel(TComponent* owner) : TGraphicControl(owner) { SetBounds(0, 0, 50, 50); }

// --- TSplitter -----------------------------------------------------------------------------

PXQ_REGISTER_CLASS(TSplitter, TGraphicControl)
void TSplitter::DefineClass(TClassBuilder<TSplitter>& c) {
  c.Int("MinSize", &TSplitter::MinSize, &TSplitter::SetMinSize);
  c.Enum("ResizeStyle", &TSplitter::ResizeStyle, &TSplitter::SetResizeStyle);
  c.Bool("Beveled", &TSplitter::Beveled, &TSplitter::SetBeveled);
  c.Bool("AutoSnap", &TSplitter::AutoSnap, &TSplitter::SetAutoSnap);
  c.Event("OnMoved", &TSplitter::OnMoved);
}

TSplitter::TSplitter(TComponent* owner) : TGraphicControl(owner) {
  SetBounds(0, 0, 3, 100);
  SetAlign(alLeft);
}

TControl* TSplitter::ResizeControl() const {
  TWinControl* parent = Parent();
  if (!parent ||
      (Align() != alLeft && Align() != alRight && Align() != alTop && Align() != alBottom))
    return nullptr;
  TControl* best = nullptr;
  for (int i = 0; i < parent->ControlCount(); ++i) {
    TControl* c = parent->Controls(i);
    if (c == this || !c->Visible() || c->Align() != Align()) continue;
    bool before = false;
    switch (Align()) {
      case alLeft:
        before = c->Left() + c->Width() <= Left() && (!best || c->Left() > best->Left());
        break;
      case alRight:
        before = c->Left() >= Left() + Width() && (!best || c->Left() < best->Left());
        break;
      case alTop:
        before = c->Top() + c->Height() <= Top() && (!best || c->Top() > best->Top());
        break;
      default:
        before = c->Top() >= Top() + Height() && (!best || c->Top() < best->Top());
        break;
    }
    if (before) best = c;
  }
  return best;
}

void TSplitter::MoveBy(int delta) {
  TControl* c = ResizeControl();
  if (!c || delta == 0) return;
  switch (Align()) {
    case alLeft:
      c->SetWidth(std::max(c->Width() + delta, minSize_));
      break;
    case alRight:
      c->SetWidth(std::max(c->Width() - delta, minSize_));
      break;
    case alTop:
      c->SetHeight(std::max(c->Height() + delta, minSize_));
      break;
    default:
      c->SetHeight(std::max(c->Height() - delta, minSize_));
      break;
  }
  OnMoved(this);
}

// --- TImage, TAnimate ----------------------------------------------------------------------

PXQ_REGISTER_CLASS(TImage, TGraphicControl)
void TImage::DefineClass(TClassBuilder<TImage>& c) {
  c.Bool("Stretch", &TImage::Stretch, &TImage::SetStretch);
  c.Bool("Center", &TImage::Center, &TImage::SetCenter);
  c.Bool("Transparent", &TImage::Transparent, &TImage::SetTransparent);
  c.Bool("AutoSize", &TImage::AutoSize, &TImage::SetAutoSize);
}

TImage::TImage(TComponent* owner) : TGraphicControl(owner) { SetBounds(0, 0, 105, 105); }

void TImage::SetPicture(const TBitmap& b) {
  picture_ = b;
  if (autoSize_ && !picture_.Empty()) SetBounds(Left(), Top(), picture_.Width(), picture_.Height());
  Changed("Picture");
}

void TImage::SetAutoSize(bool v) {
  autoSize_ = v;
  if (v && !picture_.Empty()) SetBounds(Left(), Top(), picture_.Width(), picture_.Height());
}

PXQ_REGISTER_CLASS(TAnimate, TWinControl)
void TAnimate::DefineClass(TClassBuilder<TAnimate>& c) {
  c.Bool("Active", &TAnimate::Active, &TAnimate::SetActive);
  c.Enum("CommonAVI", &TAnimate::CommonAVI, &TAnimate::SetCommonAVI);
  c.Str("FileName", &TAnimate::FileName, &TAnimate::SetFileName);
  c.Int("Repetitions", &TAnimate::Repetitions, &TAnimate::SetRepetitions);
  c.Bool("Center", &TAnimate::Center, &TAnimate::SetCenter);
  c.Bool("Transparent", &TAnimate::Transparent, &TAnimate::SetTransparent);
  c.Event("OnStart", &TAnimate::OnStart);
  c.Event("OnStop", &TAnimate::OnStop);
  c.Unpublish("TabStop");
  c.Unpublish("TabOrder");
}

TAnimate::TAnimate(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 100, 80); }

void TAnimate::SetActive(bool v) {
  if (v == active_) return;
  active_ = v;
  Changed("Active");
  if (Loading()) return;
  if (v) {
    OnStart(this);
  } else {
    OnStop(this);
  }
}

// --- TCustomImageList ----------------------------------------------------------------------

const TMetaClass& TCustomImageList::StaticClass() {
  static const TMetaClass meta("TImageList", &TComponent::StaticClass(),
                               &TCustomImageList::DefineClass);
  return meta;
}
void TCustomImageList::DefineClass(TClassBuilder<TCustomImageList>& c) {
  c.Int("Width", &TCustomImageList::Width, &TCustomImageList::SetWidth);
  c.Int("Height", &TCustomImageList::Height, &TCustomImageList::SetHeight);
  c.Bool("Masked", &TCustomImageList::Masked, &TCustomImageList::SetMasked);
  c.Int("BkColor", &TCustomImageList::BkColor, &TCustomImageList::SetBkColor, &ColorIdents());
  c.Int("Count", &TCustomImageList::Count);
}

TCustomImageList::TCustomImageList(TComponent* owner) : TComponent(owner) {}

}  // namespace pxq::vcl
