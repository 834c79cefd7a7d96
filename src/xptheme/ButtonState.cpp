#include "xptheme/ButtonState.h"

namespace velkorin {

namespace {
constexpr char kHot[] = "Hot";
constexpr char kPainted[] = "Painted";
}  // namespace

bool pvGetHot(ThemePlatform& platform, WindowHandle window) { return platform.GetPropA(window, kHot) != 0; }

void pvSetHot(ThemePlatform& platform, WindowHandle window, bool hot) {
    platform.SetPropA(window, kHot, hot ? 1 : 0);  // false stays in the list, as 0
}

bool pvGetPainted(ThemePlatform& platform, WindowHandle window) {
    return platform.GetPropA(window, kPainted) != 0;
}

void pvSetPainted(ThemePlatform& platform, WindowHandle window, bool painted) {
    platform.SetPropA(window, kPainted, painted ? 1 : 0);
}

bool pvIsVisible(ThemePlatform& platform, WindowHandle window) { return platform.IsWindowVisible(window) != 0; }

}  // namespace velkorin
