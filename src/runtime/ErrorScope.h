#pragma once

#include <cstdint>
#include <exception>
#include <new>
#include <string>
#include <utility>

#include "Failure.h"

namespace velkorin {

// Runs one statement; a failure of any kind comes back as a Failure instead of leaving the call.
template <class Statement>
bool RunCatchingFailure(Statement&& statement, Failure& failure) {
    try {
        std::forward<Statement>(statement)();
        return true;
    } catch (const Failure& f) {
        failure = f;
    } catch (const std::bad_alloc&) {
        failure = Failure(7, "Out of memory");
    } catch (const std::exception& e) {
        failure = Failure(51, std::string("Internal error: ") + e.what());
    }
    return false;
}

// The continue-on-error rule of one running entry procedure. Creating the scope arms the rule with a
// clear pending error; each Step runs one statement, and a failure abandons that statement only and
// becomes the pending error. Each procedure invocation owns its own scope, so an event that runs
// during a yield can never clear or overwrite the failure a caller is about to test.
class ErrorScope {
public:
    ErrorScope() = default;
    ErrorScope(const ErrorScope&) = delete;
    ErrorScope& operator=(const ErrorScope&) = delete;

    template <class Statement>
    bool Step(Statement&& statement) {
        Failure failure(0, std::string());
        if (RunCatchingFailure(std::forward<Statement>(statement), failure)) return true;
        number_ = failure.Number();
        description_ = failure.Description();
        return false;
    }

    int32_t Number() const { return number_; }
    const std::string& Description() const { return description_; }
    bool Failed() const { return number_ != 0; }

    void Clear() {
        number_ = 0;
        description_.clear();
    }
    // Only the number goes back to 0, as after a failure has been written to the log.
    void ClearNumber() { number_ = 0; }

private:
    int32_t number_ = 0;
    std::string description_;
};

}  // namespace velkorin
