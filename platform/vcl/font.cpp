#include "platform/vcl/font.h"

#include <algorithm>
#include <cstdlib>

#include "platform/vcl/application.h"

namespace pxq::vcl {

const TIdentInfo& ColorIdents() {
  static const TIdentInfo info{"TColor",
                               {{"clBlack", clBlack},
                                {"clMaroon", clMaroon},
                                {"clGreen", clGreen},
                                {"clOlive", clOlive},
                                {"clNavy", clNavy},
                                {"clPurple", clPurple},
                                {"clTeal", clTeal},
                                {"clGray", clGray},
                                {"clSilver", clSilver},
                                {"clRed", clRed},
                                {"clLime", clLime},
                                {"clYellow", clYellow},
                                {"clBlue", clBlue},
                                {"clFuchsia", clFuchsia},
                                {"clAqua", clAqua},
                                {"clWhite", clWhite},
                                {"clNone", clNone},
                                {"clDefault", clDefault},
                                {"clScrollBar", clScrollBar},
                                {"clBackground", clBackground},
                                {"clActiveCaption", clActiveCaption},
                                {"clInactiveCaption", clInactiveCaption},
                                {"clMenu", clMenu},
                                {"clWindow", clWindow},
                                {"clWindowFrame", clWindowFrame},
                                {"clMenuText", clMenuText},
                                {"clWindowText", clWindowText},
                                {"clCaptionText", clCaptionText},
                                {"clHighlight", clHighlight},
                                {"clHighlightText", clHighlightText},
                                {"clBtnFace", clBtnFace},
                                {"clBtnShadow", clBtnShadow},
                                {"clGrayText", clGrayText},
                                {"clBtnText", clBtnText},
                                {"clInactiveCaptionText", clInactiveCaptionText},
                                {"clBtnHighlight", clBtnHighlight},
                                {"clInfoText", clInfoText},
                                {"clInfoBk", clInfoBk}}};
  return info;
}

const TIdentInfo& CharsetIdents() {
  static const TIdentInfo info{"TFontCharset",
                               {{"ANSI_CHARSET", ANSI_CHARSET},
                                {"DEFAULT_CHARSET", DEFAULT_CHARSET},
                                {"SYMBOL_CHARSET", SYMBOL_CHARSET},
                                {"GB2312_CHARSET", GB2312_CHARSET},
                                {"CHINESEBIG5_CHARSET", CHINESEBIG5_CHARSET},
                                {"OEM_CHARSET", OEM_CHARSET}}};
  return info;
}

const TIdentInfo& CursorIdents() {
  static const TIdentInfo info{"TCursor",
                               {{"crDefault", 0},
                                {"crNone", -1},
                                {"crArrow", -2},
                                {"crCross", -3},
                                {"crIBeam", -4},
                                {"crHourGlass", -11},
                                {"crNo", -12},
                                {"crHandPoint", -21}}};
  return info;
}

const TIdentInfo& ModalResultIdents() {
  static const TIdentInfo info{"TModalResult",
                               {{"mrNone", mrNone},
                                {"mrOk", mrOk},
                                {"mrCancel", mrCancel},
                                {"mrAbort", mrAbort},
                                {"mrRetry", mrRetry},
                                {"mrIgnore", mrIgnore},
                                {"mrYes", mrYes},
                                {"mrNo", mrNo},
                                {"mrAll", mrAll},
                                {"mrNoToAll", mrNoToAll},
                                {"mrYesToAll", mrYesToAll}}};
  return info;
}

const TEnumInfo& EnumInfoOf(TFontStyle*) {
  static const TEnumInfo info{"TFontStyle", {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"}};
  return info;
}

const TEnumInfo& EnumInfoOf(TFontPitch*) {
  static const TEnumInfo info{"TFontPitch", {"fpDefault", "fpVariable", "fpFixed"}};
  return info;
}

PXQ_REGISTER_CLASS(TFont, TPersistent)
void TFont::DefineClass(TClassBuilder<TFont>& c) {
  c.Str("Name", &TFont::Name, &TFont::SetName);
  c.Int("Height", &TFont::Height, &TFont::SetHeight);
  c.Int("Size", &TFont::Size, &TFont::SetSize);
  c.Int("Charset", &TFont::Charset, &TFont::SetCharset, &CharsetIdents());
  c.Set("Style", "TFontStyles", &TFont::Style, &TFont::SetStyle);
  c.Int("Color", &TFont::Color, &TFont::SetColor, &ColorIdents());
  c.Enum("Pitch", &TFont::Pitch, &TFont::SetPitch);
}

void TFont::Changed() {
  NotifyPropertyChanged(*this, "Font");
  OnChange(this);
}

void TFont::SetName(const std::string& name) {
  if (name == name_) return;
  name_ = name;
  Changed();
}

void TFont::SetHeight(int height) {
  height = std::clamp(height, -10000, 10000);
  if (height == height_) return;
  height_ = height;
  Changed();
}

int TFont::Size() const {
  // Points from pixels at 96 pixels per inch, rounded.
  const int h = -height_;
  return (h * 72 + (h >= 0 ? 48 : -48)) / 96;
}

void TFont::SetSize(int points) {
  points = std::clamp(points, -10000, 10000);
  const int pixels = (points * 96 + (points >= 0 ? 36 : -36)) / 72;
  SetHeight(-pixels);
}

void TFont::SetCharset(uint8_t charset) {
  if (charset == charset_) return;
  charset_ = charset;
  Changed();
}

void TFont::SetStyle(TFontStyles style) {
  if (style == style_) return;
  style_ = style;
  Changed();
}

void TFont::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  Changed();
}

void TFont::SetPitch(TFontPitch pitch) {
  if (pitch == pitch_) return;
  pitch_ = pitch;
  Changed();
}

void TFont::Assign(const TPersistent& source) {
  const auto* f = dynamic_cast<const TFont*>(&source);
  if (!f) return TPersistent::Assign(source);
  if (*f == *this) return;
  name_ = f->name_;
  height_ = f->height_;
  charset_ = f->charset_;
  style_ = f->style_;
  color_ = f->color_;
  pitch_ = f->pitch_;
  Changed();
}

bool TFont::operator==(const TFont& o) const {
  return name_ == o.name_ && height_ == o.height_ && charset_ == o.charset_ && style_ == o.style_ &&
         color_ == o.color_ && pitch_ == o.pitch_;
}

}  // namespace pxq::vcl
