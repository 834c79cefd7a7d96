#pragma once

#include "xptheme/mdXpThemeSupport.h"

namespace velkorin {

// The subclass procedure of a frame: the print-client and mouse-leave messages go to the default
// window procedure (so a themed button's parent-background request gets the default handling, not
// the frame's own); every other message goes down the subclass chain untouched. Styles on or off.
MessageResult pvRedirectFrame(mdXpThemeSupport& module, WindowHandle window, uint32_t message,
                              MessageWParam wParam, MessageLParam lParam);

}  // namespace velkorin
