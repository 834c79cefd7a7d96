#pragma once

#include <cstdint>
#include <string>

namespace velkorin {

using NativeHandle = std::uintptr_t;

// A message's parameters and result, pointer-sized as on the platform.
using MessageWParam = std::uintptr_t;
using MessageLParam = std::intptr_t;
using MessageResult = std::intptr_t;

// A handle carried as a 32-bit whole number (a control's "hWnd", a font's "hFont"), widened as the
// platform widens a 32-bit handle: sign-extended.
inline NativeHandle HandleFromLong(int32_t value) { return static_cast<NativeHandle>(static_cast<std::intptr_t>(value)); }

// The platform's RECT.
struct PlatformRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
};

// The platform's PAINTSTRUCT, filled by BeginPaint and handed back to EndPaint unchanged.
struct PaintRecord {
    alignas(8) unsigned char bytes[128] = {};
};

// The platform's TRACKMOUSEEVENT.
struct TrackMouseRecord {
    uint32_t cbSize = 0;
    uint32_t dwFlags = 0;
    NativeHandle hwndTrack = 0;
    uint32_t dwHoverTime = 0;
};

// The module's subclass procedures, as the platform's subclassing service is given them.
enum class SubclassProcedure { RedirectFrame, RedirectButton };

// The platform's DLLVERSIONINFO: five 32-bit fields.
struct DllVersionInfo {
    uint32_t cbSize = 0;
    uint32_t dwMajorVersion = 0;
    uint32_t dwMinorVersion = 0;
    uint32_t dwBuildNumber = 0;
    uint32_t dwPlatformID = 0;
};

// The platform's INITCOMMONCONTROLSEX.
struct InitCommonControlsRecord {
    uint32_t dwSize = 0;
    uint32_t dwICC = 0;
};

// Every platform function the visual-style module calls, named as the platform names them. The
// real table binds each one by library and function name at its first call; a missing library or
// function is a Failure of that call. Host tests put a recording fake in its place.
class ThemePlatform {
public:
    virtual ~ThemePlatform() = default;

    // comctl32.dll
    virtual int32_t DllGetVersion(DllVersionInfo& info) = 0;
    virtual bool InitCommonControlsEx(const InitCommonControlsRecord& record) = 0;
    virtual MessageResult DefSubclassProc(NativeHandle window, uint32_t message, MessageWParam wParam,
                                          MessageLParam lParam) = 0;
    virtual bool SetWindowSubclass(NativeHandle window, SubclassProcedure procedure, std::uintptr_t subclassId,
                                   std::uintptr_t referenceData) = 0;

    // user32
    virtual MessageResult DefWindowProcA(NativeHandle window, uint32_t message, MessageWParam wParam,
                                         MessageLParam lParam) = 0;
    virtual NativeHandle GetPropA(NativeHandle window, const std::string& name) = 0;
    virtual bool SetPropA(NativeHandle window, const std::string& name, NativeHandle value) = 0;
    virtual int32_t IsWindowVisible(NativeHandle window) = 0;
    virtual NativeHandle GetDC(NativeHandle window) = 0;
    virtual int32_t ReleaseDC(NativeHandle window, NativeHandle dc) = 0;
    virtual int32_t FillRect(NativeHandle dc, const PlatformRect& rect, NativeHandle brush) = 0;
    // DrawStateA with no brush and no callback, as the module always calls it.
    virtual bool DrawStateA(NativeHandle dc, NativeHandle image, int32_t x, int32_t y, int32_t width, int32_t height,
                            uint32_t flags) = 0;

    virtual MessageResult SendMessageA(NativeHandle window, uint32_t message, MessageWParam wParam,
                                       MessageLParam lParam) = 0;
    virtual NativeHandle GetFocus() = 0;
    virtual NativeHandle BeginPaint(NativeHandle window, PaintRecord& record) = 0;
    virtual bool EndPaint(NativeHandle window, const PaintRecord& record) = 0;
    virtual bool TrackMouseEvent(const TrackMouseRecord& record) = 0;
    virtual bool InvalidateRect(NativeHandle window, const PlatformRect* rect, bool erase) = 0;
    virtual bool ValidateRect(NativeHandle window, const PlatformRect* rect) = 0;
    virtual bool InvalidateRgn(NativeHandle window, NativeHandle region, bool erase) = 0;
    virtual uint32_t GetSysColor(int32_t index) = 0;
    virtual PlatformRect GetClientRect(NativeHandle window) = 0;
    virtual int32_t DrawFocusRect(NativeHandle dc, const PlatformRect& rect) = 0;
    // Text in UTF-8, passed on in the ANSI code page; the rectangle is written back as the platform does.
    virtual int32_t DrawTextA(NativeHandle dc, const std::string& text, int32_t length, PlatformRect& rect,
                              uint32_t format) = 0;

    // uxtheme (wide text)
    virtual NativeHandle OpenThemeData(NativeHandle window, const std::string& classList) = 0;
    virtual int32_t CloseThemeData(NativeHandle theme) = 0;
    virtual NativeHandle GetThemeBackgroundRegion(NativeHandle theme, NativeHandle dc, int32_t part, int32_t state,
                                                  const PlatformRect& rect) = 0;
    virtual int32_t DrawThemeParentBackground(NativeHandle window, NativeHandle dc, const PlatformRect& rect) = 0;
    virtual int32_t DrawThemeBackground(NativeHandle theme, NativeHandle dc, int32_t part, int32_t state,
                                        const PlatformRect& rect, const PlatformRect& clip) = 0;
    virtual PlatformRect GetThemeBackgroundContentRect(NativeHandle theme, NativeHandle dc, int32_t part,
                                                       int32_t state, const PlatformRect& bounds) = 0;
    virtual int32_t DrawThemeText(NativeHandle theme, NativeHandle dc, int32_t part, int32_t state,
                                  const std::string& text, int32_t length, uint32_t flags, uint32_t flags2,
                                  const PlatformRect& rect) = 0;

    // gdi32
    virtual int32_t ExtSelectClipRgn(NativeHandle dc, NativeHandle region, int32_t mode) = 0;
    virtual NativeHandle CreateSolidBrush(uint32_t color) = 0;
    virtual NativeHandle CreateCompatibleDC(NativeHandle dc) = 0;
    virtual NativeHandle CreateCompatibleBitmap(NativeHandle dc, int32_t width, int32_t height) = 0;
    virtual NativeHandle SelectObject(NativeHandle dc, NativeHandle object) = 0;
    virtual bool DeleteObject(NativeHandle object) = 0;
    virtual bool DeleteDC(NativeHandle dc) = 0;

    // msimg32
    virtual bool TransparentBlt(NativeHandle destination, int32_t x, int32_t y, int32_t width, int32_t height,
                                NativeHandle source, int32_t sourceX, int32_t sourceY, int32_t sourceWidth,
                                int32_t sourceHeight, uint32_t transparentColor) = 0;

    // kernel32
    virtual NativeHandle LoadLibraryA(const std::string& fileName) = 0;
    virtual void OutputDebugStringA(const std::string& text) = 0;

    // uxtheme
    virtual int32_t IsAppThemed() = 0;
    virtual int32_t IsThemeActive() = 0;
    virtual uint32_t GetThemeAppProperties() = 0;
};

}  // namespace velkorin
