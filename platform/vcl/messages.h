// Window messages, virtual key codes and the shift state.
//
// A windowed control has a handle (an integer id, allocated when first asked for) that names
// it as the target of posted messages. Messages sent to a control are handled synchronously by
// its WndProc; a parameter that carries a control carries its address (as the platform's
// messages carry object references).
#pragma once

#include <cstdint>

#include "platform/vcl/object.h"
#include "platform/vcl/properties.h"

namespace pxq::vcl {

using HWND = int32_t;
using WPARAM = uintptr_t;
using LPARAM = intptr_t;
using LRESULT = intptr_t;
using Word = uint16_t;

struct TMessage {
  uint32_t Msg = 0;
  WPARAM WParam = 0;
  LPARAM LParam = 0;
  LRESULT Result = 0;
};

inline constexpr uint32_t WM_NULL = 0x0000;
inline constexpr uint32_t WM_SETFOCUS = 0x0007;
inline constexpr uint32_t WM_KILLFOCUS = 0x0008;
inline constexpr uint32_t WM_CLOSE = 0x0010;
inline constexpr uint32_t WM_KEYDOWN = 0x0100;
inline constexpr uint32_t WM_KEYUP = 0x0101;
inline constexpr uint32_t WM_CHAR = 0x0102;
inline constexpr uint32_t WM_SYSKEYDOWN = 0x0104;
inline constexpr uint32_t WM_SYSKEYUP = 0x0105;
inline constexpr uint32_t WM_MOUSEMOVE = 0x0200;
inline constexpr uint32_t WM_LBUTTONDOWN = 0x0201;
inline constexpr uint32_t WM_LBUTTONUP = 0x0202;
inline constexpr uint32_t WM_LBUTTONDBLCLK = 0x0203;
inline constexpr uint32_t WM_RBUTTONDOWN = 0x0204;
inline constexpr uint32_t WM_RBUTTONUP = 0x0205;
// The first message number free for applications; messages of their own count up from it.
inline constexpr uint32_t WM_USER = 0x0400;

// Messages of the class library itself.
inline constexpr uint32_t CM_BASE = 0xB000;
inline constexpr uint32_t CM_ENTER = CM_BASE + 1;    // the control became the focused one
inline constexpr uint32_t CM_EXIT = CM_BASE + 2;     // the focus left the control
inline constexpr uint32_t CM_RELEASE = CM_BASE + 3;  // a form frees itself
inline constexpr uint32_t CM_DIALOGKEY =
    CM_BASE + 4;  // Tab, Enter, Esc, arrows offered to the form

inline constexpr WPARAM MK_LBUTTON = 0x0001;
inline constexpr WPARAM MK_RBUTTON = 0x0002;
inline constexpr WPARAM MK_SHIFT = 0x0004;
inline constexpr WPARAM MK_CONTROL = 0x0008;

inline constexpr LPARAM MakeLParam(int lo, int hi) {
  return static_cast<LPARAM>((static_cast<uint32_t>(hi & 0xFFFF) << 16) |
                             static_cast<uint32_t>(lo & 0xFFFF));
}
inline constexpr int LoWordSigned(LPARAM l) {
  return static_cast<int16_t>(static_cast<uint16_t>(l & 0xFFFF));
}
inline constexpr int HiWordSigned(LPARAM l) {
  return static_cast<int16_t>(static_cast<uint16_t>((l >> 16) & 0xFFFF));
}

// Virtual key codes.
inline constexpr Word VK_BACK = 0x08;
inline constexpr Word VK_TAB = 0x09;
inline constexpr Word VK_RETURN = 0x0D;
inline constexpr Word VK_SHIFT = 0x10;
inline constexpr Word VK_CONTROL = 0x11;
inline constexpr Word VK_MENU = 0x12;
inline constexpr Word VK_ESCAPE = 0x1B;
inline constexpr Word VK_SPACE = 0x20;
inline constexpr Word VK_PRIOR = 0x21;
inline constexpr Word VK_NEXT = 0x22;
inline constexpr Word VK_END = 0x23;
inline constexpr Word VK_HOME = 0x24;
inline constexpr Word VK_LEFT = 0x25;
inline constexpr Word VK_UP = 0x26;
inline constexpr Word VK_RIGHT = 0x27;
inline constexpr Word VK_DOWN = 0x28;
inline constexpr Word VK_INSERT = 0x2D;
inline constexpr Word VK_DELETE = 0x2E;
inline constexpr Word VK_F1 = 0x70;
inline constexpr Word VK_F2 = 0x71;
inline constexpr Word VK_F12 = 0x7B;

enum TShiftStateFlag : uint8_t { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = TSet<TShiftStateFlag>;
const TEnumInfo& EnumInfoOf(TShiftStateFlag*);

enum TMouseButton : uint8_t { mbLeft, mbRight, mbMiddle };
const TEnumInfo& EnumInfoOf(TMouseButton*);

// Shift state carried in a key message's LParam and a mouse message's WParam.
TShiftState KeyDataToShiftState(LPARAM keyData);
LPARAM ShiftStateToKeyData(TShiftState shift);
TShiftState MouseKeysToShiftState(WPARAM keys);

}  // namespace pxq::vcl
