#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "ThemePlatform.h"

namespace velkorin::fakes {

// Records every platform call of the visual-style module with its arguments, answers from its
// settings, and can pretend that a function (or its whole library) is missing from the system.
class RecordingThemePlatform : public ThemePlatform {
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

    std::vector<std::string> calls;
    std::vector<std::string> traces;
    std::set<std::string> missing;  // function names that cannot be bound

    uint32_t comctlMajor = 6;
    bool versionCallFills = true;  // false: DllGetVersion fails without raising, leaving the record as it was
    int32_t appThemed = 1;
    int32_t themeActive = 1;
    uint32_t appProperties = 3;
    std::map<std::pair<NativeHandle, std::string>, NativeHandle> properties;  // the windows' property lists
    std::set<NativeHandle> visibleWindows;
    MessageResult defSubclassResult = 0x5AB;  // what the next procedure in the chain answers
    MessageResult defWindowResult = 0xDEF;    // what the default window procedure answers

private:
    void Enter(const std::string& function, const char* library, const std::string& arguments);
};

}  // namespace velkorin::fakes
