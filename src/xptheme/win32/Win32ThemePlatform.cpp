#include "Win32ThemePlatform.h"

#include "SystemLibraries.h"
#include "TextConversion.h"

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

NativeHandle Win32ThemePlatform::LoadLibraryA(const std::string& fileName) {
    return reinterpret_cast<NativeHandle>(Kernel32().pLoadLibraryA(Utf8ToAnsi(fileName).c_str()));
}

void Win32ThemePlatform::OutputDebugStringA(const std::string& text) {
    Kernel32().pOutputDebugStringA(Utf8ToAnsi(text).c_str());
}

int32_t Win32ThemePlatform::IsAppThemed() { return Uxtheme().pIsAppThemed(); }

int32_t Win32ThemePlatform::IsThemeActive() { return Uxtheme().pIsThemeActive(); }

uint32_t Win32ThemePlatform::GetThemeAppProperties() { return Uxtheme().pGetThemeAppProperties(); }

}  // namespace velkorin::win32
