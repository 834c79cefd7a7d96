#pragma once

#include <windows.h>

namespace velkorin::win32::forms {

// A window class of the form runtime, registered at its first use in the process: the arrow
// pointer, and `background` (nullptr: the window erases its own).
void RegisterWindowClass(const wchar_t* name, WNDPROC procedure, HBRUSH background);

}  // namespace velkorin::win32::forms
