#pragma once

#include "ThemePlatform.h"

namespace velkorin::win32 {

// The visual-style module's platform functions, each bound by library and function name at its
// first call.
class Win32ThemePlatform : public ThemePlatform {
public:
    int32_t DllGetVersion(DllVersionInfo& info) override;
    bool InitCommonControlsEx(const InitCommonControlsRecord& record) override;
    MessageResult DefSubclassProc(NativeHandle window, uint32_t message, MessageWParam wParam,
                                  MessageLParam lParam) override;
    MessageResult DefWindowProcA(NativeHandle window, uint32_t message, MessageWParam wParam,
                                 MessageLParam lParam) override;
    NativeHandle GetPropA(NativeHandle window, const std::string& name) override;
    bool SetPropA(NativeHandle window, const std::string& name, NativeHandle value) override;
    int32_t IsWindowVisible(NativeHandle window) override;
    NativeHandle LoadLibraryA(const std::string& fileName) override;
    void OutputDebugStringA(const std::string& text) override;
    int32_t IsAppThemed() override;
    int32_t IsThemeActive() override;
    uint32_t GetThemeAppProperties() override;
};

}  // namespace velkorin::win32
