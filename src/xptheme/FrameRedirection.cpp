#include "xptheme/FrameRedirection.h"

#include "xptheme/ModuleTrap.h"
#include "xptheme/PlatformValues.h"

namespace velkorin {

MessageResult pvRedirectFrame(mdXpThemeSupport& module, WindowHandle window, uint32_t message,
                              MessageWParam wParam, MessageLParam lParam) {
    ModuleTrap<mdXpThemeSupport> trap(module, "pvRedirectFrame");
    MessageResult result = 0;
    ThemePlatform& platform = module.Platform();
    if (message == message::kMouseLeave || message == message::kPrintClient) {
        trap.Step([&] { result = platform.DefWindowProcA(window, message, wParam, lParam); });
    } else {
        trap.Step([&] { result = platform.DefSubclassProc(window, message, wParam, lParam); });
    }
    return result;
}

}  // namespace velkorin
