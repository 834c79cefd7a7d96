#pragma once

#include <windows.h>
#include <commctrl.h>

#include "runtime/ScreenMetrics.h"
#include "xptheme/ThemePlatform.h"
#include "xptheme/mdXpThemeSupport.h"

namespace velkorin::win32 {

// The module's subclass procedures in the platform's SUBCLASSPROC shape. While an object of this
// class lives, the procedures registered on control windows reach its module; without one (before
// start-up or after teardown) they hand every message down the chain untouched.
class SubclassProcedures {
public:
    SubclassProcedures(mdXpThemeSupport& module, ScreenMetrics& screen);
    ~SubclassProcedures();
    SubclassProcedures(const SubclassProcedures&) = delete;
    SubclassProcedures& operator=(const SubclassProcedures&) = delete;

    static SUBCLASSPROC For(SubclassProcedure procedure);

    mdXpThemeSupport& Module() { return module_; }
    ScreenMetrics& Screen() { return screen_; }

private:
    mdXpThemeSupport& module_;
    ScreenMetrics& screen_;
    SubclassProcedures* previous_;
};

}  // namespace velkorin::win32
