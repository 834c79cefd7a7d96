#pragma once

#include <windows.h>

#include "runtime/EventLoop.h"

namespace velkorin::win32 {

// Delivers every message waiting for this thread, then returns. A quit request met on the way is
// put back, so the program's main loop still sees it. Each keyboard message is offered to its
// top-level window first (MessagePreTranslation.h).
class Win32EventLoop : public EventLoop {
public:
    void DoEvents() override;
    // Dispatches until the quit request; returns its exit code.
    int RunUntilQuit();

private:
    void Dispatch(MSG& msg);
};

}  // namespace velkorin::win32
