#include "runtime/Rounding.h"

#include <cmath>

#include "runtime/Failure.h"

namespace velkorin {

int32_t RoundHalfEvenToInt32(double value) {
    if (std::isnan(value)) throw Failure::Overflow();
    double rounded = std::nearbyint(value);  // the default rounding mode rounds a half to even
    if (rounded < -2147483648.0 || rounded > 2147483647.0) throw Failure::Overflow();
    return static_cast<int32_t>(rounded);
}

}  // namespace velkorin
