#include "wine/themed/AssemblyVersionPlatform.h"

#include <windows.h>

#include <cwctype>
#include <string>

#include "xptheme/win32/NativeHandles.h"

namespace velkorin::themed {

uint32_t CommonControlsAssemblyMajor(const wchar_t* modulePath) {
    std::wstring path = modulePath;
    for (wchar_t& c : path) c = static_cast<wchar_t>(std::towlower(c));
    static const std::wstring kAssembly = L"microsoft.windows.common-controls_";
    size_t at = path.find(kAssembly);
    if (at == std::wstring::npos) return 0;
    at = path.find(L'_', at + kAssembly.size());  // past the public key token
    if (at == std::wstring::npos) return 0;
    uint32_t major = 0;
    for (++at; at < path.size() && std::iswdigit(path[at]); ++at) major = major * 10 + (path[at] - L'0');
    return at < path.size() && path[at] == L'.' ? major : 0;
}

int32_t AssemblyVersionPlatform::DllGetVersion(DllVersionInfo& info) {
    const int32_t status = Win32ThemePlatform::DllGetVersion(info);
    libraryMajor_ = info.dwMajorVersion;
    wchar_t path[MAX_PATH] = L"";
    HMODULE library = GetModuleHandleW(L"comctl32.dll");  // the one the call above bound
    assemblyMajor_ = library && GetModuleFileNameW(library, path, MAX_PATH) ? CommonControlsAssemblyMajor(path) : 0;
    if (assemblyMajor_ > info.dwMajorVersion) info.dwMajorVersion = assemblyMajor_;
    return status;
}

bool AssemblyVersionPlatform::TrackMouseEvent(const TrackMouseRecord& record) {
    const bool accepted = Win32ThemePlatform::TrackMouseEvent(record);
    const HWND window = win32::Native(record.hwndTrack);
    SetPropW(window, L"TrackMouseEvent", reinterpret_cast<HANDLE>(static_cast<uintptr_t>(accepted ? 1 : 2)));
    return accepted;
}

}  // namespace velkorin::themed
