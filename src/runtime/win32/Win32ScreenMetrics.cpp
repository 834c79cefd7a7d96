#include "runtime/win32/Win32ScreenMetrics.h"

#include "runtime/Units.h"
#include "runtime/win32/ScopedHandles.h"

namespace velkorin::win32 {

int ScreenPixelsPerInch(int axis) {
    ClientDc screen(nullptr);
    const int perInch = screen.Get() ? GetDeviceCaps(screen.Get(), axis) : 0;
    return perInch > 0 ? perInch : 0;
}

float Win32ScreenMetrics::TwipsPerPixelX() {
    // A screen that cannot tell its density reports 0, as the classic screen object would: picture
    // sizes then fail to convert rather than come out at a guessed size. Such a screen is asked again.
    if (twipsPerPixel_ == 0.0f)
        twipsPerPixel_ = static_cast<float>(units::TwipsPerPixel(ScreenPixelsPerInch(LOGPIXELSX), 0.0));
    return twipsPerPixel_;
}

}  // namespace velkorin::win32
