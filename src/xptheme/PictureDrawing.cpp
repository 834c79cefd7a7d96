#include "xptheme/PictureDrawing.h"

#include "runtime/AutomationObject.h"
#include "runtime/CheckedMath.h"
#include "runtime/Units.h"
#include "xptheme/ThemeResources.h"

namespace velkorin {

namespace {

constexpr uint32_t kWhite = 0xFFFFFF;

int32_t HandleOf(const ObjectRef& picture) { return Require(picture).Get("Handle").AsInteger(); }

// A picture that is none or holds no image draws nothing; a failed read of its handle counts as none.
bool HoldsImage(ThemeTrap& trap, const ObjectRef& picture) {
    if (!picture) return false;
    bool empty = true;
    trap.Step([&] { empty = HandleOf(picture) == 0; });
    return !empty;
}

// A screen-compatible bitmap of width by height, selected into a memory device context of its own.
// The guards give back in the reverse order: the bitmap selected out, deleted, the memory device
// context deleted, the screen's device context released.
struct Buffer {
    Buffer(ThemeTrap& trap, ThemePlatform& platform, int32_t width, int32_t height)
        : screen(trap, [&] { return platform.GetDC({}); }),
          memory(trap, [&] { return platform.CreateCompatibleDC(screen.Get()); }),
          bitmap(trap, [&] { return platform.CreateCompatibleBitmap(screen.Get(), width, height); }),
          selection(trap, [&] { return platform.SelectObject(memory.Get(), bitmap.Get()); }, memory.Get()) {}
    ScreenDc screen;
    MemoryDc memory;
    GdiObjectGuard bitmap;
    Selection selection;
};

// Draws the picture's image into the buffer at its top-left corner: an icon on the transparent colour,
// a bitmap as it is, any other type not at all. Each test reads Type afresh; a failed test runs the
// branch it guards.
void DrawIntoBuffer(mdXpThemeSupport& module, ThemeTrap& trap, const ObjectRef& picture, DcHandle memory,
                    int32_t width, int32_t height, uint32_t transparentColor) {
    const auto drawImage = [&](uint32_t kind) {
        trap.Step([&] {
            const GdiObjectHandle image(units::HandleFromLong(HandleOf(picture)));
            module.Platform().DrawStateA(memory, image, 0, 0, width, height, kind);
        });
    };
    bool isIcon = true;
    trap.Step([&] { isIcon = Require(picture).Get("Type").AsInteger() == picture_type::kIcon; });
    if (isIcon) {
        // The icon's own transparent pixels keep the pre-filled colour, so the transfer leaves them out.
        pvDrawRect(module, memory, 0, 0, width, height, transparentColor);
        return drawImage(draw_state::kIcon);
    }
    bool isBitmap = true;
    trap.Step([&] { isBitmap = Require(picture).Get("Type").AsInteger() == picture_type::kBitmap; });
    if (isBitmap) drawImage(draw_state::kBitmap);
}

}  // namespace

void pvDrawRect(mdXpThemeSupport& module, DcHandle dc, int32_t left, int32_t top, int32_t width,
                int32_t height, uint32_t color) {
    ThemeTrap trap(module, "pvDrawRect");
    ThemePlatform& platform = module.Platform();
    GdiObjectGuard brush(trap, [&] { return platform.CreateSolidBrush(color); });
    PlatformRect rect;
    rect.left = left;
    rect.top = top;
    trap.Step([&] { rect.right = CheckedAdd(left, width); });  // an overflowing edge stays 0
    trap.Step([&] { rect.bottom = CheckedAdd(top, height); });
    trap.Step([&] { platform.FillRect(dc, rect, brush.Get()); });
}

void pvDrawTransparentPicture(mdXpThemeSupport& module, const ObjectRef& picture, DcHandle dc, int32_t left,
                              int32_t top, int32_t width, int32_t height, uint32_t transparentColor,
                              int32_t sourceLeft, int32_t sourceTop, int32_t sourceWidth, int32_t sourceHeight) {
    ThemeTrap trap(module, "pvDrawTransparentPicture");
    if (!HoldsImage(trap, picture)) return;  // nothing taken yet
    if (sourceWidth == 0) sourceWidth = width;
    if (sourceHeight == 0) sourceHeight = height;

    Buffer buffer(trap, module.Platform(), sourceWidth, sourceHeight);
    DrawIntoBuffer(module, trap, picture, buffer.memory.Get(), sourceWidth, sourceHeight, transparentColor);
    trap.Step([&] {
        module.Platform().TransparentBlt(dc, left, top, width, height, buffer.memory.Get(), sourceLeft, sourceTop,
                                         sourceWidth, sourceHeight, transparentColor);
    });
}

void pvDrawDisabledPicture(mdXpThemeSupport& module, const ObjectRef& picture, DcHandle dc, int32_t left,
                           int32_t top, int32_t width, int32_t height, uint32_t transparentColor) {
    ThemeTrap trap(module, "pvDrawDisabledPicture");
    if (!HoldsImage(trap, picture)) return;

    Buffer buffer(trap, module.Platform(), width, height);
    // The picture lands on white; its transparent pixels stay white and count as background.
    pvDrawRect(module, buffer.memory.Get(), 0, 0, width, height, kWhite);
    pvDrawTransparentPicture(module, picture, buffer.memory.Get(), 0, 0, width, height, transparentColor, 0, 0, 0, 0);
    buffer.selection.Release();  // the bitmap is selected nowhere now, as the embossing needs
    trap.Step([&] {
        module.Platform().DrawStateA(dc, buffer.bitmap.Get(), left, top, width, height,
                                     draw_state::kBitmap | draw_state::kDisabled);
    });
}

}  // namespace velkorin
