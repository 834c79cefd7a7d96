#pragma once

#include <string>

#include "selftest/LogBox.h"
#include "runtime/Runtime.h"

namespace velkorin {

// Writes one line of the self-test to log.txt in the program folder, then to the log box.
class LogWriter {
public:
    LogWriter(Runtime& runtime, LogBox& text1) : runtime_(runtime), text1_(text1) {}

    // Never fails and never leaves a failure behind: a log file that cannot be written costs that
    // file line only, and must not turn into a failure of whatever step the caller tests next.
    void AddToLogs(const std::string& sMsg);

private:
    Runtime& runtime_;
    LogBox& text1_;
};

}  // namespace velkorin
