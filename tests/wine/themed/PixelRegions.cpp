#include "wine/themed/PixelRegions.h"

#include <algorithm>
#include <cstdio>

namespace velkorin::themed {

PixelReader PixelsOf(const e2e::ScreenCapture& shot) {
    return [&shot](int x, int y) { return shot.At(x, y); };
}

PixelReader PixelsOf(HDC dc) {
    return [dc](int x, int y) { return GetPixel(dc, x, y); };
}

PixelBox BoxWhere(const PixelReader& pixels, const RECT& area, const std::function<bool(COLORREF)>& matches) {
    PixelBox box;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            const COLORREF pixel = pixels(x, y);
            if (pixel == CLR_INVALID || !matches(pixel)) continue;
            if (box.count == 0) box = {x, y, x + 1, y + 1, 0};
            box.left = std::min(box.left, x);
            box.top = std::min(box.top, y);
            box.right = std::max(box.right, x + 1);
            box.bottom = std::max(box.bottom, y + 1);
            ++box.count;
        }
    }
    return box;
}

PixelBox BoxOf(const PixelReader& pixels, const RECT& area, COLORREF colour) {
    return BoxWhere(pixels, area, [colour](COLORREF pixel) { return pixel == colour; });
}

bool IsDark(COLORREF colour) {
    return GetRValue(colour) < 0x50 && GetGValue(colour) < 0x50 && GetBValue(colour) < 0x50;
}

std::string Describe(const PixelBox& box) {
    char text[96];
    std::snprintf(text, sizeof text, "%d pixels in (%d,%d)-(%d,%d), %dx%d", box.count, box.left, box.top, box.right,
                  box.bottom, box.Width(), box.Height());
    return text;
}

std::string Hex(COLORREF colour) {
    char text[16];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", GetRValue(colour), GetGValue(colour), GetBValue(colour));
    return text;
}

}  // namespace velkorin::themed
