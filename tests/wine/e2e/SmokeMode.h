#pragma once

#include <string>

namespace velkorin::e2e {

// --smoke: one start, two clicks, one close, for the slow emulated 32-bit Wine. Prints the box
// after the first run (the machine's own components), then waits for the file
// folder\standin-ready, which the calling script creates once the stand-in components are
// registered, prints the box after the second run, closes the program and checks it ended.
int RunSmoke(const std::wstring& folder);

}  // namespace velkorin::e2e
