#pragma once

#include "common/Stopwatch.h"

namespace velkorin::bench {

// The calls of one function and the time spent in them.
struct CallTime {
    long long calls = 0;
    double seconds = 0.0;
};

// Adds the time of its own life, as one call, to a CallTime.
class CallTimer {
public:
    explicit CallTimer(CallTime& time) : time_(time) {}
    ~CallTimer() {
        ++time_.calls;
        time_.seconds += clock_.Seconds();
    }
    CallTimer(const CallTimer&) = delete;
    CallTimer& operator=(const CallTimer&) = delete;

private:
    CallTime& time_;
    Stopwatch clock_;
};

}  // namespace velkorin::bench
