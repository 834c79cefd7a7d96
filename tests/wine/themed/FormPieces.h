#pragma once

#include <windows.h>

#include <memory>
#include <utility>

#include "runtime/win32/ScopedHandles.h"
#include "runtime/win32/forms/Form.h"
#include "wine/themed/PixelRegions.h"
#include "wine/themed/ThemedWindowLayout.h"

// What the in-process checks and the themed window build their forms and read their pixels with.
namespace velkorin::themed {

inline win32::forms::ControlArgs Placed(int left, int top, int width, int height,
                                        int32_t style = win32::forms::button_style::kStandard,
                                        std::shared_ptr<win32::forms::FrameControl> container = nullptr,
                                        const char* caption = "") {
    win32::forms::ControlArgs args;
    args.caption = caption;
    args.left = left, args.top = top, args.width = width, args.height = height;
    args.style = style;
    args.container = std::move(container);
    return args;
}

// A memory bitmap to draw into, magenta wherever nothing was drawn.
class MagentaCanvas {
public:
    MagentaCanvas(int width, int height)
        : screen_(nullptr),
          memory_(screen_.Get()),
          bitmap_(CreateCompatibleBitmap(screen_.Get(), width, height)),
          select_(memory_.Get(), bitmap_.get()),
          area_{0, 0, width, height} {
        Fill();
    }
    void Fill() {
        win32::GdiObject<HBRUSH> magenta(CreateSolidBrush(kMagenta));
        FillRect(memory_.Get(), &area_, magenta.get());
    }
    HDC Dc() const { return memory_.Get(); }
    COLORREF At(int x, int y) const { return GetPixel(memory_.Get(), x, y); }
    PixelReader Pixels() const { return PixelsOf(memory_.Get()); }

private:
    win32::ClientDc screen_;
    win32::MemoryDc memory_;
    win32::GdiObject<HBITMAP> bitmap_;
    win32::SelectionGuard select_;
    RECT area_;
};

}  // namespace velkorin::themed
