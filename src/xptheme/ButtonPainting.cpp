#include "xptheme/ButtonPainting.h"

#include "runtime/AutomationObject.h"
#include "runtime/CheckedMath.h"
#include "runtime/Rounding.h"
#include "runtime/Units.h"
#include "xptheme/ButtonState.h"
#include "xptheme/PictureDrawing.h"
#include "xptheme/ThemeResources.h"

namespace velkorin {

namespace {

constexpr uint32_t kDtCalcRectWordBreak = draw_text::kCalcRect | draw_text::kWordBreak;
constexpr uint32_t kDtCenterWordBreak = draw_text::kCenter | draw_text::kWordBreak;

// What every step of one paint works with. Each step runs its own statements through the paint's trap.
struct Paint {
    ThemeTrap& trap;
    ThemePlatform& platform;
    WindowHandle window;
    DcHandle dc;
    const ObjectRef& control;

    Value Get(const char* property) const { return Require(control).Get(property); }
    uint32_t Color(const char* property) const { return pvTranslateColor(platform, Get(property).AsInteger()); }
};

// The button's own flags, read from the control and its window.
struct ButtonFlags {
    bool down = false, hot = false, heldDown = false, focused = false, defaultLook = false;
};

// The visual-style state and the picture of that state (none covers a missing one and an empty one).
struct Look {
    int32_t state = push_button::kNormal;
    ObjectRef picture;
};

ObjectRef PictureProperty(const Paint& paint, const char* name) { return paint.Get(name).AsObject(); }

// The state's own picture when it holds an image, else Picture; the state's own is read first.
ObjectRef PreferredPicture(const Paint& paint, const char* preferred) {
    ObjectRef first = PictureProperty(paint, preferred);
    ObjectRef fallback = PictureProperty(paint, "Picture");
    return pvPickPicture(first, fallback);
}

// 1. The state of the button. The default look is read silently: a control without the properties
// it needs simply keeps it.
ButtonFlags ReadButtonState(const Paint& paint) {
    ButtonFlags flags;
    MessageResult state = 0;
    paint.trap.Step([&] { state = paint.platform.SendMessageA(paint.window, message::kGetState, 0, 0); });
    paint.trap.Step([&] { flags.down = paint.Get("Value").AsBoolean(); });
    paint.trap.Step([&] { flags.hot = pvGetHot(paint.platform, paint.window); });
    flags.heldDown = (state & button_state::kPushed) != 0;
    flags.focused = (state & button_state::kFocus) != 0;
    Failure ignored(0, std::string());
    RunCatchingFailure([&] { flags.defaultLook = paint.Get("Default").AsBoolean(); }, ignored);
    RunCatchingFailure(
        [&] {
            if (paint.platform.GetFocus() == paint.window) return;
            ObjectRef form = paint.Get("Parent").AsObject();
            ObjectRef active = Require(form).Get("ActiveControl").AsObject();
            if (Require(active).Get("Default").AsInteger() <= 0) flags.defaultLook = false;
        },
        ignored);
    return flags;
}

// 2. The visual-style state and its picture: the first test that holds wins, and a failed test runs
// its branch.
Look ChooseLook(const Paint& paint, const ButtonFlags& flags) {
    Look look;
    bool disabled = true;
    paint.trap.Step([&] { disabled = !paint.Get("Enabled").AsBoolean(); });
    if (disabled) {
        look.state = push_button::kDisabled;
        paint.trap.Step([&] { look.picture = PreferredPicture(paint, "DisabledPicture"); });
    } else if (flags.hot && !flags.heldDown) {
        look.state = push_button::kHot;
        paint.trap.Step([&] {
            look.picture = flags.down ? PreferredPicture(paint, "DownPicture") : PictureProperty(paint, "Picture");
        });
    } else if (flags.down || flags.heldDown) {
        look.state = push_button::kPressed;
        paint.trap.Step([&] { look.picture = PreferredPicture(paint, "DownPicture"); });
    } else {
        look.state = (flags.focused || flags.defaultLook) ? push_button::kDefaulted : push_button::kNormal;
        paint.trap.Step([&] { look.picture = PictureProperty(paint, "Picture"); });
    }
    if (look.picture) {
        bool empty = true;
        paint.trap.Step([&] { empty = look.picture->Get("Handle").AsInteger() == 0; });
        if (empty) look.picture.reset();
    }
    return look;
}

// 3.3 to 3.6. The parent's background, clipped to the corners outside the button's shape; the back
// colour there when the parent cannot draw it. The shape's region is deleted on the way out.
void DrawParentBackground(const Paint& paint, ThemeHandle theme, int32_t state, const PlatformRect& rect) {
    ThemePlatform& platform = paint.platform;
    RegionGuard region(paint.trap, [&] {
        return platform.GetThemeBackgroundRegion(theme, paint.dc, push_button::kPart, state, rect);
    });
    paint.trap.Step([&] { platform.ExtSelectClipRgn(paint.dc, region.Get(), region_mode::kDiff); });
    bool parentFailed = true;
    paint.trap.Step([&] { parentFailed = platform.DrawThemeParentBackground(paint.window, paint.dc, rect) != 0; });
    if (parentFailed) {
        paint.trap.Step([&] {
            pvDrawRect(paint.trap.Module(), paint.dc, 0, 0, rect.right, rect.bottom, paint.Color("BackColor"));
        });
    }
    paint.trap.Step([&] { platform.ExtSelectClipRgn(paint.dc, {}, region_mode::kCopy); });
}

// 3.7 to 3.9. The face, then the focus rectangle on the content rectangle, which it gives back.
PlatformRect DrawFace(const Paint& paint, ThemeHandle theme, int32_t state, bool focused, const PlatformRect& rect) {
    ThemePlatform& platform = paint.platform;
    PlatformRect content = rect;
    paint.trap.Step([&] { platform.DrawThemeBackground(theme, paint.dc, push_button::kPart, state, rect, rect); });
    paint.trap.Step([&] {
        content = platform.GetThemeBackgroundContentRect(theme, paint.dc, push_button::kPart, state, rect);
    });
    if (focused) paint.trap.Step([&] { platform.DrawFocusRect(paint.dc, content); });
    return content;
}

// 4. The caption in the control's font, centred and wrapped: at the bottom of the content rectangle
// when a picture goes above it, else about the middle. Gives the caption's top; the previous font is
// selected back on the way out.
int32_t DrawCaption(const Paint& paint, ThemeHandle theme, const Look& look, const PlatformRect& content) {
    ThemePlatform& platform = paint.platform;
    Selection font(
        paint.trap,
        [&] {
            ObjectRef fontObject = paint.Get("Font").AsObject();
            const GdiObjectHandle hFont(units::HandleFromLong(Require(fontObject).Get("hFont").AsInteger()));
            return platform.SelectObject(paint.dc, hFont);
        },
        paint.dc);
    PlatformRect caption = content;
    paint.trap.Step([&] {
        platform.DrawTextA(paint.dc, paint.Get("Caption").AsText(), -1, caption, kDtCalcRectWordBreak);
    });
    caption.left = content.left;
    caption.right = content.right;
    const int32_t measuredBottom = caption.bottom;
    if (!look.picture) {
        paint.trap.Step([&] {
            caption.top = RoundHalfEvenToInt32(CheckedSubtract(content.bottom, measuredBottom) / 2.0 + 2);
        });
        paint.trap.Step([&] { caption.bottom = CheckedAdd(measuredBottom, caption.top); });
    } else {
        paint.trap.Step([&] { caption.top = CheckedAdd(CheckedSubtract(content.bottom, measuredBottom), 1); });
        caption.bottom = content.bottom;
    }
    paint.trap.Step([&] {
        platform.DrawThemeText(theme, paint.dc, push_button::kPart, look.state, paint.Get("Caption").AsText(), -1,
                               kDtCenterWordBreak, 0, caption);
    });
    return caption.top;
}

// Centres a length in a span, a half to the even neighbour.
int32_t Centred(int32_t low, int32_t high, int32_t length) {
    return RoundHalfEvenToInt32(CheckedSubtract(CheckedSubtract(high, low), length) / 2.0 + low);
}

// 6. The picture at its own size, centred in the area: transparent with the mask colour, rendered
// as it is, or embossed when the button is disabled (with the mask colour whatever UseMaskColor says).
void DrawPicture(const Paint& paint, ScreenMetrics& screen, const ObjectRef& picture, const PlatformRect& area) {
    int32_t width = 0, height = 0, left = 0, top = 0;
    const float twipsPerPixel = screen.TwipsPerPixelX();
    paint.trap.Step([&] { width = pvHimetricToPixels(picture->Get("Width").AsDouble(), twipsPerPixel); });
    paint.trap.Step([&] { height = pvHimetricToPixels(picture->Get("Height").AsDouble(), twipsPerPixel); });
    paint.trap.Step([&] { left = Centred(area.left, area.right, width); });
    paint.trap.Step([&] { top = Centred(area.top, area.bottom, height); });
    bool enabled = true;
    paint.trap.Step([&] { enabled = paint.Get("Enabled").AsBoolean(); });
    mdXpThemeSupport& module = paint.trap.Module();
    if (!enabled) {
        paint.trap.Step([&] {
            pvDrawDisabledPicture(module, picture, paint.dc, left, top, width, height, paint.Color("MaskColor"));
        });
        return;
    }
    bool useMask = true;
    paint.trap.Step([&] { useMask = paint.Get("UseMaskColor").AsBoolean(); });
    if (useMask) {
        paint.trap.Step([&] {
            const uint32_t mask = paint.Color("MaskColor");
            pvDrawTransparentPicture(module, picture, paint.dc, left, top, width, height, mask, 0, 0, 0, 0);
        });
        return;
    }
    paint.trap.Step([&] {
        // From the bottom edge with a negative height: HIMETRIC runs upwards, so this is upright.
        const Value dc(units::LongFromHandle(paint.dc.Value()));
        picture->Call("Render", {dc, Value(left), Value(CheckedAdd(top, height)), Value(width), Value(-height),
                                 Value(int32_t{0}), Value(int32_t{0}), picture->Get("Width"), picture->Get("Height"),
                                 Value(int32_t{0})});
    });
}

}  // namespace

ObjectRef pvPickPicture(const ObjectRef& preferred, const ObjectRef& fallback) {
    if (preferred && preferred->Get("Handle").AsInteger() != 0) return preferred;
    return fallback;
}

uint32_t pvTranslateColor(ThemePlatform& platform, int32_t color) {
    // A plain value goes on whole, its top byte included: the module hands it to calls that take it
    // as it stands (the form runtime's own drawing keeps only the RGB bytes).
    return units::ColorOfOleColor(color, [&](int32_t index) { return platform.GetSysColor(index); });
}

int32_t pvHimetricToPixels(double himetric, float twipsPerPixel) {
    if (twipsPerPixel == 0.0f) throw Failure::DivisionByZero();
    return RoundHalfEvenToInt32((units::kTwipsPerInch / twipsPerPixel) * (himetric / units::kHimetricPerInch));
}

void pvDrawButton(mdXpThemeSupport& module, ScreenMetrics& screen, WindowHandle window, DcHandle dc,
                  const ObjectRef& control) {
    ThemeTrap trap(module, "pvDrawButton");
    ThemePlatform& platform = module.Platform();
    const Paint paint{trap, platform, window, dc, control};

    const ButtonFlags flags = ReadButtonState(paint);  // 1
    const Look look = ChooseLook(paint, flags);         // 2

    // 3. The background and the face, in the client rectangle; the visual style stays open for the caption.
    PlatformRect area;
    trap.Step([&] { area = platform.GetClientRect(window); });
    ThemeData theme(trap, [&] { return platform.OpenThemeData(window, "BUTTON"); });
    DrawParentBackground(paint, theme.Get(), look.state, area);
    area = DrawFace(paint, theme.Get(), look.state, flags.focused, area);

    // 4. The caption, when there is one; the picture's area is what lies above it.
    bool hasCaption = true;
    trap.Step([&] { hasCaption = !paint.Get("Caption").AsText().empty(); });
    if (hasCaption) area.bottom = DrawCaption(paint, theme.Get(), look, area);

    theme.Release();  // 5. nothing more is drawn with the visual style

    if (look.picture) DrawPicture(paint, screen, look.picture, area);  // 6
}

}  // namespace velkorin
