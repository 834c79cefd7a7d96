#pragma once

#include <windows.h>

#include "runtime/ScreenMetrics.h"

namespace velkorin::win32 {

// The screen's pixels per inch along one axis (LOGPIXELSX or LOGPIXELSY); 0 when it cannot tell.
int ScreenPixelsPerInch(int axis);

// The screen's twips per pixel: 1440 over its horizontal pixels per inch.
class Win32ScreenMetrics : public ScreenMetrics {
public:
    float TwipsPerPixelX() override;
};

}  // namespace velkorin::win32
