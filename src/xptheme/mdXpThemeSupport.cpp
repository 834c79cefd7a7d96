#include "xptheme/mdXpThemeSupport.h"

#include "xptheme/ModuleTrap.h"
#include "xptheme/PlatformValues.h"

namespace velkorin {

void mdXpThemeSupport::InitVisualStyles() {
    if (initialised_) return;
    if (IsComCtl6Loaded()) {
        // The shell library first, then the classes; the library stays loaded for the process.
        platform_.LoadLibraryA("shell32.dll");
        platform_.InitCommonControlsEx({common_controls::kSetupRecordSize, common_controls::kUserExClasses});
    }
    // Set whatever the check found, so it is made at most once per process.
    initialised_ = true;
}

bool mdXpThemeSupport::IsComCtl6Loaded() {
    ModuleTrap<mdXpThemeSupport> trap(*this, "IsComCtl6Loaded");
    DllVersionInfo info;
    info.cbSize = common_controls::kVersionRecordSize;
    bool loaded = false;
    trap.Step([&] { platform_.DllGetVersion(info); });  // the status is not examined: a zeroed record says no
    trap.Step([&] { loaded = info.dwMajorVersion >= 6; });
    return loaded;
}

bool mdXpThemeSupport::IsVisualStyleActive() {
    try {
        if (platform_.IsAppThemed() == 0) return false;
        if (platform_.IsThemeActive() == 0) return false;
        return (platform_.GetThemeAppProperties() & theme_app::kAllowControls) != 0;
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
