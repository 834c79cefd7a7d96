#include "xptheme/FrameRedirection.h"

#include "xptheme/ModuleTrap.h"

namespace velkorin {

namespace {
constexpr uint32_t kWmMouseLeave = 0x02A3;
constexpr uint32_t kWmPrintClient = 0x0318;
}  // namespace

MessageResult pvRedirectFrame(mdXpThemeSupport& module, NativeHandle window, uint32_t message,
                              MessageWParam wParam, MessageLParam lParam) {
    ModuleTrap<mdXpThemeSupport> trap(module, "pvRedirectFrame");
    MessageResult result = 0;
    ThemePlatform& platform = module.Platform();
    if (message == kWmMouseLeave || message == kWmPrintClient) {
        trap.Step([&] { result = platform.DefWindowProcA(window, message, wParam, lParam); });
    } else {
        trap.Step([&] { result = platform.DefSubclassProc(window, message, wParam, lParam); });
    }
    return result;
}

}  // namespace velkorin
