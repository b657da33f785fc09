#include "lib/controls/speed_buttons.h"

#include <string>
#include <vector>

#include "lib/controls/glyphs.h"
#include "lib/controls/lookup.h"
#include "lib/controls/neighbours.h"
#include "platform/os/codepage.h"
#include "platform/vcl/application.h"
#include "platform/vcl/form.h"

namespace pxq::vcl {

PXQ_REGISTER_CLASS(TGSpeedButton, TSpeedButton)
void TGSpeedButton::DefineClass(TClassBuilder<TGSpeedButton>& c) {
  c.Int("GlyphIndex", &TGSpeedButton::GlyphIndex, &TGSpeedButton::SetGlyphIndex);
  c.Int("HintIndex", &TGSpeedButton::HintIndex, &TGSpeedButton::SetHintIndex);
}

TGSpeedButton::TGSpeedButton(TComponent* owner) : TSpeedButton(owner) { SetFlat(true); }

void TGSpeedButton::SetGlyphIndex(int n) {
  if (n == glyphIndex_) return;
  glyphIndex_ = n;
  SetCaption(std::to_string(n));
  try {
    if (n == 0 || n > controls::GetMaxBmpID()) {
      SetGlyph(TBitmap());
      return;
    }
    TBitmap glyph;
    if (controls::LoadBmp(glyph, n)) {
      SetGlyph(glyph);
      SetCaption(std::string());
      if (glyph.Height() > 0) SetNumGlyphs(glyph.Width() / glyph.Height());
    }
  } catch (const std::exception&) {
    MessageDlg(os::Ansi("读取 BMP 发生错误"), mtError, {mbOK});
  }
}

PXQ_REGISTER_CLASS(TF2Button, TGSpeedButton)
void TF2Button::DefineClass(TClassBuilder<TF2Button>& c) {
  c.Reference<TWinControl>("F2Control", &TF2Button::F2Control, &TF2Button::SetF2Control);
  c.Bool("AutoAlign", &TF2Button::AutoAlign, &TF2Button::SetAutoAlign);
  c.Int("Gap", &TF2Button::Gap, &TF2Button::SetGap);
}

TF2Button::TF2Button(TComponent* owner) : TGSpeedButton(owner) { SetGlyphIndex(8); }

TF2Button::~TF2Button() {
  if (f2Control_) f2Control_->RemoveFreeNotification(this);
}

void TF2Button::SetF2Control(TWinControl* c) {
  if (c) {
    for (TF2Button* b : Neighbours<TF2Button>(this)) {
      if (b->f2Control_ != c) continue;
      if (b != this) {
        MessageDlg(os::Ansi("不能同时有两个 F2Button 指到同一个 Edit."), mtError, {mbOK});
      }
      return;
    }
  }
  if (f2Control_) f2Control_->RemoveFreeNotification(this);
  f2Control_ = c;
  if (c) {
    c->FreeNotification(this);
    Realign();
  }
}

void TF2Button::SetAutoAlign(bool v) {
  autoAlign_ = v;
  Realign();
}

void TF2Button::SetGap(uint8_t gap) {
  if (gap == gap_) return;
  gap_ = gap;
  Realign();
}

void TF2Button::Realign() {
  if (!autoAlign_ || !f2Control_) return;
  const TWinControl* c = f2Control_;
  SetBounds(c->Left() + c->Width() + gap_, c->Top(), c->Height(), c->Height());
}

void TF2Button::Click() {
  TGSpeedButton::Click();
  TWinControl* c = f2Control_;
  if (!c || !c->Enabled()) return;
  if (c->CanFocus()) c->SetFocus();
  if (c->Focused()) SendOpenLookup(c);
}

void TF2Button::Notification(TComponent* c, TOperation op) {
  TGSpeedButton::Notification(c, op);
  if (op == opRemove && c == f2Control_) f2Control_ = nullptr;
}

}  // namespace pxq::vcl
