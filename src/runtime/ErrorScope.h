#pragma once

#include <cstdint>
#include <exception>
#include <new>
#include <string>
#include <utility>

#include "Failure.h"

namespace velkorin {

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
        try {
            std::forward<Statement>(statement)();
            return true;
        } catch (const Failure& failure) {
            Raise(failure.Number(), failure.Description());
        } catch (const std::bad_alloc&) {
            Raise(7, "Out of memory");
        } catch (const std::exception& e) {
            Raise(51, std::string("Internal error: ") + e.what());
        }
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
    void Raise(int32_t number, std::string description) {
        number_ = number;
        description_ = std::move(description);
    }

    int32_t number_ = 0;
    std::string description_;
};

}  // namespace velkorin
