#include "wine/e2e/ScreenCapture.h"

#include <algorithm>

#include "runtime/win32/ScopedHandles.h"

namespace velkorin::e2e {

ScreenCapture ScreenCapture::Of(RECT screenRect) {
    ScreenCapture capture;
    const int width = screenRect.right - screenRect.left;
    const int height = screenRect.bottom - screenRect.top;
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof info.bmiHeader, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};  // top-down
    win32::ClientDc screen(nullptr);
    win32::MemoryDc memory(screen.Get());
    void* bits = nullptr;
    win32::GdiObject<HBITMAP> bitmap(CreateDIBSection(screen.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (width <= 0 || height <= 0 || !memory.Get() || !bitmap) return capture;
    {
        win32::SelectionGuard select(memory.Get(), bitmap.get());
        if (!BitBlt(memory.Get(), 0, 0, width, height, screen.Get(), screenRect.left, screenRect.top, SRCCOPY)) {
            return capture;
        }
    }
    GdiFlush();
    const auto* first = static_cast<const uint32_t*>(bits);
    capture.pixels_.assign(first, first + static_cast<size_t>(width) * height);
    capture.width_ = width;
    capture.height_ = height;
    return capture;
}

ScreenCapture ScreenCapture::OfClientArea(HWND window) {
    RECT client = {};
    GetClientRect(window, &client);
    MapWindowPoints(window, HWND_DESKTOP, reinterpret_cast<POINT*>(&client), 2);
    return Of(client);
}

COLORREF ScreenCapture::At(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return CLR_INVALID;
    const uint32_t pixel = pixels_[static_cast<size_t>(y) * width_ + x];
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

int ScreenCapture::CountOf(const RECT& area, COLORREF colour) const {
    int count = 0;
    for (int y = std::max<int>(0, area.top); y < std::min<int>(height_, area.bottom); ++y) {
        for (int x = std::max<int>(0, area.left); x < std::min<int>(width_, area.right); ++x) {
            count += At(x, y) == colour;
        }
    }
    return count;
}

bool ScreenCapture::SaveBmp(const std::wstring& path) const {
    const DWORD rowBytes = (static_cast<DWORD>(width_) * 3 + 3) & ~3u;  // rows padded to 4 bytes
    BITMAPFILEHEADER file = {};
    const BITMAPINFOHEADER header = {sizeof header, width_, height_, 1, 24, BI_RGB, rowBytes * height_, 0, 0, 0, 0};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof file + sizeof header;
    file.bfSize = file.bfOffBits + header.biSizeImage;
    std::string data(reinterpret_cast<const char*>(&file), sizeof file);
    data.append(reinterpret_cast<const char*>(&header), sizeof header);
    for (int y = height_ - 1; y >= 0; --y) {  // bottom-up, as viewers expect of a positive height
        std::string row(rowBytes, '\0');
        for (int x = 0; x < width_; ++x) {
            const COLORREF colour = At(x, y);
            row[x * 3] = static_cast<char>(GetBValue(colour));
            row[x * 3 + 1] = static_cast<char>(GetGValue(colour));
            row[x * 3 + 2] = static_cast<char>(GetRValue(colour));
        }
        data += row;
    }
    win32::UniqueHandle out =
        win32::OwnFile(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    return Valid() && out && WriteFile(out.get(), data.data(), static_cast<DWORD>(data.size()), &written, nullptr) &&
           written == data.size();
}

}  // namespace velkorin::e2e
