// TGSpeedButton: a flat speed button whose picture is chosen by number from the glyph library.
// TF2Button: a TGSpeedButton that belongs to one edit: it keeps itself right of the edit and,
// when clicked, asks the owning form to open the edit's lookup window, as F2 does.
#pragma once

#include <cstdint>

#include "platform/vcl/buttons.h"

namespace pxq::vcl {

class TGSpeedButton : public TSpeedButton {
  PXQ_CLASS(TGSpeedButton)
 public:
  explicit TGSpeedButton(TComponent* owner);

  int GlyphIndex() const { return glyphIndex_; }
  // Loads glyph n (0 or a number the library lacks: no picture, the caption shows n). A glyph
  // that cannot be read shows the message "读取 BMP 发生错误"; n stays stored.
  void SetGlyphIndex(int n);
  int HintIndex() const { return hintIndex_; }
  void SetHintIndex(int n) { hintIndex_ = n; }

 private:
  int glyphIndex_ = 0;
  int hintIndex_ = 0;
};

class TF2Button : public TGSpeedButton {
  PXQ_CLASS(TF2Button)
 public:
  explicit TF2Button(TComponent* owner);
  ~TF2Button() override;

  TWinControl* F2Control() const { return f2Control_; }
  // Binds the button to `c`; refused (with a message when another button holds it) when a
  // lookup button beside it is already bound to `c`.
  void SetF2Control(TWinControl* c);
  bool AutoAlign() const { return autoAlign_; }
  void SetAutoAlign(bool v);
  uint8_t Gap() const { return gap_; }
  void SetGap(uint8_t gap);
  // Places the button right of F2Control, as high and as wide as the control is high.
  void Realign();
  // The button's own click, then the lookup request for F2Control.
  void Click() override;

 protected:
  void Notification(TComponent* c, TOperation op) override;

 private:
  TWinControl* f2Control_ = nullptr;
  bool autoAlign_ = true;
  uint8_t gap_ = 2;
};

}  // namespace pxq::vcl
