#include "xptheme/win32/Win32ThemePlatform.h"

#include "runtime/win32/SystemLibraries.h"
#include "runtime/win32/TextConversion.h"
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

namespace {
HWND Window(NativeHandle window) { return reinterpret_cast<HWND>(window); }
HDC Dc(NativeHandle dc) { return reinterpret_cast<HDC>(dc); }
template <class H>
NativeHandle Native(H handle) { return reinterpret_cast<NativeHandle>(handle); }
}  // namespace

NativeHandle Win32ThemePlatform::GetDC(NativeHandle window) { return Native(User32().pGetDC(Window(window))); }

int32_t Win32ThemePlatform::ReleaseDC(NativeHandle window, NativeHandle dc) {
    return User32().pReleaseDC(Window(window), Dc(dc));
}

int32_t Win32ThemePlatform::FillRect(NativeHandle dc, const PlatformRect& rect, NativeHandle brush) {
    RECT native = {rect.left, rect.top, rect.right, rect.bottom};
    return User32().pFillRect(Dc(dc), &native, reinterpret_cast<HBRUSH>(brush));
}

bool Win32ThemePlatform::DrawStateA(NativeHandle dc, NativeHandle image, int32_t x, int32_t y, int32_t width,
                                    int32_t height, uint32_t flags) {
    return User32().pDrawStateA(Dc(dc), nullptr, nullptr, static_cast<LPARAM>(image), 0, x, y, width, height,
                                flags) != FALSE;
}

namespace {
RECT ToRect(const PlatformRect& r) { return {r.left, r.top, r.right, r.bottom}; }
PlatformRect FromRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }
HTHEME Theme(NativeHandle theme) { return reinterpret_cast<HTHEME>(theme); }
}  // namespace

MessageResult Win32ThemePlatform::SendMessageA(NativeHandle window, uint32_t message, MessageWParam wParam,
                                               MessageLParam lParam) {
    return User32().pSendMessageA(Window(window), message, wParam, lParam);
}

static_assert(sizeof(PAINTSTRUCT) <= sizeof(PaintRecord::bytes), "PaintRecord holds a PAINTSTRUCT");

NativeHandle Win32ThemePlatform::BeginPaint(NativeHandle window, PaintRecord& record) {
    return Native(User32().pBeginPaint(Window(window), reinterpret_cast<PAINTSTRUCT*>(record.bytes)));
}

bool Win32ThemePlatform::EndPaint(NativeHandle window, const PaintRecord& record) {
    return User32().pEndPaint(Window(window), reinterpret_cast<const PAINTSTRUCT*>(record.bytes)) != FALSE;
}

bool Win32ThemePlatform::TrackMouseEvent(const TrackMouseRecord& record) {
    // The module's record gives the 32-bit size (16); the structure's own size is what this build's
    // user32 accepts (24 in a 64-bit process).
    TRACKMOUSEEVENT native = {sizeof(TRACKMOUSEEVENT), record.dwFlags, Window(record.hwndTrack), record.dwHoverTime};
    return User32().pTrackMouseEvent(&native) != FALSE;
}

bool Win32ThemePlatform::InvalidateRect(NativeHandle window, const PlatformRect* rect, bool erase) {
    RECT native = rect ? ToRect(*rect) : RECT{};
    return User32().pInvalidateRect(Window(window), rect ? &native : nullptr, erase) != FALSE;
}

bool Win32ThemePlatform::ValidateRect(NativeHandle window, const PlatformRect* rect) {
    RECT native = rect ? ToRect(*rect) : RECT{};
    return User32().pValidateRect(Window(window), rect ? &native : nullptr) != FALSE;
}

bool Win32ThemePlatform::InvalidateRgn(NativeHandle window, NativeHandle region, bool erase) {
    return User32().pInvalidateRgn(Window(window), reinterpret_cast<HRGN>(region), erase) != FALSE;
}

NativeHandle Win32ThemePlatform::GetFocus() { return Native(User32().pGetFocus()); }

uint32_t Win32ThemePlatform::GetSysColor(int32_t index) { return User32().pGetSysColor(index); }

PlatformRect Win32ThemePlatform::GetClientRect(NativeHandle window) {
    RECT rect = {};
    User32().pGetClientRect(Window(window), &rect);
    return FromRect(rect);
}

int32_t Win32ThemePlatform::DrawFocusRect(NativeHandle dc, const PlatformRect& rect) {
    RECT native = ToRect(rect);
    return User32().pDrawFocusRect(Dc(dc), &native);
}

int32_t Win32ThemePlatform::DrawTextA(NativeHandle dc, const std::string& text, int32_t length, PlatformRect& rect,
                                      uint32_t format) {
    RECT native = ToRect(rect);
    std::string ansi = Utf8ToAnsi(text);
    int result = User32().pDrawTextA(Dc(dc), ansi.c_str(), length, &native, format);
    rect = FromRect(native);
    return result;
}

NativeHandle Win32ThemePlatform::OpenThemeData(NativeHandle window, const std::string& classList) {
    return Native(Uxtheme().pOpenThemeData(Window(window), Utf8ToWide(classList).c_str()));
}

int32_t Win32ThemePlatform::CloseThemeData(NativeHandle theme) { return Uxtheme().pCloseThemeData(Theme(theme)); }

NativeHandle Win32ThemePlatform::GetThemeBackgroundRegion(NativeHandle theme, NativeHandle dc, int32_t part,
                                                          int32_t state, const PlatformRect& rect) {
    RECT native = ToRect(rect);
    HRGN region = nullptr;
    Uxtheme().pGetThemeBackgroundRegion(Theme(theme), Dc(dc), part, state, &native, &region);
    return Native(region);
}

int32_t Win32ThemePlatform::DrawThemeParentBackground(NativeHandle window, NativeHandle dc, const PlatformRect& rect) {
    RECT native = ToRect(rect);
    return Uxtheme().pDrawThemeParentBackground(Window(window), Dc(dc), &native);
}

int32_t Win32ThemePlatform::DrawThemeBackground(NativeHandle theme, NativeHandle dc, int32_t part, int32_t state,
                                                const PlatformRect& rect, const PlatformRect& clip) {
    RECT nativeRect = ToRect(rect), nativeClip = ToRect(clip);
    return Uxtheme().pDrawThemeBackground(Theme(theme), Dc(dc), part, state, &nativeRect, &nativeClip);
}

PlatformRect Win32ThemePlatform::GetThemeBackgroundContentRect(NativeHandle theme, NativeHandle dc, int32_t part,
                                                               int32_t state, const PlatformRect& bounds) {
    RECT nativeBounds = ToRect(bounds), content = ToRect(bounds);
    Uxtheme().pGetThemeBackgroundContentRect(Theme(theme), Dc(dc), part, state, &nativeBounds, &content);
    return FromRect(content);
}

int32_t Win32ThemePlatform::DrawThemeText(NativeHandle theme, NativeHandle dc, int32_t part, int32_t state,
                                          const std::string& text, int32_t length, uint32_t flags, uint32_t flags2,
                                          const PlatformRect& rect) {
    RECT native = ToRect(rect);
    return Uxtheme().pDrawThemeText(Theme(theme), Dc(dc), part, state, Utf8ToWide(text).c_str(), length, flags,
                                    flags2, &native);
}

int32_t Win32ThemePlatform::ExtSelectClipRgn(NativeHandle dc, NativeHandle region, int32_t mode) {
    return Gdi32().pExtSelectClipRgn(Dc(dc), reinterpret_cast<HRGN>(region), mode);
}

NativeHandle Win32ThemePlatform::CreateSolidBrush(uint32_t color) { return Native(Gdi32().pCreateSolidBrush(color)); }

NativeHandle Win32ThemePlatform::CreateCompatibleDC(NativeHandle dc) {
    return Native(Gdi32().pCreateCompatibleDC(Dc(dc)));
}

NativeHandle Win32ThemePlatform::CreateCompatibleBitmap(NativeHandle dc, int32_t width, int32_t height) {
    return Native(Gdi32().pCreateCompatibleBitmap(Dc(dc), width, height));
}

NativeHandle Win32ThemePlatform::SelectObject(NativeHandle dc, NativeHandle object) {
    return Native(Gdi32().pSelectObject(Dc(dc), reinterpret_cast<HGDIOBJ>(object)));
}

bool Win32ThemePlatform::DeleteObject(NativeHandle object) {
    return Gdi32().pDeleteObject(reinterpret_cast<HGDIOBJ>(object)) != FALSE;
}

bool Win32ThemePlatform::DeleteDC(NativeHandle dc) { return Gdi32().pDeleteDC(Dc(dc)) != FALSE; }

bool Win32ThemePlatform::TransparentBlt(NativeHandle destination, int32_t x, int32_t y, int32_t width,
                                        int32_t height, NativeHandle source, int32_t sourceX, int32_t sourceY,
                                        int32_t sourceWidth, int32_t sourceHeight, uint32_t transparentColor) {
    return Msimg32().pTransparentBlt(Dc(destination), x, y, width, height, Dc(source), sourceX, sourceY, sourceWidth,
                                     sourceHeight, transparentColor) != FALSE;
}

MessageResult Win32ThemePlatform::DefSubclassProc(NativeHandle window, uint32_t message, MessageWParam wParam,
                                                  MessageLParam lParam) {
    return Comctl32().pDefSubclassProc(Window(window), message, wParam, lParam);
}

MessageResult Win32ThemePlatform::DefWindowProcA(NativeHandle window, uint32_t message, MessageWParam wParam,
                                                 MessageLParam lParam) {
    return User32().pDefWindowProcA(Window(window), message, wParam, lParam);
}

NativeHandle Win32ThemePlatform::GetPropA(NativeHandle window, const std::string& name) {
    return reinterpret_cast<NativeHandle>(User32().pGetPropA(Window(window), name.c_str()));
}

bool Win32ThemePlatform::SetPropA(NativeHandle window, const std::string& name, NativeHandle value) {
    return User32().pSetPropA(Window(window), name.c_str(), reinterpret_cast<HANDLE>(value)) != FALSE;
}

int32_t Win32ThemePlatform::IsWindowVisible(NativeHandle window) { return User32().pIsWindowVisible(Window(window)); }

// The library the module asks for is a system library: loaded from the system folder, whatever
// lies beside the program.
NativeHandle Win32ThemePlatform::LoadLibraryA(const std::string& fileName) {
    return reinterpret_cast<NativeHandle>(LoadLibraryFrom(fileName, LibraryOrigin::kSystemFolder).module);
}

void Win32ThemePlatform::OutputDebugStringA(const std::string& text) {
    Kernel32().pOutputDebugStringA(Utf8ToAnsi(text).c_str());
}

int32_t Win32ThemePlatform::IsAppThemed() { return Uxtheme().pIsAppThemed(); }

int32_t Win32ThemePlatform::IsThemeActive() { return Uxtheme().pIsThemeActive(); }

uint32_t Win32ThemePlatform::GetThemeAppProperties() { return Uxtheme().pGetThemeAppProperties(); }

bool Win32ThemePlatform::SetWindowSubclass(NativeHandle window, SubclassProcedure procedure,
                                           std::uintptr_t subclassId, std::uintptr_t referenceData) {
    return Comctl32().pSetWindowSubclass(Window(window), SubclassProcedures::For(procedure), subclassId,
                                         referenceData) != FALSE;
}

}  // namespace velkorin::win32
