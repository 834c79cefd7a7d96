#pragma once

#include <cmath>
#include <cstdint>

namespace velkorin::units {

// The units the program meets: window layout in twips, picture sizes in HIMETRIC (0.01 mm), font sizes
// in points, drawing in pixels.
constexpr double kTwipsPerInch = 1440.0;
constexpr double kHimetricPerInch = 2540.0;
constexpr double kPointsPerInch = 72.0;

// A handle carried as a 32-bit whole number (a control's "hWnd", a font's "hFont", a picture's
// "Handle") goes back to the platform as the platform widens a 32-bit handle: sign-extended.
inline std::uintptr_t HandleFromLong(int32_t value) {
    return static_cast<std::uintptr_t>(static_cast<std::intptr_t>(value));
}
// And the other way: a handle narrowed to its 32 significant bits, as the platform narrows one.
inline int32_t LongFromHandle(std::uintptr_t handle) { return static_cast<int32_t>(handle); }
inline int32_t LongFromHandle(const void* handle) { return LongFromHandle(reinterpret_cast<std::uintptr_t>(handle)); }

// A colour property holds an OLE colour: a plain RGB value, or the top bit with a system colour's
// index in the low byte (only that byte counts).
inline bool IsSystemColor(int32_t color) { return (static_cast<uint32_t>(color) & 0x80000000u) != 0; }
inline int32_t SystemColorIndex(int32_t color) { return static_cast<int32_t>(static_cast<uint32_t>(color) & 0xFFu); }
// The colour an OLE colour stands for: a system colour's as `lookUp` gives it for its index (each
// layer asks the system its own way), a plain value whole.
template <class LookUp>
uint32_t ColorOfOleColor(int32_t color, LookUp lookUp) {
    return IsSystemColor(color) ? lookUp(SystemColorIndex(color)) : static_cast<uint32_t>(color);
}

// Twips per pixel at a screen density. A screen that cannot tell its density (0 pixels per inch)
// gives `whenUnknown`: each caller says what such a screen means to it.
inline double TwipsPerPixel(int32_t pixelsPerInch, double whenUnknown) {
    return pixelsPerInch > 0 ? kTwipsPerInch / pixelsPerInch : whenUnknown;
}

// A font's height in pixels at a screen density: negative, so that it is the character height.
inline int32_t FontHeightPixels(double points, int32_t pixelsPerInch) {
    return -static_cast<int32_t>(std::lround(points * pixelsPerInch / kPointsPerInch));
}

}  // namespace velkorin::units
