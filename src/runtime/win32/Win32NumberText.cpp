#include "runtime/NumberText.h"

#include <windows.h>

#include <cerrno>

#include "runtime/win32/SystemLibraries.h"

namespace velkorin {

std::string DoubleText(double value) {
    char buffer[40] = "";
    win32::Msvcrt().p_snprintf(buffer, sizeof buffer - 1, "%.15g", value);  // room left for the terminator
    return buffer;
}

bool ReadDouble(const char* text, double& value, size_t& consumed) {
    char* end = nullptr;
    errno = 0;
    value = win32::Msvcrt().pstrtod(text, &end);
    consumed = static_cast<size_t>(end - text);
    return consumed > 0 && errno != ERANGE;
}

}  // namespace velkorin
