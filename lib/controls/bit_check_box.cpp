#include "lib/controls/bit_check_box.h"

#include <algorithm>

#include "lib/controls/text_extent.h"
#include "platform/vcl/form.h"

namespace pxq::vcl {

namespace {

// Draws a built-in picture: a 13 x 13 box on a transparent (magenta) 19 x 14 field.
TBitmap MakeBuiltIn(TCheckBoxState s) {
  TBitmap b(19, 14);
  b.Fill(clFuchsia);
  const TColor face = s == cbGrayed ? clSilver : clWhite;
  const TColor mark = s == cbGrayed ? clGray : clBlack;
  b.FillRect(Rect(3, 0, 16, 13), clGray);
  b.FillRect(Rect(4, 1, 15, 12), face);
  if (s != cbUnchecked) {
    // A tick: down from (6,5) to (8,7), then up to (13,2), three pixels thick.
    for (int d = 0; d < 3; ++d) {
      for (int i = 0; i <= 2; ++i) b.SetPixel(6 + i, 5 + i + d, mark);
      for (int i = 0; i <= 5; ++i) b.SetPixel(8 + i, 7 - i + d, mark);
    }
  }
  b.SetPixelFormat(TPixelFormat::pf4bit);
  b.SetTransparent(true);
  return b;
}

bool HasAccel(const std::string& caption, char key) {
  auto upper = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; };
  for (size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] == '&') {
      ++i;
      continue;
    }
    return upper(caption[i + 1]) == upper(key);
  }
  return false;
}

}  // namespace

PXQ_REGISTER_CLASS(TBitCheckBox, TCustomControl)
void TBitCheckBox::DefineClass(TClassBuilder<TBitCheckBox>& c) {
  c.Str("Caption", &TControl::Caption, &TControl::SetCaption);
  c.Enum("State", &TBitCheckBox::State, &TBitCheckBox::SetState);
  c.Bool("Checked", &TBitCheckBox::Checked, &TBitCheckBox::SetChecked);
  c.Bool("AllowGrayed", &TBitCheckBox::AllowGrayed, &TBitCheckBox::SetAllowGrayed);
  c.Enum("Alignment", &TBitCheckBox::Alignment, &TBitCheckBox::SetAlignment);
  c.Bool("Ctl3D", &TBitCheckBox::Ctl3D, &TBitCheckBox::SetCtl3D);
  c.Int("CheckedNumGlyphs", &TBitCheckBox::CheckedNumGlyphs, &TBitCheckBox::SetCheckedNumGlyphs);
  c.Int("GrayedNumGlyphs", &TBitCheckBox::GrayedNumGlyphs, &TBitCheckBox::SetGrayedNumGlyphs);
  c.Int("UncheckedNumGlyphs", &TBitCheckBox::UncheckedNumGlyphs,
        &TBitCheckBox::SetUncheckedNumGlyphs);
}

PXQ_REGISTER_CLASS(TKipCheckBox, TBitCheckBox)
void TKipCheckBox::DefineClass(TClassBuilder<TKipCheckBox>&) {}

const TBitmap& TBitCheckBox::BuiltInGlyph(TCheckBoxState s) {
  static const TBitmap pictures[3] = {MakeBuiltIn(cbUnchecked), MakeBuiltIn(cbChecked),
                                      MakeBuiltIn(cbGrayed)};
  return pictures[std::min<int>(s, 2)];
}

TBitCheckBox::TBitCheckBox(TComponent* owner) : TCustomControl(owner) {
  SetBounds(0, 0, 97, 17);
  SetTabStop(true);
  for (int s = 0; s < 3; ++s) glyphs_[s] = BuiltInGlyph(static_cast<TCheckBoxState>(s));
}

void TBitCheckBox::SetState(TCheckBoxState s) {
  if (s == state_) return;
  state_ = s;
  Changed("State");
}

void TBitCheckBox::SetAlignment(TLeftRight a) {
  if (a == alignment_) return;
  alignment_ = a;
  Changed("Alignment");
}

void TBitCheckBox::SetCtl3D(bool v) {
  if (v == ctl3D_) return;
  ctl3D_ = v;
  Changed("Ctl3D");
}

void TBitCheckBox::SetGlyph(TCheckBoxState s, const TBitmap& picture) {
  TBitmap& g = glyphs_[s];
  if (picture.Empty()) {
    // The built-in pictures have one frame.
    g = BuiltInGlyph(s);
    numGlyphs_[s] = 1;
  } else {
    g = picture;
    g.SetTransparent(true);
  }
  if (g.Height() > 0 && g.Width() % g.Height() == 0) SetNumGlyphs(s, g.Width() / g.Height());
  Changed("Glyph");
}

void TBitCheckBox::SetNumGlyphs(TCheckBoxState s, int n) {
  numGlyphs_[s] = std::clamp(n, 1, 2);
  Changed("NumGlyphs");
}

void TBitCheckBox::Toggle() { SetState(NextCheckBoxState(state_, allowGrayed_)); }

void TBitCheckBox::Click() {
  Toggle();
  TCustomControl::Click();
  if (CanFocus() && !Focused()) SetFocus();
}

bool TBitCheckBox::DialogChar(char key) {
  if (!HasAccel(Caption(), key) || !Enabled() || !CanFocus()) return false;
  SetFocus();
  if (Focused()) Toggle();
  return true;
}

void TBitCheckBox::DefaultChar(char ch) {
  if (ch == ' ') Click();
}

void TBitCheckBox::TextChanged() { Changed("Paint"); }
void TBitCheckBox::EnabledChanged() {
  TCustomControl::EnabledChanged();
  Changed("Paint");
}
void TBitCheckBox::FontChanged() {
  TCustomControl::FontChanged();
  Changed("Paint");
}
void TBitCheckBox::DoEnter() {
  TCustomControl::DoEnter();
  Changed("Paint");
}
void TBitCheckBox::DoExit() {
  TCustomControl::DoExit();
  Changed("Paint");
}

TBitCheckBoxPaint TBitCheckBox::PaintLayout() const {
  TBitCheckBoxPaint p;
  p.Client = ClientRect();
  p.Background = Color();
  p.Caption = Caption();
  const TBitmap& picture = glyphs_[state_];
  const int n = numGlyphs_[state_];
  p.Picture = &picture;
  p.FrameWidth = picture.Width() / n;
  const int f = p.FrameWidth;

  const TSize text = TextExtentOf(*Font(), Caption());
  int textWidth = text.cx;
  if (Caption().find('&') != std::string::npos) textWidth -= TextWidthOf(*Font(), "&");
  const int textHeight = TextHeightOf(*Font());
  TRect r;
  r.Left = alignment_ == lrRightJustify ? f + 4 : 1;
  r.Right = r.Left + textWidth;
  r.Top = (ClientHeight() - textHeight) / 2 - 2;
  r.Bottom = r.Top + textHeight + 3;
  p.TextRect = r.Intersect(p.Client);

  if (Enabled()) {
    p.TextColor = Font()->Color();
  } else {
    p.ShadowText = ctl3D_;
    p.TextColor = clGrayText;
  }
  if (Focused()) {
    TRect fr = p.TextRect;
    if (fr.Left > 0) --fr.Left;
    if (fr.Top > 0) --fr.Top;
    ++fr.Right;
    if (fr.Bottom < ClientHeight()) ++fr.Bottom;
    p.FocusRect = fr;
  }
  p.PictureAt = {alignment_ == lrRightJustify ? 0 : ClientWidth() - f,
                 (ClientHeight() - picture.Height()) / 2};
  p.Frame = !Enabled() && n == 2 ? 1 : 0;
  return p;
}

}  // namespace pxq::vcl
