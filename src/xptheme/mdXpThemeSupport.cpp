#include "xptheme/mdXpThemeSupport.h"

#include "xptheme/ModuleTrap.h"

namespace velkorin {

namespace {
constexpr uint32_t kDllVersionInfoSize = 20;
constexpr uint32_t kInitCommonControlsSize = 8;
constexpr uint32_t kIccUserExClasses = 0x200;
constexpr uint32_t kStapAllowControls = 0x2;
}  // namespace

void mdXpThemeSupport::InitVisualStyles() {
    if (initialised_) return;
    if (IsComCtl6Loaded()) {
        // The shell library first, then the classes; the library stays loaded for the process.
        platform_.LoadLibraryA("shell32.dll");
        platform_.InitCommonControlsEx({kInitCommonControlsSize, kIccUserExClasses});
    }
    // Set whatever the check found, so it is made at most once per process.
    initialised_ = true;
}

bool mdXpThemeSupport::IsComCtl6Loaded() {
    ModuleTrap<mdXpThemeSupport> trap(*this, "IsComCtl6Loaded");
    DllVersionInfo info;
    info.cbSize = kDllVersionInfoSize;
    bool loaded = false;
    trap.Step([&] { platform_.DllGetVersion(info); });  // the status is not examined: a zeroed record says no
    trap.Step([&] { loaded = info.dwMajorVersion >= 6; });
    return loaded;
}

bool mdXpThemeSupport::IsVisualStyleActive() {
    try {
        if (platform_.IsAppThemed() == 0) return false;
        if (platform_.IsThemeActive() == 0) return false;
        return (platform_.GetThemeAppProperties() & kStapAllowControls) != 0;
    } catch (const std::exception&) {
        return false;  // no visual-style support at all: the module stays passive
    }
}

void mdXpThemeSupport::pvReportError(const std::string& procedure, const Failure& failure) {
    try {
        platform_.OutputDebugStringA("mdXpThemeSupport." + procedure + ": " + std::to_string(failure.Number()) +
                                     " " + failure.Description() + "\n");
    } catch (const std::exception&) {
        // Not even a trace to leave: the failure ends here all the same.
    }
}

}  // namespace velkorin
