#pragma once

#include <cstdint>

namespace velkorin {

// Nearest integer, a half to the even neighbour; outside the signed 32-bit range is an "Overflow" failure.
int32_t RoundHalfEvenToInt32(double value);

}  // namespace velkorin
