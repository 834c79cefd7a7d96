#include "paint/CountingThemePlatform.h"

namespace velkorin::bench {

// Only the calls that make or give back an object, or report a failure, are counted; the rest pass
// through the timed table as they are.

NativeHandle CountingThemePlatform::GetDC(NativeHandle window) {
    const NativeHandle dc = TimedThemePlatform::GetDC(window);
    counts_.dcsGot += dc != 0;
    return dc;
}

int32_t CountingThemePlatform::ReleaseDC(NativeHandle window, NativeHandle dc) {
    const int32_t released = TimedThemePlatform::ReleaseDC(window, dc);
    counts_.dcsReleased += released != 0;
    return released;
}

NativeHandle CountingThemePlatform::OpenThemeData(NativeHandle window, const std::string& classList) {
    const NativeHandle theme = TimedThemePlatform::OpenThemeData(window, classList);
    counts_.themesOpened += theme != 0;
    return theme;
}

int32_t CountingThemePlatform::CloseThemeData(NativeHandle theme) {
    const int32_t result = TimedThemePlatform::CloseThemeData(theme);
    counts_.themesClosed += theme != 0 && result == 0;
    return result;
}

NativeHandle CountingThemePlatform::GetThemeBackgroundRegion(NativeHandle theme, NativeHandle dc, int32_t part,
                                                             int32_t state, const PlatformRect& rect) {
    const NativeHandle region = TimedThemePlatform::GetThemeBackgroundRegion(theme, dc, part, state, rect);
    counts_.gdiObjectsMade += region != 0;
    return region;
}

int32_t CountingThemePlatform::DrawThemeBackground(NativeHandle theme, NativeHandle dc, int32_t part, int32_t state,
                                                   const PlatformRect& rect, const PlatformRect& clip) {
    ++counts_.themedFaces;
    counts_.lastFaceState = state;
    return TimedThemePlatform::DrawThemeBackground(theme, dc, part, state, rect, clip);
}

NativeHandle CountingThemePlatform::CreateSolidBrush(uint32_t color) {
    const NativeHandle brush = TimedThemePlatform::CreateSolidBrush(color);
    counts_.gdiObjectsMade += brush != 0;
    return brush;
}

NativeHandle CountingThemePlatform::CreateCompatibleDC(NativeHandle dc) {
    const NativeHandle memory = TimedThemePlatform::CreateCompatibleDC(dc);
    counts_.memoryDcsMade += memory != 0;
    return memory;
}

NativeHandle CountingThemePlatform::CreateCompatibleBitmap(NativeHandle dc, int32_t width, int32_t height) {
    const NativeHandle bitmap = TimedThemePlatform::CreateCompatibleBitmap(dc, width, height);
    counts_.gdiObjectsMade += bitmap != 0;
    return bitmap;
}

bool CountingThemePlatform::DeleteObject(NativeHandle object) {
    const bool deleted = TimedThemePlatform::DeleteObject(object);
    counts_.gdiObjectsDeleted += deleted;
    return deleted;
}

bool CountingThemePlatform::DeleteDC(NativeHandle dc) {
    const bool deleted = TimedThemePlatform::DeleteDC(dc);
    counts_.memoryDcsDeleted += deleted;
    return deleted;
}

void CountingThemePlatform::OutputDebugStringA(const std::string& text) {
    ++counts_.failuresReported;
    TimedThemePlatform::OutputDebugStringA(text);
}

}  // namespace velkorin::bench
