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
}  // namespace

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
