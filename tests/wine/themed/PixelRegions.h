#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "wine/e2e/ScreenCapture.h"

namespace velkorin::themed {

// Where pixels of one kind lie in an area: their bounding box and their number.
struct PixelBox {
    int left = 0, top = 0, right = 0, bottom = 0;  // right and bottom exclusive
    int count = 0;

    bool Empty() const { return count == 0; }
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    // Twice the centre, so that half pixels stay exact.
    int CentreX2() const { return left + right; }
    int CentreY2() const { return top + bottom; }
};

// The colour at (x, y), or CLR_INVALID outside: a screen capture, or a device context read back.
using PixelReader = std::function<COLORREF(int x, int y)>;
PixelReader PixelsOf(const e2e::ScreenCapture& shot);
PixelReader PixelsOf(HDC dc);

PixelBox BoxWhere(const PixelReader& pixels, const RECT& area, const std::function<bool(COLORREF)>& matches);
PixelBox BoxOf(const PixelReader& pixels, const RECT& area, COLORREF colour);
// Text-dark pixels: every channel below 0x50.
bool IsDark(COLORREF colour);

std::string Describe(const PixelBox& box);
std::string Hex(COLORREF colour);

}  // namespace velkorin::themed
