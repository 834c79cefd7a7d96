#pragma once

#include "EventLoop.h"

namespace velkorin::win32 {

// Delivers every message waiting for this thread, then returns. A quit request met on the way is
// put back, so the program's main loop still sees it.
class Win32EventLoop : public EventLoop {
public:
    void DoEvents() override;
};

}  // namespace velkorin::win32
