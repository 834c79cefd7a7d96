#pragma once

#include <cstdint>
#include <string>

namespace velkorin {

using NativeHandle = std::uintptr_t;

// A message's parameters and result, pointer-sized as on the platform.
using MessageWParam = std::uintptr_t;
using MessageLParam = std::intptr_t;
using MessageResult = std::intptr_t;

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

// Every platform function the visual-style module calls, named as the platform names them: return
// type, name, parameters. One list, so that each table (the real one, a recording or counting one)
// declares exactly the same set: VELKORIN_THEME_PLATFORM_FUNCTIONS(VELKORIN_THEME_PLATFORM_OVERRIDE).
#define VELKORIN_THEME_PLATFORM_FUNCTIONS(X) \
    /* comctl32.dll */ \
    X(int32_t, DllGetVersion, (DllVersionInfo& info)) \
    X(bool, InitCommonControlsEx, (const InitCommonControlsRecord& record)) \
    X(MessageResult, DefSubclassProc, (NativeHandle window, uint32_t message, MessageWParam wParam, MessageLParam lParam)) \
    X(bool, SetWindowSubclass, (NativeHandle window, SubclassProcedure procedure, std::uintptr_t subclassId, std::uintptr_t referenceData)) \
    /* user32 */ \
    X(MessageResult, DefWindowProcA, (NativeHandle window, uint32_t message, MessageWParam wParam, MessageLParam lParam)) \
    X(NativeHandle, GetPropA, (NativeHandle window, const std::string& name)) \
    X(bool, SetPropA, (NativeHandle window, const std::string& name, NativeHandle value)) \
    X(int32_t, IsWindowVisible, (NativeHandle window)) \
    X(NativeHandle, GetDC, (NativeHandle window)) \
    X(int32_t, ReleaseDC, (NativeHandle window, NativeHandle dc)) \
    X(int32_t, FillRect, (NativeHandle dc, const PlatformRect& rect, NativeHandle brush)) \
    /* DrawStateA with no brush and no callback, as the module always calls it. */ \
    X(bool, DrawStateA, (NativeHandle dc, NativeHandle image, int32_t x, int32_t y, int32_t width, int32_t height, uint32_t flags)) \
    X(MessageResult, SendMessageA, (NativeHandle window, uint32_t message, MessageWParam wParam, MessageLParam lParam)) \
    X(NativeHandle, GetFocus, ()) \
    X(NativeHandle, BeginPaint, (NativeHandle window, PaintRecord& record)) \
    X(bool, EndPaint, (NativeHandle window, const PaintRecord& record)) \
    X(bool, TrackMouseEvent, (const TrackMouseRecord& record)) \
    X(bool, InvalidateRect, (NativeHandle window, const PlatformRect* rect, bool erase)) \
    X(bool, ValidateRect, (NativeHandle window, const PlatformRect* rect)) \
    X(bool, InvalidateRgn, (NativeHandle window, NativeHandle region, bool erase)) \
    X(uint32_t, GetSysColor, (int32_t index)) \
    X(PlatformRect, GetClientRect, (NativeHandle window)) \
    X(int32_t, DrawFocusRect, (NativeHandle dc, const PlatformRect& rect)) \
    /* Text in UTF-8, passed on in the ANSI code page; the rectangle is written back as the platform does. */ \
    X(int32_t, DrawTextA, (NativeHandle dc, const std::string& text, int32_t length, PlatformRect& rect, uint32_t format)) \
    /* uxtheme (wide text) */ \
    X(NativeHandle, OpenThemeData, (NativeHandle window, const std::string& classList)) \
    X(int32_t, CloseThemeData, (NativeHandle theme)) \
    X(NativeHandle, GetThemeBackgroundRegion, (NativeHandle theme, NativeHandle dc, int32_t part, int32_t state, const PlatformRect& rect)) \
    X(int32_t, DrawThemeParentBackground, (NativeHandle window, NativeHandle dc, const PlatformRect& rect)) \
    X(int32_t, DrawThemeBackground, (NativeHandle theme, NativeHandle dc, int32_t part, int32_t state, const PlatformRect& rect, const PlatformRect& clip)) \
    X(PlatformRect, GetThemeBackgroundContentRect, (NativeHandle theme, NativeHandle dc, int32_t part, int32_t state, const PlatformRect& bounds)) \
    X(int32_t, DrawThemeText, (NativeHandle theme, NativeHandle dc, int32_t part, int32_t state, const std::string& text, int32_t length, uint32_t flags, uint32_t flags2, const PlatformRect& rect)) \
    /* gdi32 */ \
    X(int32_t, ExtSelectClipRgn, (NativeHandle dc, NativeHandle region, int32_t mode)) \
    X(NativeHandle, CreateSolidBrush, (uint32_t color)) \
    X(NativeHandle, CreateCompatibleDC, (NativeHandle dc)) \
    X(NativeHandle, CreateCompatibleBitmap, (NativeHandle dc, int32_t width, int32_t height)) \
    X(NativeHandle, SelectObject, (NativeHandle dc, NativeHandle object)) \
    X(bool, DeleteObject, (NativeHandle object)) \
    X(bool, DeleteDC, (NativeHandle dc)) \
    /* msimg32 */ \
    X(bool, TransparentBlt, (NativeHandle destination, int32_t x, int32_t y, int32_t width, int32_t height, NativeHandle source, int32_t sourceX, int32_t sourceY, int32_t sourceWidth, int32_t sourceHeight, uint32_t transparentColor)) \
    /* kernel32 */ \
    X(NativeHandle, LoadLibraryA, (const std::string& fileName)) \
    X(void, OutputDebugStringA, (const std::string& text)) \
    /* uxtheme */ \
    X(int32_t, IsAppThemed, ()) \
    X(int32_t, IsThemeActive, ()) \
    X(uint32_t, GetThemeAppProperties, ())

// The table itself. The real one binds each function by library and function name at its first
// call; a missing library or function is a Failure of that call. Host tests put a recording fake in
// its place.
class ThemePlatform {
public:
    virtual ~ThemePlatform() = default;

#define VELKORIN_THEME_PLATFORM_PURE(result, name, parameters) virtual result name parameters = 0;
    VELKORIN_THEME_PLATFORM_FUNCTIONS(VELKORIN_THEME_PLATFORM_PURE)
#undef VELKORIN_THEME_PLATFORM_PURE
};

// Declares one function of the list in a table that implements it.
#define VELKORIN_THEME_PLATFORM_OVERRIDE(result, name, parameters) result name parameters override;

}  // namespace velkorin
