#pragma once

#include <cstdint>

namespace velkorin {

// The platform's message numbers, flags and record sizes that the visual-style module passes or
// tests. The module builds without <windows.h>; the Win32 layer checks every value here against the
// SDK's own (win32/PlatformValuesCheck.cpp), so a wrong number cannot build.

namespace message {
constexpr uint32_t kSetFocus = 0x0007;      // WM_SETFOCUS
constexpr uint32_t kKillFocus = 0x0008;     // WM_KILLFOCUS
constexpr uint32_t kEnable = 0x000A;        // WM_ENABLE
constexpr uint32_t kSetRedraw = 0x000B;     // WM_SETREDRAW
constexpr uint32_t kPaint = 0x000F;         // WM_PAINT
constexpr uint32_t kGetState = 0x00F2;      // BM_GETSTATE
constexpr uint32_t kMouseMove = 0x0200;     // WM_MOUSEMOVE
constexpr uint32_t kLButtonDown = 0x0201;   // WM_LBUTTONDOWN
constexpr uint32_t kLButtonUp = 0x0202;     // WM_LBUTTONUP
constexpr uint32_t kRButtonUp = 0x0205;     // WM_RBUTTONUP
constexpr uint32_t kMouseHover = 0x02A1;    // WM_MOUSEHOVER
constexpr uint32_t kMouseLeave = 0x02A3;    // WM_MOUSELEAVE
constexpr uint32_t kPrintClient = 0x0318;   // WM_PRINTCLIENT
}  // namespace message

namespace button_state {
constexpr uint32_t kPushed = 0x0004;  // BST_PUSHED
constexpr uint32_t kFocus = 0x0008;   // BST_FOCUS
}  // namespace button_state

namespace region_mode {
constexpr int32_t kDiff = 4;  // RGN_DIFF
constexpr int32_t kCopy = 5;  // RGN_COPY
}  // namespace region_mode

namespace draw_text {
constexpr uint32_t kCenter = 0x0001;     // DT_CENTER
constexpr uint32_t kWordBreak = 0x0010;  // DT_WORDBREAK
constexpr uint32_t kCalcRect = 0x0400;   // DT_CALCRECT
}  // namespace draw_text

namespace track_mouse {
constexpr uint32_t kHover = 0x0001;        // TME_HOVER
constexpr uint32_t kLeave = 0x0002;        // TME_LEAVE
constexpr uint32_t kRecordSize32 = 16;     // sizeof(TRACKMOUSEEVENT) in a 32-bit process
}  // namespace track_mouse

namespace common_controls {
constexpr uint32_t kVersionRecordSize = 20;  // sizeof(DLLVERSIONINFO)
constexpr uint32_t kSetupRecordSize = 8;     // sizeof(INITCOMMONCONTROLSEX)
constexpr uint32_t kUserExClasses = 0x200;   // ICC_USEREX_CLASSES
}  // namespace common_controls

namespace theme_app {
constexpr uint32_t kAllowControls = 0x2;  // STAP_ALLOW_CONTROLS
}  // namespace theme_app

namespace push_button {
constexpr int32_t kPart = 1;       // BP_PUSHBUTTON
constexpr int32_t kNormal = 1;     // PBS_NORMAL
constexpr int32_t kHot = 2;        // PBS_HOT
constexpr int32_t kPressed = 3;    // PBS_PRESSED
constexpr int32_t kDisabled = 4;   // PBS_DISABLED
constexpr int32_t kDefaulted = 5;  // PBS_DEFAULTED
}  // namespace push_button

namespace picture_type {
constexpr int32_t kBitmap = 1;  // PICTYPE_BITMAP
constexpr int32_t kIcon = 3;    // PICTYPE_ICON
}  // namespace picture_type

namespace draw_state {
constexpr uint32_t kIcon = 0x0003;      // DST_ICON
constexpr uint32_t kBitmap = 0x0004;    // DST_BITMAP
constexpr uint32_t kDisabled = 0x0020;  // DSS_DISABLED
}  // namespace draw_state

}  // namespace velkorin
