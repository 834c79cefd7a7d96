#pragma once

#include <windows.h>

#include "EventLoop.h"

namespace velkorin::win32 {

// Delivers every message waiting for this thread, then returns. A quit request met on the way is
// put back, so the program's main loop still sees it.
class Win32EventLoop : public EventLoop {
public:
    void DoEvents() override;
    // Dispatches until the quit request; returns its exit code.
    int RunUntilQuit();
    // Keyboard navigation (Tab, arrows) between the controls of this window, in both loops.
    void SetDialogWindow(HWND window) { dialogWindow_ = window; }

private:
    void Dispatch(MSG& msg);
    HWND dialogWindow_ = nullptr;
};

}  // namespace velkorin::win32
