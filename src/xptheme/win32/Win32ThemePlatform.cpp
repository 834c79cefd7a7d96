#include "xptheme/win32/Win32ThemePlatform.h"

#include "runtime/win32/SystemLibraries.h"
#include "runtime/win32/TextConversion.h"
#include "xptheme/win32/NativeHandles.h"
#include "xptheme/win32/Win32Subclassing.h"

namespace velkorin::win32 {

int32_t Win32ThemePlatform::DllGetVersion(DllVersionInfo& info) {
    DLLVERSIONINFO native = {};
    native.cbSize = info.cbSize;
    HRESULT hr = Comctl32().pDllGetVersion(&native);
    info.dwMajorVersion = native.dwMajorVersion;
    info.dwMinorVersion = native.dwMinorVersion;
    info.dwBuildNumber = native.dwBuildNumber;
    info.dwPlatformID = native.dwPlatformID;
    return hr;
}

bool Win32ThemePlatform::InitCommonControlsEx(const InitCommonControlsRecord& record) {
    INITCOMMONCONTROLSEX native = {record.dwSize, record.dwICC};
    return Comctl32().pInitCommonControlsEx(&native) != FALSE;
}

DcHandle Win32ThemePlatform::GetDC(WindowHandle window) { return Wrapped<DcHandle>(User32().pGetDC(Native(window))); }

int32_t Win32ThemePlatform::ReleaseDC(WindowHandle window, DcHandle dc) {
    return User32().pReleaseDC(Native(window), Native(dc));
}

int32_t Win32ThemePlatform::FillRect(DcHandle dc, const PlatformRect& rect, GdiObjectHandle brush) {
    RECT native = {rect.left, rect.top, rect.right, rect.bottom};
    return User32().pFillRect(Native(dc), &native, static_cast<HBRUSH>(Native(brush)));
}

bool Win32ThemePlatform::DrawStateA(DcHandle dc, GdiObjectHandle image, int32_t x, int32_t y, int32_t width,
                                    int32_t height, uint32_t flags) {
    return User32().pDrawStateA(Native(dc), nullptr, nullptr, static_cast<LPARAM>(image.Value()), 0, x, y, width,
                                height, flags) != FALSE;
}

namespace {
RECT ToRect(const PlatformRect& r) { return {r.left, r.top, r.right, r.bottom}; }
PlatformRect FromRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }
}  // namespace

MessageResult Win32ThemePlatform::SendMessageA(WindowHandle window, uint32_t message, MessageWParam wParam,
                                               MessageLParam lParam) {
    return User32().pSendMessageA(Native(window), message, wParam, lParam);
}

static_assert(sizeof(PAINTSTRUCT) <= sizeof(PaintRecord::bytes), "PaintRecord holds a PAINTSTRUCT");

DcHandle Win32ThemePlatform::BeginPaint(WindowHandle window, PaintRecord& record) {
    return Wrapped<DcHandle>(User32().pBeginPaint(Native(window), reinterpret_cast<PAINTSTRUCT*>(record.bytes)));
}

bool Win32ThemePlatform::EndPaint(WindowHandle window, const PaintRecord& record) {
    return User32().pEndPaint(Native(window), reinterpret_cast<const PAINTSTRUCT*>(record.bytes)) != FALSE;
}

bool Win32ThemePlatform::TrackMouseEvent(const TrackMouseRecord& record) {
    // The module's record gives the 32-bit size (16); the structure's own size is what this build's
    // user32 accepts (24 in a 64-bit process).
    TRACKMOUSEEVENT native = {sizeof(TRACKMOUSEEVENT), record.dwFlags, Native(record.hwndTrack), record.dwHoverTime};
    return User32().pTrackMouseEvent(&native) != FALSE;
}

bool Win32ThemePlatform::InvalidateRect(WindowHandle window, const PlatformRect* rect, bool erase) {
    RECT native = rect ? ToRect(*rect) : RECT{};
    return User32().pInvalidateRect(Native(window), rect ? &native : nullptr, erase) != FALSE;
}

bool Win32ThemePlatform::ValidateRect(WindowHandle window, const PlatformRect* rect) {
    RECT native = rect ? ToRect(*rect) : RECT{};
    return User32().pValidateRect(Native(window), rect ? &native : nullptr) != FALSE;
}

bool Win32ThemePlatform::InvalidateRgn(WindowHandle window, RegionHandle region, bool erase) {
    return User32().pInvalidateRgn(Native(window), Native(region), erase) != FALSE;
}

WindowHandle Win32ThemePlatform::GetFocus() { return Wrapped<WindowHandle>(User32().pGetFocus()); }

uint32_t Win32ThemePlatform::GetSysColor(int32_t index) { return User32().pGetSysColor(index); }

PlatformRect Win32ThemePlatform::GetClientRect(WindowHandle window) {
    RECT rect = {};
    User32().pGetClientRect(Native(window), &rect);
    return FromRect(rect);
}

int32_t Win32ThemePlatform::DrawFocusRect(DcHandle dc, const PlatformRect& rect) {
    RECT native = ToRect(rect);
    return User32().pDrawFocusRect(Native(dc), &native);
}

int32_t Win32ThemePlatform::DrawTextA(DcHandle dc, const std::string& text, int32_t length, PlatformRect& rect,
                                      uint32_t format) {
    RECT native = ToRect(rect);
    std::string ansi = Utf8ToAnsi(text);
    int result = User32().pDrawTextA(Native(dc), ansi.c_str(), length, &native, format);
    rect = FromRect(native);
    return result;
}

ThemeHandle Win32ThemePlatform::OpenThemeData(WindowHandle window, const std::string& classList) {
    return Wrapped<ThemeHandle>(Uxtheme().pOpenThemeData(Native(window), Utf8ToWide(classList).c_str()));
}

int32_t Win32ThemePlatform::CloseThemeData(ThemeHandle theme) { return Uxtheme().pCloseThemeData(Native(theme)); }

RegionHandle Win32ThemePlatform::GetThemeBackgroundRegion(ThemeHandle theme, DcHandle dc, int32_t part,
                                                          int32_t state, const PlatformRect& rect) {
    RECT native = ToRect(rect);
    HRGN region = nullptr;
    Uxtheme().pGetThemeBackgroundRegion(Native(theme), Native(dc), part, state, &native, &region);
    return Wrapped<RegionHandle>(region);
}

int32_t Win32ThemePlatform::DrawThemeParentBackground(WindowHandle window, DcHandle dc, const PlatformRect& rect) {
    RECT native = ToRect(rect);
    return Uxtheme().pDrawThemeParentBackground(Native(window), Native(dc), &native);
}

int32_t Win32ThemePlatform::DrawThemeBackground(ThemeHandle theme, DcHandle dc, int32_t part, int32_t state,
                                                const PlatformRect& rect, const PlatformRect& clip) {
    RECT nativeRect = ToRect(rect), nativeClip = ToRect(clip);
    return Uxtheme().pDrawThemeBackground(Native(theme), Native(dc), part, state, &nativeRect, &nativeClip);
}

PlatformRect Win32ThemePlatform::GetThemeBackgroundContentRect(ThemeHandle theme, DcHandle dc, int32_t part,
                                                               int32_t state, const PlatformRect& bounds) {
    RECT nativeBounds = ToRect(bounds), content = ToRect(bounds);
    Uxtheme().pGetThemeBackgroundContentRect(Native(theme), Native(dc), part, state, &nativeBounds, &content);
    return FromRect(content);
}

int32_t Win32ThemePlatform::DrawThemeText(ThemeHandle theme, DcHandle dc, int32_t part, int32_t state,
                                          const std::string& text, int32_t length, uint32_t flags, uint32_t flags2,
                                          const PlatformRect& rect) {
    RECT native = ToRect(rect);
    return Uxtheme().pDrawThemeText(Native(theme), Native(dc), part, state, Utf8ToWide(text).c_str(), length, flags,
                                    flags2, &native);
}

int32_t Win32ThemePlatform::ExtSelectClipRgn(DcHandle dc, RegionHandle region, int32_t mode) {
    return Gdi32().pExtSelectClipRgn(Native(dc), Native(region), mode);
}

GdiObjectHandle Win32ThemePlatform::CreateSolidBrush(uint32_t color) {
    return Wrapped<GdiObjectHandle>(Gdi32().pCreateSolidBrush(color));
}

DcHandle Win32ThemePlatform::CreateCompatibleDC(DcHandle dc) {
    return Wrapped<DcHandle>(Gdi32().pCreateCompatibleDC(Native(dc)));
}

GdiObjectHandle Win32ThemePlatform::CreateCompatibleBitmap(DcHandle dc, int32_t width, int32_t height) {
    return Wrapped<GdiObjectHandle>(Gdi32().pCreateCompatibleBitmap(Native(dc), width, height));
}

GdiObjectHandle Win32ThemePlatform::SelectObject(DcHandle dc, GdiObjectHandle object) {
    return Wrapped<GdiObjectHandle>(Gdi32().pSelectObject(Native(dc), Native(object)));
}

bool Win32ThemePlatform::DeleteObject(GdiObjectHandle object) {
    return Gdi32().pDeleteObject(Native(object)) != FALSE;
}

bool Win32ThemePlatform::DeleteDC(DcHandle dc) { return Gdi32().pDeleteDC(Native(dc)) != FALSE; }

bool Win32ThemePlatform::TransparentBlt(DcHandle destination, int32_t x, int32_t y, int32_t width,
                                        int32_t height, DcHandle source, int32_t sourceX, int32_t sourceY,
                                        int32_t sourceWidth, int32_t sourceHeight, uint32_t transparentColor) {
    return Msimg32().pTransparentBlt(Native(destination), x, y, width, height, Native(source), sourceX, sourceY,
                                     sourceWidth, sourceHeight, transparentColor) != FALSE;
}

MessageResult Win32ThemePlatform::DefSubclassProc(WindowHandle window, uint32_t message, MessageWParam wParam,
                                                  MessageLParam lParam) {
    return Comctl32().pDefSubclassProc(Native(window), message, wParam, lParam);
}

MessageResult Win32ThemePlatform::DefWindowProcA(WindowHandle window, uint32_t message, MessageWParam wParam,
                                                 MessageLParam lParam) {
    return User32().pDefWindowProcA(Native(window), message, wParam, lParam);
}

PropertyValue Win32ThemePlatform::GetPropA(WindowHandle window, const std::string& name) {
    return reinterpret_cast<PropertyValue>(User32().pGetPropA(Native(window), name.c_str()));
}

bool Win32ThemePlatform::SetPropA(WindowHandle window, const std::string& name, PropertyValue value) {
    return User32().pSetPropA(Native(window), name.c_str(), reinterpret_cast<HANDLE>(value)) != FALSE;
}

int32_t Win32ThemePlatform::IsWindowVisible(WindowHandle window) { return User32().pIsWindowVisible(Native(window)); }

// The library the module asks for is a system library: loaded from the system folder, whatever
// lies beside the program.
ModuleHandle Win32ThemePlatform::LoadLibraryA(const std::string& fileName) {
    return Wrapped<ModuleHandle>(LoadLibraryFrom(fileName, LibraryOrigin::kSystemFolder).module);
}

void Win32ThemePlatform::OutputDebugStringA(const std::string& text) {
    Kernel32().pOutputDebugStringA(Utf8ToAnsi(text).c_str());
}

int32_t Win32ThemePlatform::IsAppThemed() { return Uxtheme().pIsAppThemed(); }

int32_t Win32ThemePlatform::IsThemeActive() { return Uxtheme().pIsThemeActive(); }

uint32_t Win32ThemePlatform::GetThemeAppProperties() { return Uxtheme().pGetThemeAppProperties(); }

bool Win32ThemePlatform::SetWindowSubclass(WindowHandle window, SubclassProcedure procedure,
                                           std::uintptr_t subclassId, std::uintptr_t referenceData) {
    return Comctl32().pSetWindowSubclass(Native(window), SubclassProcedures::For(procedure), subclassId,
                                         referenceData) != FALSE;
}

}  // namespace velkorin::win32
