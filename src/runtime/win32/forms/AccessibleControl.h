#pragma once

#include <windows.h>

#include "runtime/AccessibleRole.h"

namespace velkorin::win32::forms {

// What a control's window tells accessibility clients beyond what the system's proxy for it says.
struct AccessibleLook {
    AccessibleRole role;
    HWND namedBy;  // the window whose text is the control's name: its own, or its label's
};

// The answer to WM_GETOBJECT for the client area of `hwnd`: the system's proxy for the window, with
// the role, name, state and default action of `look`. The default action posts `doDefaultAction`
// to the window, whose procedure then acts as a click does; nothing else is held of the control, so
// a client that keeps the object longer than the window lives meets a window that is gone. 0 where
// the proxy cannot be made (no oleacc): the window's own procedure answers then.
LRESULT AnswerAccessibleObject(HWND hwnd, const AccessibleLook& look, UINT doDefaultAction, WPARAM wParam);

}  // namespace velkorin::win32::forms
