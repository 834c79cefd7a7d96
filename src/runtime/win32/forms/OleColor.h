#pragma once

#include <windows.h>

#include <cstdint>

namespace velkorin::win32::forms {

// Colour properties hold OLE colours: a plain RGB value, or 0x80000000 with a system colour's index
// in the low byte.
namespace ole_color {
constexpr int32_t kButtonFace = static_cast<int32_t>(0x8000000F);
constexpr int32_t kButtonText = static_cast<int32_t>(0x80000012);
constexpr int32_t kHighlight = static_cast<int32_t>(0x8000000D);
constexpr int32_t kLightGrey = 0x00C0C0C0;
}  // namespace ole_color

// The RGB value to draw with; a system colour is looked up at the moment of the call.
COLORREF TranslateOleColor(int32_t color);

}  // namespace velkorin::win32::forms
