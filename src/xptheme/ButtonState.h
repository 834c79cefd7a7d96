#pragma once

#include "xptheme/ThemePlatform.h"

namespace velkorin {

// The two flags a redirected button carries between its messages, in its own window's property
// list ("Hot": the mouse is on it; "Painted": the themed painter has painted it). 1 is true and 0
// false; absent, or written by someone else as anything but 0, reads as the value says. None of these
// traps its failures: they go to the caller's trap.
bool pvGetHot(ThemePlatform& platform, WindowHandle window);
void pvSetHot(ThemePlatform& platform, WindowHandle window, bool hot);
bool pvGetPainted(ThemePlatform& platform, WindowHandle window);
void pvSetPainted(ThemePlatform& platform, WindowHandle window, bool painted);
bool pvIsVisible(ThemePlatform& platform, WindowHandle window);

}  // namespace velkorin
