#pragma once

#include <windows.h>

#include <string>

#include "runtime/win32/TextConversion.h"

namespace velkorin::win32::forms {

// A window's text, as the platform holds it and in UTF-8.
WideText WideWindowText(HWND hwnd);
std::string WindowText(HWND hwnd);

}  // namespace velkorin::win32::forms
