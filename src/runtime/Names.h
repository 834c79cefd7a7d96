#pragma once

#include <string>

namespace velkorin {

// Member names and interface identifiers compare without regard to case, as late-bound callers
// expect; both are ASCII.
bool SameName(const std::string& a, const std::string& b);

}  // namespace velkorin
