#pragma once

#include <cstdint>
#include <string>

#include "xptheme/PlatformHandle.h"

namespace velkorin {

// What a window property holds: the module keeps flags there.
using PropertyValue = std::uintptr_t;

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
    WindowHandle hwndTrack;
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

// Every platform function the visual-style module calls, named as the platform names them: the
// library that exports it (as the binding tables name it), return type, name, parameters, and the
// parameters' names. One list, so that each table (the real one, a recording or counting one)
// declares exactly the same set: VELKORIN_THEME_PLATFORM_FUNCTIONS(VELKORIN_THEME_PLATFORM_OVERRIDE),
// and a table that only passes calls on can be generated from it.
#define VELKORIN_THEME_PLATFORM_FUNCTIONS(X) \
    X("comctl32.dll", int32_t, DllGetVersion, (DllVersionInfo& info), (info)) \
    X("comctl32.dll", bool, InitCommonControlsEx, (const InitCommonControlsRecord& record), (record)) \
    X("comctl32.dll", MessageResult, DefSubclassProc, (WindowHandle window, uint32_t message, MessageWParam wParam, MessageLParam lParam), (window, message, wParam, lParam)) \
    X("comctl32.dll", bool, SetWindowSubclass, (WindowHandle window, SubclassProcedure procedure, std::uintptr_t subclassId, std::uintptr_t referenceData), (window, procedure, subclassId, referenceData)) \
    X("user32", MessageResult, DefWindowProcA, (WindowHandle window, uint32_t message, MessageWParam wParam, MessageLParam lParam), (window, message, wParam, lParam)) \
    X("user32", PropertyValue, GetPropA, (WindowHandle window, const std::string& name), (window, name)) \
    X("user32", bool, SetPropA, (WindowHandle window, const std::string& name, PropertyValue value), (window, name, value)) \
    X("user32", int32_t, IsWindowVisible, (WindowHandle window), (window)) \
    X("user32", DcHandle, GetDC, (WindowHandle window), (window)) \
    X("user32", int32_t, ReleaseDC, (WindowHandle window, DcHandle dc), (window, dc)) \
    X("user32", int32_t, FillRect, (DcHandle dc, const PlatformRect& rect, GdiObjectHandle brush), (dc, rect, brush)) \
    /* DrawStateA with no brush and no callback, as the module always calls it. */ \
    X("user32", bool, DrawStateA, (DcHandle dc, GdiObjectHandle image, int32_t x, int32_t y, int32_t width, int32_t height, uint32_t flags), (dc, image, x, y, width, height, flags)) \
    X("user32", MessageResult, SendMessageA, (WindowHandle window, uint32_t message, MessageWParam wParam, MessageLParam lParam), (window, message, wParam, lParam)) \
    X("user32", WindowHandle, GetFocus, (), ()) \
    X("user32", DcHandle, BeginPaint, (WindowHandle window, PaintRecord& record), (window, record)) \
    X("user32", bool, EndPaint, (WindowHandle window, const PaintRecord& record), (window, record)) \
    X("user32", bool, TrackMouseEvent, (const TrackMouseRecord& record), (record)) \
    X("user32", bool, InvalidateRect, (WindowHandle window, const PlatformRect* rect, bool erase), (window, rect, erase)) \
    X("user32", bool, ValidateRect, (WindowHandle window, const PlatformRect* rect), (window, rect)) \
    X("user32", bool, InvalidateRgn, (WindowHandle window, RegionHandle region, bool erase), (window, region, erase)) \
    X("user32", uint32_t, GetSysColor, (int32_t index), (index)) \
    X("user32", PlatformRect, GetClientRect, (WindowHandle window), (window)) \
    X("user32", int32_t, DrawFocusRect, (DcHandle dc, const PlatformRect& rect), (dc, rect)) \
    /* Text in UTF-8, passed on in the ANSI code page; the rectangle is written back as the platform does. */ \
    X("user32", int32_t, DrawTextA, (DcHandle dc, const std::string& text, int32_t length, PlatformRect& rect, uint32_t format), (dc, text, length, rect, format)) \
    /* uxtheme takes wide text: the real table converts the module's UTF-8. */ \
    X("uxtheme", ThemeHandle, OpenThemeData, (WindowHandle window, const std::string& classList), (window, classList)) \
    X("uxtheme", int32_t, CloseThemeData, (ThemeHandle theme), (theme)) \
    X("uxtheme", RegionHandle, GetThemeBackgroundRegion, (ThemeHandle theme, DcHandle dc, int32_t part, int32_t state, const PlatformRect& rect), (theme, dc, part, state, rect)) \
    X("uxtheme", int32_t, DrawThemeParentBackground, (WindowHandle window, DcHandle dc, const PlatformRect& rect), (window, dc, rect)) \
    X("uxtheme", int32_t, DrawThemeBackground, (ThemeHandle theme, DcHandle dc, int32_t part, int32_t state, const PlatformRect& rect, const PlatformRect& clip), (theme, dc, part, state, rect, clip)) \
    X("uxtheme", PlatformRect, GetThemeBackgroundContentRect, (ThemeHandle theme, DcHandle dc, int32_t part, int32_t state, const PlatformRect& bounds), (theme, dc, part, state, bounds)) \
    X("uxtheme", int32_t, DrawThemeText, (ThemeHandle theme, DcHandle dc, int32_t part, int32_t state, const std::string& text, int32_t length, uint32_t flags, uint32_t flags2, const PlatformRect& rect), (theme, dc, part, state, text, length, flags, flags2, rect)) \
    X("gdi32", int32_t, ExtSelectClipRgn, (DcHandle dc, RegionHandle region, int32_t mode), (dc, region, mode)) \
    X("gdi32", GdiObjectHandle, CreateSolidBrush, (uint32_t color), (color)) \
    X("gdi32", DcHandle, CreateCompatibleDC, (DcHandle dc), (dc)) \
    X("gdi32", GdiObjectHandle, CreateCompatibleBitmap, (DcHandle dc, int32_t width, int32_t height), (dc, width, height)) \
    X("gdi32", GdiObjectHandle, SelectObject, (DcHandle dc, GdiObjectHandle object), (dc, object)) \
    X("gdi32", bool, DeleteObject, (GdiObjectHandle object), (object)) \
    X("gdi32", bool, DeleteDC, (DcHandle dc), (dc)) \
    X("msimg32", bool, TransparentBlt, (DcHandle destination, int32_t x, int32_t y, int32_t width, int32_t height, DcHandle source, int32_t sourceX, int32_t sourceY, int32_t sourceWidth, int32_t sourceHeight, uint32_t transparentColor), (destination, x, y, width, height, source, sourceX, sourceY, sourceWidth, sourceHeight, transparentColor)) \
    X("kernel32", ModuleHandle, LoadLibraryA, (const std::string& fileName), (fileName)) \
    X("kernel32", void, OutputDebugStringA, (const std::string& text), (text)) \
    X("uxtheme", int32_t, IsAppThemed, (), ()) \
    X("uxtheme", int32_t, IsThemeActive, (), ()) \
    X("uxtheme", uint32_t, GetThemeAppProperties, (), ())

// The table itself. The real one binds each function by library and function name at its first
// call; a missing library or function is a Failure of that call. Host tests put a recording fake in
// its place.
class ThemePlatform {
public:
    virtual ~ThemePlatform() = default;

#define VELKORIN_THEME_PLATFORM_PURE(library, result, name, parameters, arguments) virtual result name parameters = 0;
    VELKORIN_THEME_PLATFORM_FUNCTIONS(VELKORIN_THEME_PLATFORM_PURE)
#undef VELKORIN_THEME_PLATFORM_PURE
};

// Declares one function of the list in a table that implements it.
#define VELKORIN_THEME_PLATFORM_OVERRIDE(library, result, name, parameters, arguments) result name parameters override;

}  // namespace velkorin
