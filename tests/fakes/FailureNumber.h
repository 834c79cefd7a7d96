#pragma once

#include <cstdint>
#include <functional>

#include "runtime/Failure.h"

namespace velkorin::fakes {

// The number of the failure that `statement` throws; 0 when it throws none.
inline int32_t NumberOf(const std::function<void()>& statement) {
    try {
        statement();
    } catch (const Failure& failure) {
        return failure.Number();
    }
    return 0;
}

}  // namespace velkorin::fakes
