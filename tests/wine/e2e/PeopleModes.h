#pragma once

#include <string>

namespace velkorin::e2e {

// --demo: runs the self-test once in Velkorin.exe from folder, prints log.txt, writes
// folder\screenshot.bmp of the whole screen and closes the program. Returns the exit status.
int RunDemo(const std::wstring& folder);
// --show: starts Velkorin.exe from folder and waits until the user closes it.
int RunShow(const std::wstring& folder);

}  // namespace velkorin::e2e
