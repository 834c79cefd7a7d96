#include "runtime/win32/Win32ScreenMetrics.h"

#include "runtime/win32/GdiObject.h"

namespace velkorin::win32 {

int ScreenPixelsPerInch(int axis) {
    ClientDc screen(nullptr);
    const int perInch = screen.Get() ? GetDeviceCaps(screen.Get(), axis) : 0;
    return perInch > 0 ? perInch : 0;
}

float Win32ScreenMetrics::TwipsPerPixelX() {
    if (twipsPerPixel_ == 0.0f) {  // a screen that could not tell is asked again next time
        const int pixelsPerInch = ScreenPixelsPerInch(LOGPIXELSX);
        twipsPerPixel_ = pixelsPerInch > 0 ? 1440.0f / static_cast<float>(pixelsPerInch) : 0.0f;
    }
    return twipsPerPixel_;
}

}  // namespace velkorin::win32
