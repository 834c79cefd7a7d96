#include "paint/CountingThemePlatform.h"

namespace velkorin::bench {

// Only the calls that make or give back an object, or report a failure, are counted; the rest pass
// through the timed table as they are.

DcHandle CountingThemePlatform::GetDC(WindowHandle window) {
    const DcHandle dc = TimedThemePlatform::GetDC(window);
    counts_.dcsGot += static_cast<bool>(dc);
    return dc;
}

int32_t CountingThemePlatform::ReleaseDC(WindowHandle window, DcHandle dc) {
    const int32_t released = TimedThemePlatform::ReleaseDC(window, dc);
    counts_.dcsReleased += static_cast<bool>(released);
    return released;
}

ThemeHandle CountingThemePlatform::OpenThemeData(WindowHandle window, const std::string& classList) {
    const ThemeHandle theme = TimedThemePlatform::OpenThemeData(window, classList);
    counts_.themesOpened += static_cast<bool>(theme);
    return theme;
}

int32_t CountingThemePlatform::CloseThemeData(ThemeHandle theme) {
    const int32_t result = TimedThemePlatform::CloseThemeData(theme);
    counts_.themesClosed += theme && result == 0;
    return result;
}

RegionHandle CountingThemePlatform::GetThemeBackgroundRegion(ThemeHandle theme, DcHandle dc, int32_t part,
                                                             int32_t state, const PlatformRect& rect) {
    const RegionHandle region = TimedThemePlatform::GetThemeBackgroundRegion(theme, dc, part, state, rect);
    counts_.gdiObjectsMade += static_cast<bool>(region);
    return region;
}

int32_t CountingThemePlatform::DrawThemeBackground(ThemeHandle theme, DcHandle dc, int32_t part, int32_t state,
                                                   const PlatformRect& rect, const PlatformRect& clip) {
    ++counts_.themedFaces;
    counts_.lastFaceState = state;
    return TimedThemePlatform::DrawThemeBackground(theme, dc, part, state, rect, clip);
}

GdiObjectHandle CountingThemePlatform::CreateSolidBrush(uint32_t color) {
    const GdiObjectHandle brush = TimedThemePlatform::CreateSolidBrush(color);
    counts_.gdiObjectsMade += static_cast<bool>(brush);
    return brush;
}

DcHandle CountingThemePlatform::CreateCompatibleDC(DcHandle dc) {
    const DcHandle memory = TimedThemePlatform::CreateCompatibleDC(dc);
    counts_.memoryDcsMade += static_cast<bool>(memory);
    return memory;
}

GdiObjectHandle CountingThemePlatform::CreateCompatibleBitmap(DcHandle dc, int32_t width, int32_t height) {
    const GdiObjectHandle bitmap = TimedThemePlatform::CreateCompatibleBitmap(dc, width, height);
    counts_.gdiObjectsMade += static_cast<bool>(bitmap);
    return bitmap;
}

bool CountingThemePlatform::DeleteObject(GdiObjectHandle object) {
    const bool deleted = TimedThemePlatform::DeleteObject(object);
    counts_.gdiObjectsDeleted += deleted;
    return deleted;
}

bool CountingThemePlatform::DeleteDC(DcHandle dc) {
    const bool deleted = TimedThemePlatform::DeleteDC(dc);
    counts_.memoryDcsDeleted += deleted;
    return deleted;
}

void CountingThemePlatform::OutputDebugStringA(const std::string& text) {
    ++counts_.failuresReported;
    TimedThemePlatform::OutputDebugStringA(text);
}

}  // namespace velkorin::bench
