#pragma once

#include <map>
#include <string>

#include "CallTime.h"
#include "ThemePlatform.h"

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

// The real platform table with a count of every object made and released through it, and the time
// spent in each function. GetGuiResources answers 0 under Wine, so the module's own calls are what
// is counted.
class CountingThemePlatform : public ThemePlatform {
public:
    explicit CountingThemePlatform(ThemePlatform& real) : real_(real) {}

    const ResourceCounts& Counts() const { return counts_; }
    const std::map<std::string, CallTime>& Profile() const { return profile_; }

    int32_t DllGetVersion(DllVersionInfo& info) override;
    bool InitCommonControlsEx(const InitCommonControlsRecord& record) override;
    MessageResult DefSubclassProc(NativeHandle window, uint32_t message, MessageWParam wParam,
                                  MessageLParam lParam) override;
    bool SetWindowSubclass(NativeHandle window, SubclassProcedure procedure, std::uintptr_t subclassId,
                           std::uintptr_t referenceData) override;
    MessageResult DefWindowProcA(NativeHandle window, uint32_t message, MessageWParam wParam,
                                 MessageLParam lParam) override;
    NativeHandle GetPropA(NativeHandle window, const std::string& name) override;
    bool SetPropA(NativeHandle window, const std::string& name, NativeHandle value) override;
    int32_t IsWindowVisible(NativeHandle window) override;
    NativeHandle GetDC(NativeHandle window) override;
    int32_t ReleaseDC(NativeHandle window, NativeHandle dc) override;
    int32_t FillRect(NativeHandle dc, const PlatformRect& rect, NativeHandle brush) override;
    bool DrawStateA(NativeHandle dc, NativeHandle image, int32_t x, int32_t y, int32_t width, int32_t height,
                    uint32_t flags) override;
    MessageResult SendMessageA(NativeHandle window, uint32_t message, MessageWParam wParam,
                               MessageLParam lParam) override;
    NativeHandle GetFocus() override;
    NativeHandle BeginPaint(NativeHandle window, PaintRecord& record) override;
    bool EndPaint(NativeHandle window, const PaintRecord& record) override;
    bool TrackMouseEvent(const TrackMouseRecord& record) override;
    bool InvalidateRect(NativeHandle window, const PlatformRect* rect, bool erase) override;
    bool ValidateRect(NativeHandle window, const PlatformRect* rect) override;
    bool InvalidateRgn(NativeHandle window, NativeHandle region, bool erase) override;
    uint32_t GetSysColor(int32_t index) override;
    PlatformRect GetClientRect(NativeHandle window) override;
    int32_t DrawFocusRect(NativeHandle dc, const PlatformRect& rect) override;
    int32_t DrawTextA(NativeHandle dc, const std::string& text, int32_t length, PlatformRect& rect,
                      uint32_t format) override;
    NativeHandle OpenThemeData(NativeHandle window, const std::string& classList) override;
    int32_t CloseThemeData(NativeHandle theme) override;
    NativeHandle GetThemeBackgroundRegion(NativeHandle theme, NativeHandle dc, int32_t part, int32_t state,
                                          const PlatformRect& rect) override;
    int32_t DrawThemeParentBackground(NativeHandle window, NativeHandle dc, const PlatformRect& rect) override;
    int32_t DrawThemeBackground(NativeHandle theme, NativeHandle dc, int32_t part, int32_t state,
                                const PlatformRect& rect, const PlatformRect& clip) override;
    PlatformRect GetThemeBackgroundContentRect(NativeHandle theme, NativeHandle dc, int32_t part, int32_t state,
                                               const PlatformRect& bounds) override;
    int32_t DrawThemeText(NativeHandle theme, NativeHandle dc, int32_t part, int32_t state, const std::string& text,
                          int32_t length, uint32_t flags, uint32_t flags2, const PlatformRect& rect) override;
    int32_t ExtSelectClipRgn(NativeHandle dc, NativeHandle region, int32_t mode) override;
    NativeHandle CreateSolidBrush(uint32_t color) override;
    NativeHandle CreateCompatibleDC(NativeHandle dc) override;
    NativeHandle CreateCompatibleBitmap(NativeHandle dc, int32_t width, int32_t height) override;
    NativeHandle SelectObject(NativeHandle dc, NativeHandle object) override;
    bool DeleteObject(NativeHandle object) override;
    bool DeleteDC(NativeHandle dc) override;
    bool TransparentBlt(NativeHandle destination, int32_t x, int32_t y, int32_t width, int32_t height,
                        NativeHandle source, int32_t sourceX, int32_t sourceY, int32_t sourceWidth,
                        int32_t sourceHeight, uint32_t transparentColor) override;
    NativeHandle LoadLibraryA(const std::string& fileName) override;
    void OutputDebugStringA(const std::string& text) override;
    int32_t IsAppThemed() override;
    int32_t IsThemeActive() override;
    uint32_t GetThemeAppProperties() override;

private:
    ThemePlatform& real_;
    ResourceCounts counts_;
    std::map<std::string, CallTime> profile_;
};

}  // namespace velkorin::bench
