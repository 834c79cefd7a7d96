#include "runtime/win32/Win32EventLoop.h"

#include <windows.h>

#include "runtime/win32/MessagePreTranslation.h"

namespace velkorin::win32 {

void Win32EventLoop::DoEvents() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        Dispatch(msg);
    }
}

int Win32EventLoop::RunUntilQuit() {
    MSG msg;
    for (;;) {
        BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) return static_cast<int>(msg.wParam);
        if (got == -1) return 1;
        Dispatch(msg);
    }
}

void Win32EventLoop::Dispatch(MSG& msg) {
    if (PreTranslatedByRootWindow(msg)) return;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
}

}  // namespace velkorin::win32
