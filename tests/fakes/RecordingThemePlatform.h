#pragma once

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

private:
    void Enter(const std::string& function, const char* library, const std::string& arguments);
};

}  // namespace velkorin::fakes
