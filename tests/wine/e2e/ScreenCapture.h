#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace velkorin::e2e {

// A copy of a rectangle of the screen as it is shown, pixel by pixel.
class ScreenCapture {
public:
    static ScreenCapture Of(RECT screenRect);
    // A window's client area, in client coordinates.
    static ScreenCapture OfClientArea(HWND window);

    bool Valid() const { return !pixels_.empty(); }
    COLORREF At(int x, int y) const;
    // How many pixels of the area (clipped to the capture) have the colour.
    int CountOf(const RECT& area, COLORREF colour) const;
    bool SaveBmp(const std::wstring& path) const;  // 24 bits a pixel
    bool operator==(const ScreenCapture& other) const {
        return width_ == other.width_ && height_ == other.height_ && pixels_ == other.pixels_;
    }

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<uint32_t> pixels_;  // top-down rows, 0x00RRGGBB
};

}  // namespace velkorin::e2e
