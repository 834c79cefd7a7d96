#pragma once

#include <windows.h>

namespace velkorin::win32 {

// The keyboard rules of a form, applied to a message before it is translated and dispatched.
// Returns true when the message was handled here and must go no further.
bool HandleFormKey(HWND form, const MSG& msg);

}  // namespace velkorin::win32
