#pragma once

#include <cstdint>
#include <string>

namespace velkorin {

using NativeHandle = std::uintptr_t;

// A message's parameters and result, pointer-sized as on the platform.
using MessageWParam = std::uintptr_t;
using MessageLParam = std::intptr_t;
using MessageResult = std::intptr_t;

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

    // user32
    virtual MessageResult DefWindowProcA(NativeHandle window, uint32_t message, MessageWParam wParam,
                                         MessageLParam lParam) = 0;
    virtual NativeHandle GetPropA(NativeHandle window, const std::string& name) = 0;
    virtual bool SetPropA(NativeHandle window, const std::string& name, NativeHandle value) = 0;
    virtual int32_t IsWindowVisible(NativeHandle window) = 0;

    // kernel32
    virtual NativeHandle LoadLibraryA(const std::string& fileName) = 0;
    virtual void OutputDebugStringA(const std::string& text) = 0;

    // uxtheme
    virtual int32_t IsAppThemed() = 0;
    virtual int32_t IsThemeActive() = 0;
    virtual uint32_t GetThemeAppProperties() = 0;
};

}  // namespace velkorin
