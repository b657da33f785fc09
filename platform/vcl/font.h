// Fonts, and the names of colours and other integer constants used in descriptions.
#pragma once

#include <cstdint>
#include <string>

#include "platform/vcl/classes.h"
#include "platform/vcl/graphics_types.h"

namespace pxq::vcl {

// Names of colours, character sets, cursors and modal results for descriptions.
const TIdentInfo& ColorIdents();
const TIdentInfo& CharsetIdents();
const TIdentInfo& CursorIdents();
const TIdentInfo& ModalResultIdents();

inline constexpr uint8_t ANSI_CHARSET = 0;
inline constexpr uint8_t DEFAULT_CHARSET = 1;
inline constexpr uint8_t SYMBOL_CHARSET = 2;
inline constexpr uint8_t GB2312_CHARSET = 134;
inline constexpr uint8_t CHINESEBIG5_CHARSET = 136;
inline constexpr uint8_t OEM_CHARSET = 255;

enum TFontStyle : uint8_t { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = TSet<TFontStyle>;
const TEnumInfo& EnumInfoOf(TFontStyle*);

enum TFontPitch : uint8_t { fpDefault, fpVariable, fpFixed };
const TEnumInfo& EnumInfoOf(TFontPitch*);

// A font: name, height in pixels (negative: character height; Size in points at 96 pixels
// per inch), character set, style and colour. OnChange is raised after every change.
class TFont : public TPersistent {
  PXQ_CLASS(TFont)
 public:
  TFont() = default;

  const std::string& Name() const { return name_; }
  void SetName(const std::string& name);
  int Height() const { return height_; }
  void SetHeight(int height);
  int Size() const;
  void SetSize(int points);
  uint8_t Charset() const { return charset_; }
  void SetCharset(uint8_t charset);
  TFontStyles Style() const { return style_; }
  void SetStyle(TFontStyles style);
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  TFontPitch Pitch() const { return pitch_; }
  void SetPitch(TFontPitch pitch);
  int PixelsPerInch() const { return 96; }

  void Assign(const TPersistent& source) override;
  bool operator==(const TFont& o) const;

  TNotifyEvent OnChange;

 private:
  void Changed();
  std::string name_ = "MS Sans Serif";
  int height_ = -11;
  uint8_t charset_ = DEFAULT_CHARSET;
  TFontStyles style_;
  TColor color_ = clWindowText;
  TFontPitch pitch_ = fpDefault;
};

}  // namespace pxq::vcl
