#pragma once

#include <windows.h>

namespace velkorin::win32 {

// Before the event loop translates and dispatches a keyboard message, it offers it to the top-level
// window that the message is for, as the classic frameworks let a frame window filter its keys: the
// window's procedure gets PreTranslateMessageId() with the MSG in lParam and answers nonzero when it
// has dealt with the message, which then goes no further.
UINT PreTranslateMessageId();

// Offers `msg` so; whether its top-level window dealt with it.
bool PreTranslatedByRootWindow(const MSG& msg);

}  // namespace velkorin::win32
