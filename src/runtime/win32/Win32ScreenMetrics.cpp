#include "runtime/win32/Win32ScreenMetrics.h"

#include "runtime/win32/GdiObject.h"

namespace velkorin::win32 {

float Win32ScreenMetrics::TwipsPerPixelX() {
    ClientDc screen(nullptr);
    int pixelsPerInch = screen.Get() ? GetDeviceCaps(screen.Get(), LOGPIXELSX) : 0;
    return pixelsPerInch > 0 ? 1440.0f / static_cast<float>(pixelsPerInch) : 0.0f;
}

}  // namespace velkorin::win32
