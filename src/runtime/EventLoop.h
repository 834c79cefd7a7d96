#pragma once

namespace velkorin {

// Lets the window system deliver every pending event to the program's windows, then returns.
class EventLoop {
public:
    virtual ~EventLoop() = default;
    virtual void DoEvents() = 0;
};

}  // namespace velkorin
