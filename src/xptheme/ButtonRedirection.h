#pragma once

#include "runtime/ScreenMetrics.h"
#include "runtime/Value.h"
#include "xptheme/mdXpThemeSupport.h"

namespace velkorin {

// The subclass procedure of a graphical-style button. While visual styles are active it paints the
// button through the themed painter, keeps the "Hot" flag from the mouse and focus messages, asks for
// hover and leave reports, and repaints just the themed push-button region after each change; while
// they are not, every message passes straight through. `control` is a counted reference the caller
// holds for the length of the call. Returns the default processing's result (0 for a themed paint).
MessageResult pvRedirectButton(mdXpThemeSupport& module, ScreenMetrics& screen, WindowHandle window,
                               uint32_t message, MessageWParam wParam, MessageLParam lParam,
                               const ObjectRef& control);

// Makes the themed push-button background region the only pending repaint area of the window (the
// whole client area when no region comes back). Traps nothing.
void pvInvalidateButton(ThemePlatform& platform, WindowHandle window);

}  // namespace velkorin
