#pragma once

#include <windows.h>

#include "runtime/ScreenMetrics.h"

namespace velkorin::win32 {

// The screen's pixels per inch along one axis (LOGPIXELSX or LOGPIXELSY); 0 when it cannot tell.
int ScreenPixelsPerInch(int axis);

// The screen's twips per pixel: 1440 over its horizontal pixels per inch, read once. The screen's
// density is the system's, set when the user logs on, and a process sees the same all its life; a
// themed paint asks for it every time, and asking the screen costs more than the paint's own work.
class Win32ScreenMetrics : public ScreenMetrics {
public:
    float TwipsPerPixelX() override;

private:
    float twipsPerPixel_ = 0.0f;  // 0 until read
};

}  // namespace velkorin::win32
