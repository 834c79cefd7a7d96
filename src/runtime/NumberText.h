#pragma once

#include <cstddef>
#include <string>

namespace velkorin {

// Numbers as text and back, as the C runtime writes and reads them: up to 15 significant digits
// ("%.15g"), and strtod's grammar. The host build uses its C library (NumberText.cpp). The Windows
// builds use the system's own C runtime, since MinGW's portable versions of these two would be about
// 35 KB of the program: the Win32 layer binds it by name and hands it over with UseNumberText.
std::string DoubleText(double value);
// The number at the start of `text`; false when there is none or it does not fit a double.
// `consumed` is how many characters it took.
bool ReadDouble(const char* text, double& value, size_t& consumed);

// The two functions above, as a platform layer supplies them.
struct NumberTextFunctions {
    std::string (*doubleText)(double value);
    bool (*readDouble)(const char* text, double& value, size_t& consumed);
};
// Where the build has no C library of its own for numbers (InstalledNumberText.cpp), every program
// calls this once at start, before any value converts; until then each conversion is a failure.
void UseNumberText(const NumberTextFunctions& functions);

}  // namespace velkorin
