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
