#include "xptheme/PictureDrawing.h"

#include "runtime/AutomationObject.h"
#include "runtime/CheckedMath.h"
#include "runtime/Units.h"
#include "xptheme/ModuleTrap.h"

namespace velkorin {

namespace {

constexpr uint32_t kWhite = 0xFFFFFF;

int32_t HandleOf(const ObjectRef& picture) { return Require(picture).Get("Handle").AsInteger(); }

}  // namespace

void pvDrawRect(mdXpThemeSupport& module, NativeHandle dc, int32_t left, int32_t top, int32_t width,
                int32_t height, uint32_t color) {
    ModuleTrap<mdXpThemeSupport> trap(module, "pvDrawRect");
    ThemePlatform& platform = module.Platform();
    NativeHandle brush = 0;
    PlatformRect rect;
    trap.Step([&] { brush = platform.CreateSolidBrush(color); });
    trap.Step([&] { rect.left = left; });
    trap.Step([&] { rect.top = top; });
    trap.Step([&] { rect.right = CheckedAdd(left, width); });  // an overflowing edge stays 0
    trap.Step([&] { rect.bottom = CheckedAdd(top, height); });
    trap.Step([&] { platform.FillRect(dc, rect, brush); });
    trap.Step([&] { platform.DeleteObject(brush); });
}

void pvDrawTransparentPicture(mdXpThemeSupport& module, const ObjectRef& picture, NativeHandle dc, int32_t left,
                              int32_t top, int32_t width, int32_t height, uint32_t transparentColor,
                              int32_t sourceLeft, int32_t sourceTop, int32_t sourceWidth, int32_t sourceHeight) {
    ModuleTrap<mdXpThemeSupport> trap(module, "pvDrawTransparentPicture");
    ThemePlatform& platform = module.Platform();
    if (!picture) return;
    bool empty = true;  // a failed read lands in the guarded branch: return, nothing allocated yet
    trap.Step([&] { empty = HandleOf(picture) == 0; });
    if (empty) return;

    if (sourceWidth == 0) sourceWidth = width;
    if (sourceHeight == 0) sourceHeight = height;

    NativeHandle screen = 0, memory = 0, buffer = 0, previous = 0;
    trap.Step([&] { screen = platform.GetDC(0); });
    trap.Step([&] { memory = platform.CreateCompatibleDC(screen); });
    trap.Step([&] { buffer = platform.CreateCompatibleBitmap(screen, sourceWidth, sourceHeight); });
    trap.Step([&] { previous = platform.SelectObject(memory, buffer); });

    // Each test reads Type afresh; a failed test runs the branch it guards.
    bool isIcon = true;
    trap.Step([&] { isIcon = Require(picture).Get("Type").AsInteger() == picture_type::kIcon; });
    if (isIcon) {
        // The icon's own transparent pixels keep the pre-filled colour, so the transfer leaves them out.
        pvDrawRect(module, memory, 0, 0, sourceWidth, sourceHeight, transparentColor);
        trap.Step([&] {
            platform.DrawStateA(memory, units::HandleFromLong(HandleOf(picture)), 0, 0, sourceWidth, sourceHeight,
                                draw_state::kIcon);
        });
    } else {
        bool isBitmap = true;
        trap.Step([&] { isBitmap = Require(picture).Get("Type").AsInteger() == picture_type::kBitmap; });
        if (isBitmap) {
            trap.Step([&] {
                platform.DrawStateA(memory, units::HandleFromLong(HandleOf(picture)), 0, 0, sourceWidth, sourceHeight,
                                    draw_state::kBitmap);
            });
        }
    }

    trap.Step([&] {
        platform.TransparentBlt(dc, left, top, width, height, memory, sourceLeft, sourceTop, sourceWidth,
                                sourceHeight, transparentColor);
    });
    trap.Step([&] { platform.DeleteObject(platform.SelectObject(memory, previous)); });
    trap.Step([&] { platform.DeleteDC(memory); });
    trap.Step([&] { platform.ReleaseDC(0, screen); });
}

void pvDrawDisabledPicture(mdXpThemeSupport& module, const ObjectRef& picture, NativeHandle dc, int32_t left,
                           int32_t top, int32_t width, int32_t height, uint32_t transparentColor) {
    ModuleTrap<mdXpThemeSupport> trap(module, "pvDrawDisabledPicture");
    ThemePlatform& platform = module.Platform();
    if (!picture) return;
    bool empty = true;
    trap.Step([&] { empty = HandleOf(picture) == 0; });
    if (empty) return;

    NativeHandle screen = 0, memory = 0, buffer = 0, previous = 0;
    trap.Step([&] { screen = platform.GetDC(0); });
    trap.Step([&] { memory = platform.CreateCompatibleDC(screen); });
    trap.Step([&] { buffer = platform.CreateCompatibleBitmap(screen, width, height); });
    trap.Step([&] { previous = platform.SelectObject(memory, buffer); });
    // The picture lands on white; its transparent pixels stay white and count as background.
    pvDrawRect(module, memory, 0, 0, width, height, kWhite);
    pvDrawTransparentPicture(module, picture, memory, 0, 0, width, height, transparentColor, 0, 0, 0, 0);
    trap.Step([&] { platform.SelectObject(memory, previous); });  // the buffer is selected nowhere now
    trap.Step([&] {
        platform.DrawStateA(dc, buffer, left, top, width, height, draw_state::kBitmap | draw_state::kDisabled);
    });
    trap.Step([&] { platform.DeleteObject(buffer); });
    trap.Step([&] { platform.DeleteDC(memory); });
    trap.Step([&] { platform.ReleaseDC(0, screen); });
}

}  // namespace velkorin
