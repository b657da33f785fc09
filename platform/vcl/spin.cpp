#include "platform/vcl/spin.h"

#include <charconv>
#include <limits>

#include "platform/os/text.h"

namespace pxq::vcl {

PXQ_REGISTER_CLASS(TSpinEdit, TCustomEdit)
void TSpinEdit::DefineClass(TClassBuilder<TSpinEdit>& c) {
  c.Int("Value", &TSpinEdit::Value, &TSpinEdit::SetValue);
  c.Int("MinValue", &TSpinEdit::MinValue, &TSpinEdit::SetMinValue);
  c.Int("MaxValue", &TSpinEdit::MaxValue, &TSpinEdit::SetMaxValue);
  c.Int("Increment", &TSpinEdit::Increment, &TSpinEdit::SetIncrement);
  c.Bool("EditorEnabled", &TSpinEdit::EditorEnabled, &TSpinEdit::SetEditorEnabled);
}

TSpinEdit::TSpinEdit(TComponent* owner) : TCustomEdit(owner) {
  SetBounds(0, 0, 121, 22);
  SetText("0");
}

int TSpinEdit::Value() const {
  const std::string text = os::Trim(Text());
  int v = 0;
  auto [p, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
  if (text.empty() || ec != std::errc() || p != text.data() + text.size()) return minValue_;
  return v;
}

int TSpinEdit::CheckValue(int v) const {
  if (maxValue_ != minValue_) {
    if (v < minValue_) return minValue_;
    if (v > maxValue_) return maxValue_;
  }
  return v;
}

void TSpinEdit::SetValue(int v) { SetText(std::to_string(CheckValue(v))); }

void TSpinEdit::SetMinValue(int v) {
  minValue_ = v;
  if (!Loading()) SetValue(Value());
}

void TSpinEdit::SetMaxValue(int v) {
  maxValue_ = v;
  if (!Loading()) SetValue(Value());
}

void TSpinEdit::StepUp() {
  if (ReadOnly()) return;
  const int64_t next = static_cast<int64_t>(Value()) + increment_;
  SetValue(static_cast<int>(
      std::clamp<int64_t>(next, std::numeric_limits<int>::min(), std::numeric_limits<int>::max())));
}

void TSpinEdit::StepDown() {
  if (ReadOnly()) return;
  const int64_t next = static_cast<int64_t>(Value()) - increment_;
  SetValue(static_cast<int>(
      std::clamp<int64_t>(next, std::numeric_limits<int>::min(), std::numeric_limits<int>::max())));
}

void TSpinEdit::DefaultKeyDown(Word key, TShiftState shift) {
  if (key == VK_UP) {
    StepUp();
  } else if (key == VK_DOWN) {
    StepDown();
  } else {
    TCustomEdit::DefaultKeyDown(key, shift);
  }
}

void TSpinEdit::DefaultChar(char ch) {
  // Digits, signs and editing characters only.
  const bool digit = ch >= '0' && ch <= '9';
  if (!editorEnabled_ || !(digit || ch == '-' || ch == '+' || ch == '\b')) return;
  TCustomEdit::DefaultChar(ch);
}

void TSpinEdit::DoExit() {
  const int v = CheckValue(Value());
  if (v != Value() && !Text().empty()) SetValue(v);
  TCustomEdit::DoExit();
}

}  // namespace pxq::vcl
