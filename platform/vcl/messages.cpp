#include "platform/vcl/messages.h"

namespace pxq::vcl {

const TEnumInfo& EnumInfoOf(TShiftStateFlag*) {
  static const TEnumInfo info{
      "TShiftStateFlag",
      {"ssShift", "ssAlt", "ssCtrl", "ssLeft", "ssRight", "ssMiddle", "ssDouble"}};
  return info;
}

const TEnumInfo& EnumInfoOf(TMouseButton*) {
  static const TEnumInfo info{"TMouseButton", {"mbLeft", "mbRight", "mbMiddle"}};
  return info;
}

// The model keeps the shift state of a key message in its LParam: Shift in bit 16, Ctrl in
// bit 17 and Alt in bit 29 (the platform's context bit).
namespace {
constexpr LPARAM kShiftBit = LPARAM{1} << 16;
constexpr LPARAM kCtrlBit = LPARAM{1} << 17;
constexpr LPARAM kAltBit = LPARAM{1} << 29;
}  // namespace

TShiftState KeyDataToShiftState(LPARAM keyData) {
  TShiftState s;
  if (keyData & kShiftBit) s += ssShift;
  if (keyData & kCtrlBit) s += ssCtrl;
  if (keyData & kAltBit) s += ssAlt;
  return s;
}

LPARAM ShiftStateToKeyData(TShiftState shift) {
  LPARAM l = 0;
  if (shift.Contains(ssShift)) l |= kShiftBit;
  if (shift.Contains(ssCtrl)) l |= kCtrlBit;
  if (shift.Contains(ssAlt)) l |= kAltBit;
  return l;
}

TShiftState MouseKeysToShiftState(WPARAM keys) {
  TShiftState s;
  if (keys & MK_SHIFT) s += ssShift;
  if (keys & MK_CONTROL) s += ssCtrl;
  if (keys & MK_LBUTTON) s += ssLeft;
  if (keys & MK_RBUTTON) s += ssRight;
  return s;
}

}  // namespace pxq::vcl
