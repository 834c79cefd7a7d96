#include "ui/FormLayout.h"

#include <cmath>

namespace velkorin {

int32_t TwipsToPixels(int32_t twips, double twipsPerPixel) {
    if (twipsPerPixel <= 0) return 0;
    return static_cast<int32_t>(std::lround(twips / twipsPerPixel));
}

PixelRect ToPixels(const ControlLayout& control, double twipsPerPixel) {
    return {TwipsToPixels(control.left, twipsPerPixel), TwipsToPixels(control.top, twipsPerPixel),
            TwipsToPixels(control.width, twipsPerPixel), TwipsToPixels(control.height, twipsPerPixel)};
}

double TwipsPerPixel(int32_t pixelsPerInch) { return pixelsPerInch > 0 ? 1440.0 / pixelsPerInch : 15.0; }

int32_t FontHeightPixels(double points, int32_t pixelsPerInch) {
    return -static_cast<int32_t>(std::lround(points * pixelsPerInch / 72.0));
}

}  // namespace velkorin
