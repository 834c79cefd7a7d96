#pragma once

#include "xptheme/ThemePlatform.h"

namespace velkorin::win32 {

// The visual-style module's platform functions, each bound by library and function name at its
// first call.
class Win32ThemePlatform : public ThemePlatform {
public:
    VELKORIN_THEME_PLATFORM_FUNCTIONS(VELKORIN_THEME_PLATFORM_OVERRIDE)
};

}  // namespace velkorin::win32
