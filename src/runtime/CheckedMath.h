#pragma once

#include <cstdint>

#include "runtime/Failure.h"

namespace velkorin {

// 32-bit sums and differences that fail with "Overflow" instead of wrapping.
inline int32_t CheckedAdd(int32_t a, int32_t b) {
    int64_t sum = static_cast<int64_t>(a) + b;
    if (sum < INT32_MIN || sum > INT32_MAX) throw Failure::Overflow();
    return static_cast<int32_t>(sum);
}

inline int32_t CheckedSubtract(int32_t a, int32_t b) {
    int64_t difference = static_cast<int64_t>(a) - b;
    if (difference < INT32_MIN || difference > INT32_MAX) throw Failure::Overflow();
    return static_cast<int32_t>(difference);
}

}  // namespace velkorin
