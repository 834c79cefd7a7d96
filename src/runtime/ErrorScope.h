#pragma once

#include <cstdint>
#include <string>
#include <type_traits>

#include "runtime/Failure.h"

namespace velkorin {

// One statement, borrowed for the length of a call: the caller's lambda is neither copied nor made a
// template parameter, so the failure handling below exists once instead of once per statement.
class StatementRef {
public:
    template <class Statement,
              class = std::enable_if_t<!std::is_same_v<std::decay_t<Statement>, StatementRef>>>
    StatementRef(Statement&& statement)  // NOLINT: implicit, so that a lambda can be passed as it is
        : object_(const_cast<void*>(static_cast<const void*>(&statement))),
          call_([](void* object) { (*static_cast<std::remove_reference_t<Statement>*>(object))(); }) {}

    void operator()() const { call_(object_); }

private:
    void* object_;
    void (*call_)(void*);
};

// Runs one statement; a failure of any kind comes back as a Failure instead of leaving the call.
bool RunCatchingFailure(StatementRef statement, Failure& failure);

// The continue-on-error rule of one running entry procedure. Creating the scope arms the rule with a
// clear pending error; each Step runs one statement, and a failure abandons that statement only and
// becomes the pending error. Each procedure invocation owns its own scope, so an event that runs
// during a yield can never clear or overwrite the failure a caller is about to test.
class ErrorScope {
public:
    ErrorScope() = default;
    ErrorScope(const ErrorScope&) = delete;
    ErrorScope& operator=(const ErrorScope&) = delete;

    bool Step(StatementRef statement);

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
