#pragma once

#include <cstddef>
#include <string>

namespace velkorin {

// Numbers as text and back, as the C runtime writes and reads them: up to 15 significant digits
// ("%.15g"), and strtod's grammar. The host build uses its C library (NumberText.cpp), the Windows
// builds the system's own C runtime (win32/SystemNumberText.cpp).
std::string DoubleText(double value);
// The number at the start of `text`; false when there is none or it does not fit a double.
// `consumed` is how many characters it took.
bool ReadDouble(const char* text, double& value, size_t& consumed);

}  // namespace velkorin
