#include "runtime/win32/forms/PictureRendering.h"

#include "runtime/win32/ScopedHandles.h"
#include "runtime/win32/SystemLibraries.h"
#include "runtime/win32/forms/WindowedControl.h"

namespace velkorin::win32::forms {

namespace {

constexpr int kHimetricPerInch = 2540;

int Width(const RECT& r) { return r.right - r.left; }
int Height(const RECT& r) { return r.bottom - r.top; }

void Fill(HDC dc, const RECT& area, COLORREF color) {
    GdiObject<HBRUSH> brush(CreateSolidBrush(color));
    FillRect(dc, &area, brush.get());
}

// A bitmap the size of `at` that the screen can take, with `draw` run on it through a memory context.
template <class Draw>
GdiObject<HBITMAP> DrawOffScreen(int width, int height, Draw draw) {
    ClientDc screen(nullptr);
    GdiObject<HBITMAP> buffer(CreateCompatibleBitmap(screen.Get(), width, height));
    MemoryDc memory(screen.Get());
    if (buffer.get() && memory.Get()) {
        SelectionGuard select(memory.Get(), buffer.get());
        draw(memory.Get());
    }
    return buffer;
}

}  // namespace

bool HasImage(const ObjectRef& picture) {
    if (!picture) return false;
    try {
        return picture->Get("Handle").AsInteger() != 0;
    } catch (const Failure&) {
        return false;
    }
}

SIZE PicturePixels(AutomationObject& picture, HDC dc) {
    const int perInchX = GetDeviceCaps(dc, LOGPIXELSX), perInchY = GetDeviceCaps(dc, LOGPIXELSY);
    return {MulDiv(picture.Get("Width").AsInteger(), perInchX, kHimetricPerInch),
            MulDiv(picture.Get("Height").AsInteger(), perInchY, kHimetricPerInch)};
}

void RenderPicture(AutomationObject& picture, HDC dc, const RECT& at) {
    const int32_t width = picture.Get("Width").AsInteger(), height = picture.Get("Height").AsInteger();
    // HIMETRIC runs upwards: the source starts at the bottom edge with a negative height.
    picture.Call("Render", {HandleValue(dc), Value(static_cast<int32_t>(at.left)), Value(static_cast<int32_t>(at.top)),
                            Value(static_cast<int32_t>(Width(at))), Value(static_cast<int32_t>(Height(at))),
                            Value(int32_t{0}), Value(height), Value(width), Value(-height), Value(int32_t{0})});
}

void DrawTransparentPicture(AutomationObject& picture, HDC dc, const RECT& at, COLORREF transparent) {
    const int width = Width(at), height = Height(at);
    ClientDc screen(nullptr);
    GdiObject<HBITMAP> buffer(CreateCompatibleBitmap(screen.Get(), width, height));
    MemoryDc memory(screen.Get());
    if (!buffer.get() || !memory.Get()) return;
    SelectionGuard select(memory.Get(), buffer.get());
    // An icon's own see-through pixels keep the transparent colour underneath, so they stay out too.
    Fill(memory.Get(), {0, 0, width, height}, transparent);
    RenderPicture(picture, memory.Get(), {0, 0, width, height});
    // Bound by name like every msimg32 function: the library is no load-time import of the program.
    Msimg32().pTransparentBlt(dc, at.left, at.top, width, height, memory.Get(), 0, 0, width, height, transparent);
}

void DrawEmbossedPicture(AutomationObject& picture, HDC dc, const RECT& at, COLORREF transparent) {
    const int width = Width(at), height = Height(at);
    // On white, transparent pixels stay white, which the disabled look takes for background.
    GdiObject<HBITMAP> shape = DrawOffScreen(width, height, [&](HDC memory) {
        Fill(memory, {0, 0, width, height}, RGB(255, 255, 255));
        DrawTransparentPicture(picture, memory, {0, 0, width, height}, transparent);
    });
    if (!shape.get()) return;
    DrawStateW(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(shape.get()), 0, at.left, at.top, width, height,
               DST_BITMAP | DSS_DISABLED);
}

}  // namespace velkorin::win32::forms
