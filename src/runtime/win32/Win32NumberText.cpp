#include "runtime/win32/Win32NumberText.h"

#include <windows.h>

#include <cerrno>

#include "runtime/NumberText.h"
#include "runtime/win32/SystemLibraries.h"

namespace velkorin::win32 {

namespace {

std::string SystemDoubleText(double value) {
    char buffer[40] = "";
    Msvcrt().p_snprintf(buffer, sizeof buffer - 1, "%.15g", value);  // room left for the terminator
    return buffer;
}

bool SystemReadDouble(const char* text, double& value, size_t& consumed) {
    char* end = nullptr;
    errno = 0;
    value = Msvcrt().pstrtod(text, &end);
    consumed = static_cast<size_t>(end - text);
    return consumed > 0 && errno != ERANGE;
}

}  // namespace

void UseSystemNumberText() { UseNumberText({SystemDoubleText, SystemReadDouble}); }

}  // namespace velkorin::win32
