#pragma once

#include "paint/TimedThemePlatform.h"

namespace velkorin::bench {

// What the module made and gave back through its platform table.
struct ResourceCounts {
    long long gdiObjectsMade = 0;  // regions, brushes, bitmaps
    long long gdiObjectsDeleted = 0;
    long long memoryDcsMade = 0;
    long long memoryDcsDeleted = 0;
    long long dcsGot = 0;  // GetDC: the window manager's device contexts
    long long dcsReleased = 0;
    long long themesOpened = 0;
    long long themesClosed = 0;
    long long failuresReported = 0;  // the module's error reporter writes to the debugger channel
    long long themedFaces = 0;       // DrawThemeBackground calls
    int32_t lastFaceState = 0;       // the state of the last one

    long long LiveGdiObjects() const { return gdiObjectsMade - gdiObjectsDeleted; }
    long long LiveMemoryDcs() const { return memoryDcsMade - memoryDcsDeleted; }
    long long HeldDcs() const { return dcsGot - dcsReleased; }
    long long OpenThemes() const { return themesOpened - themesClosed; }
};

// The real platform table, timed, with a count of every object made and released through it.
// GetGuiResources answers 0 under Wine, so the module's own calls are what is counted.
class CountingThemePlatform : public TimedThemePlatform {
public:
    using TimedThemePlatform::TimedThemePlatform;

    const ResourceCounts& Counts() const { return counts_; }

    DcHandle GetDC(WindowHandle window) override;
    int32_t ReleaseDC(WindowHandle window, DcHandle dc) override;
    ThemeHandle OpenThemeData(WindowHandle window, const std::string& classList) override;
    int32_t CloseThemeData(ThemeHandle theme) override;
    RegionHandle GetThemeBackgroundRegion(ThemeHandle theme, DcHandle dc, int32_t part, int32_t state,
                                          const PlatformRect& rect) override;
    int32_t DrawThemeBackground(ThemeHandle theme, DcHandle dc, int32_t part, int32_t state,
                                const PlatformRect& rect, const PlatformRect& clip) override;
    GdiObjectHandle CreateSolidBrush(uint32_t color) override;
    DcHandle CreateCompatibleDC(DcHandle dc) override;
    GdiObjectHandle CreateCompatibleBitmap(DcHandle dc, int32_t width, int32_t height) override;
    bool DeleteObject(GdiObjectHandle object) override;
    bool DeleteDC(DcHandle dc) override;
    void OutputDebugStringA(const std::string& text) override;

private:
    ResourceCounts counts_;
};

}  // namespace velkorin::bench
