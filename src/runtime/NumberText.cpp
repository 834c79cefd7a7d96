#include "runtime/NumberText.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>

namespace velkorin {

std::string DoubleText(double value) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
    return buffer;
}

bool ReadDouble(const char* text, double& value, size_t& consumed) {
    char* end = nullptr;
    errno = 0;
    value = std::strtod(text, &end);
    consumed = static_cast<size_t>(end - text);
    return consumed > 0 && errno != ERANGE;
}

}  // namespace velkorin
