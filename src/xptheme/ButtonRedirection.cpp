#include "xptheme/ButtonRedirection.h"

#include "xptheme/ButtonPainting.h"
#include "xptheme/ButtonState.h"
#include "xptheme/ThemeResources.h"

namespace velkorin {

void pvInvalidateButton(ThemePlatform& platform, WindowHandle window) {
    PlatformRect client = platform.GetClientRect(window);
    platform.ValidateRect(window, nullptr);  // drops what the button's own procedure asked to repaint
    const ThemeHandle theme = platform.OpenThemeData(window, "BUTTON");
    const RegionHandle region =
        platform.GetThemeBackgroundRegion(theme, {}, push_button::kPart, push_button::kNormal, client);
    platform.CloseThemeData(theme);
    platform.InvalidateRgn(window, region, false);  // no region: the whole client area, still no erase
    platform.DeleteObject(AsGdiObject(region));
}

namespace {

constexpr uint32_t kTrackHoverAndLeave = track_mouse::kHover | track_mouse::kLeave;
constexpr uint32_t kHoverTimeMs = 1;

// What every step of one message works with.
struct ButtonMessage {
    mdXpThemeSupport& module;
    ThemeTrap& trap;
    ThemePlatform& platform;
    WindowHandle window;
    uint32_t message;
};

// Styles active, then the window visible; a failed visibility test runs what it guards.
bool ThemedAndVisible(const ButtonMessage& m) {
    if (!m.module.IsVisualStyleActive()) return false;
    bool visible = true;
    m.trap.Step([&] { visible = pvIsVisible(m.platform, m.window); });
    return visible;
}

// Stage 1, WM_PAINT: the themed painter paints between BeginPaint and EndPaint.
void PaintThemed(const ButtonMessage& m, ScreenMetrics& screen, const ObjectRef& control) {
    PaintRecord paint;
    DcHandle dc;
    m.trap.Step([&] { pvSetPainted(m.platform, m.window, true); });
    m.trap.Step([&] { dc = m.platform.BeginPaint(m.window, paint); });
    m.trap.Step([&] { pvDrawButton(m.module, screen, m.window, dc, control); });
    m.trap.Step([&] { m.platform.EndPaint(m.window, paint); });
}

// Stage 1, WM_SETFOCUS and WM_ENABLE on a themed, visible button: its own drawing is switched off
// for the default processing. Gives whether it was.
bool SwitchRedrawOff(const ButtonMessage& m) {
    if (!ThemedAndVisible(m)) return false;
    m.trap.Step([&] { m.platform.SendMessageA(m.window, message::kSetRedraw, 0, 0); });
    return true;
}

// Stage 3 rows: each asks whether styles are active, except redrawing on again, which follows this
// call's own flag.
void SetHotAndInvalidate(const ButtonMessage& m, bool hot) {
    if (!m.module.IsVisualStyleActive()) return;
    m.trap.Step([&] { pvSetHot(m.platform, m.window, hot); });
    m.trap.Step([&] { pvInvalidateButton(m.platform, m.window); });
}

// The pointer moves over the button: hover and leave reports while it is not hot, and the themed
// region repainted while the themed painter has never painted it.
void TrackAndInvalidate(const ButtonMessage& m) {
    if (!m.module.IsVisualStyleActive()) return;
    bool notHot = true;
    m.trap.Step([&] { notHot = !pvGetHot(m.platform, m.window); });
    if (notHot) {
        m.trap.Step([&] {
            TrackMouseRecord track;
            track.cbSize = track_mouse::kRecordSize32;
            track.dwFlags = kTrackHoverAndLeave;
            track.hwndTrack = m.window;
            track.dwHoverTime = kHoverTimeMs;
            m.platform.TrackMouseEvent(track);
        });
    }
    bool notPainted = true;
    m.trap.Step([&] { notPainted = !pvGetPainted(m.platform, m.window); });
    if (notPainted) m.trap.Step([&] { pvInvalidateButton(m.platform, m.window); });
}

// Redrawing on again; after WM_ENABLE the whole client area is repainted, after WM_SETFOCUS the
// themed region.
void SwitchRedrawOn(const ButtonMessage& m) {
    m.trap.Step([&] { m.platform.SendMessageA(m.window, message::kSetRedraw, 1, 0); });
    if (m.message == message::kEnable) {
        m.trap.Step([&] { m.platform.InvalidateRect(m.window, nullptr, false); });
    } else {
        m.trap.Step([&] { pvInvalidateButton(m.platform, m.window); });
    }
}

void InvalidateIfThemed(const ButtonMessage& m) {
    if (m.module.IsVisualStyleActive()) m.trap.Step([&] { pvInvalidateButton(m.platform, m.window); });
}

// Stage 3, after the default processing.
void AfterDefaultProcessing(const ButtonMessage& m, bool redrawOff) {
    switch (m.message) {
    case message::kLButtonDown:
    case message::kMouseHover: return SetHotAndInvalidate(m, true);
    case message::kKillFocus:
    case message::kMouseLeave: return SetHotAndInvalidate(m, false);
    case message::kMouseMove: return TrackAndInvalidate(m);
    case message::kSetFocus:
    case message::kEnable:
        if (redrawOff) SwitchRedrawOn(m);
        return;
    case message::kLButtonUp:
    case message::kRButtonUp: return InvalidateIfThemed(m);
    default: return;
    }
}

}  // namespace

MessageResult pvRedirectButton(mdXpThemeSupport& module, ScreenMetrics& screen, WindowHandle window,
                               uint32_t message, MessageWParam wParam, MessageLParam lParam,
                               const ObjectRef& control) {
    ThemeTrap trap(module, "pvRedirectButton");
    const ButtonMessage m{module, trap, module.Platform(), window, message};

    // Stage 1, before the default processing.
    if (message == message::kPaint && ThemedAndVisible(m)) {
        PaintThemed(m, screen, control);
        return 0;  // painted: the button's own procedure never sees it
    }
    const bool redrawOff = (message == message::kSetFocus || message == message::kEnable) && SwitchRedrawOff(m);

    // Stage 2, the default processing.
    MessageResult result = 0;
    trap.Step([&] { result = m.platform.DefSubclassProc(window, message, wParam, lParam); });

    AfterDefaultProcessing(m, redrawOff);  // stage 3
    return result;
}

}  // namespace velkorin
