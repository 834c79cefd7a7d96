#include "xptheme/ButtonRedirection.h"

#include "xptheme/ButtonPainting.h"
#include "xptheme/ButtonState.h"
#include "xptheme/ModuleTrap.h"

namespace velkorin {

namespace {

constexpr uint32_t kTrackHoverAndLeave = track_mouse::kHover | track_mouse::kLeave;
constexpr uint32_t kHoverTimeMs = 1;

}  // namespace

void pvInvalidateButton(ThemePlatform& platform, NativeHandle window) {
    PlatformRect client = platform.GetClientRect(window);
    platform.ValidateRect(window, nullptr);  // drops what the button's own procedure asked to repaint
    NativeHandle theme = platform.OpenThemeData(window, "BUTTON");
    NativeHandle region = platform.GetThemeBackgroundRegion(theme, 0, push_button::kPart, push_button::kNormal, client);
    platform.CloseThemeData(theme);
    platform.InvalidateRgn(window, region, false);  // no region: the whole client area, still no erase
    platform.DeleteObject(region);
}

MessageResult pvRedirectButton(mdXpThemeSupport& module, ScreenMetrics& screen, NativeHandle window,
                               uint32_t message, MessageWParam wParam, MessageLParam lParam,
                               const ObjectRef& control) {
    ModuleTrap<mdXpThemeSupport> trap(module, "pvRedirectButton");
    ThemePlatform& platform = module.Platform();
    MessageResult result = 0;
    bool redrawOff = false;

    // Styles active, then the window visible; a failed visibility test runs what it guards.
    auto themedAndVisible = [&] {
        if (!module.IsVisualStyleActive()) return false;
        bool visible = true;
        trap.Step([&] { visible = pvIsVisible(platform, window); });
        return visible;
    };

    if (message == message::kPaint && themedAndVisible()) {
        PaintRecord paint;
        NativeHandle dc = 0;
        trap.Step([&] { pvSetPainted(platform, window, true); });
        trap.Step([&] { dc = platform.BeginPaint(window, paint); });
        trap.Step([&] { pvDrawButton(module, screen, window, dc, control); });
        trap.Step([&] { platform.EndPaint(window, paint); });
        return 0;  // painted: the button's own procedure never sees it
    }
    if ((message == message::kSetFocus || message == message::kEnable) && themedAndVisible()) {
        redrawOff = true;
        trap.Step([&] { platform.SendMessageA(window, message::kSetRedraw, 0, 0); });
    }

    trap.Step([&] { result = platform.DefSubclassProc(window, message, wParam, lParam); });

    const auto setHotAndRedraw = [&](bool hot) {
        if (!module.IsVisualStyleActive()) return;
        trap.Step([&] { pvSetHot(platform, window, hot); });
        trap.Step([&] { pvInvalidateButton(platform, window); });
    };
    switch (message) {
    case message::kLButtonDown:
    case message::kMouseHover: setHotAndRedraw(true); break;
    case message::kKillFocus:
    case message::kMouseLeave: setHotAndRedraw(false); break;
    case message::kMouseMove:
        if (module.IsVisualStyleActive()) {
            bool notHot = true;
            trap.Step([&] { notHot = !pvGetHot(platform, window); });
            if (notHot) {
                trap.Step([&] {
                    TrackMouseRecord track;
                    track.cbSize = track_mouse::kRecordSize32;
                    track.dwFlags = kTrackHoverAndLeave;
                    track.hwndTrack = window;
                    track.dwHoverTime = kHoverTimeMs;
                    platform.TrackMouseEvent(track);
                });
            }
            bool notPainted = true;
            trap.Step([&] { notPainted = !pvGetPainted(platform, window); });
            if (notPainted) trap.Step([&] { pvInvalidateButton(platform, window); });
        }
        break;
    case message::kSetFocus:
    case message::kEnable:
        if (redrawOff) {
            trap.Step([&] { platform.SendMessageA(window, message::kSetRedraw, 1, 0); });
            if (message == message::kEnable) {
                trap.Step([&] { platform.InvalidateRect(window, nullptr, false); });
            } else {
                trap.Step([&] { pvInvalidateButton(platform, window); });
            }
        }
        break;
    case message::kLButtonUp:
    case message::kRButtonUp:
        if (module.IsVisualStyleActive()) trap.Step([&] { pvInvalidateButton(platform, window); });
        break;
    default: break;
    }
    return result;
}

}  // namespace velkorin
