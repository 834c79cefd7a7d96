#pragma once

#include <string>

#include "runtime/Failure.h"
#include "xptheme/ThemePlatform.h"

namespace velkorin {

// Makes classic controls follow the desktop's visual style when common controls 6 is loaded:
// detection of visual styles, the one-time common-controls set-up and the module's error reporter.
class mdXpThemeSupport {
public:
    explicit mdXpThemeSupport(ThemePlatform& platform) : platform_(platform) {}

    // Once per process, before the first window: registers the common-controls classes when
    // version 6 or later is loaded. A failure goes to the caller.
    void InitVisualStyles();
    // Asks afresh at every call: the loaded common-controls library has major version 6 or more.
    bool IsComCtl6Loaded();
    // Whether visual styles apply to this application's controls right now; false on any failure.
    bool IsVisualStyleActive();

    // The end point of every failure of the module: shows and writes nothing the user could see,
    // and leaves only a trace on the debugger channel.
    void pvReportError(const std::string& procedure, const Failure& failure);

    ThemePlatform& Platform() { return platform_; }

private:
    ThemePlatform& platform_;
    bool initialised_ = false;
};

}  // namespace velkorin
