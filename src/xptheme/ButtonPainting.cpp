#include "xptheme/ButtonPainting.h"

#include "runtime/AutomationObject.h"
#include "xptheme/ButtonState.h"
#include "runtime/CheckedMath.h"
#include "xptheme/ModuleTrap.h"
#include "xptheme/PictureDrawing.h"
#include "runtime/Rounding.h"
#include "runtime/Units.h"

namespace velkorin {

namespace {

constexpr uint32_t kDtCalcRectWordBreak = draw_text::kCalcRect | draw_text::kWordBreak;
constexpr uint32_t kDtCenterWordBreak = draw_text::kCenter | draw_text::kWordBreak;

ObjectRef PictureProperty(const ObjectRef& control, const char* name) {
    return Require(control).Get(name).AsObject();
}

// The state's own picture when it holds an image, else Picture; the state's own is read first.
ObjectRef PreferredPicture(const ObjectRef& control, const char* preferred) {
    ObjectRef first = PictureProperty(control, preferred);
    ObjectRef fallback = PictureProperty(control, "Picture");
    return pvPickPicture(first, fallback);
}

NativeHandle AsHandle(const Value& value) { return units::HandleFromLong(value.AsInteger()); }

// The button's own flags, read from the control and its window.
struct ButtonFlags {
    bool down = false, hot = false, heldDown = false, focused = false, defaultLook = false;
};

ButtonFlags ReadFlags(ModuleTrap<mdXpThemeSupport>& trap, ThemePlatform& platform, NativeHandle window,
                      const ObjectRef& control) {
    ButtonFlags flags;
    MessageResult state = 0;
    trap.Step([&] { state = platform.SendMessageA(window, message::kGetState, 0, 0); });
    trap.Step([&] { flags.down = Require(control).Get("Value").AsBoolean(); });
    trap.Step([&] { flags.hot = pvGetHot(platform, window); });
    flags.heldDown = (state & button_state::kPushed) != 0;
    flags.focused = (state & button_state::kFocus) != 0;
    // The default look is read silently: a control without these properties simply keeps it.
    Failure ignored(0, std::string());
    RunCatchingFailure([&] { flags.defaultLook = Require(control).Get("Default").AsBoolean(); }, ignored);
    RunCatchingFailure(
        [&] {
            if (platform.GetFocus() == window) return;
            ObjectRef form = Require(control).Get("Parent").AsObject();
            ObjectRef active = Require(form).Get("ActiveControl").AsObject();
            if (Require(active).Get("Default").AsInteger() <= 0) flags.defaultLook = false;
        },
        ignored);
    return flags;
}

}  // namespace

ObjectRef pvPickPicture(const ObjectRef& preferred, const ObjectRef& fallback) {
    if (preferred && preferred->Get("Handle").AsInteger() != 0) return preferred;
    return fallback;
}

uint32_t pvTranslateColor(ThemePlatform& platform, int32_t color) {
    if (units::IsSystemColor(color)) return platform.GetSysColor(units::SystemColorIndex(color));
    // A plain value goes on whole, its top byte included: the module hands it to calls that take it
    // as it stands (the form runtime's own drawing keeps only the RGB bytes).
    return static_cast<uint32_t>(color);
}

int32_t pvHimetricToPixels(double himetric, float twipsPerPixel) {
    if (twipsPerPixel == 0.0f) throw Failure::DivisionByZero();
    return RoundHalfEvenToInt32((units::kTwipsPerInch / twipsPerPixel) * (himetric / units::kHimetricPerInch));
}

void pvDrawButton(mdXpThemeSupport& module, ScreenMetrics& screen, NativeHandle window, NativeHandle dc,
                  const ObjectRef& control) {
    ModuleTrap<mdXpThemeSupport> trap(module, "pvDrawButton");
    ThemePlatform& platform = module.Platform();
    const ButtonFlags flags = ReadFlags(trap, platform, window, control);

    // The state and its picture; the first test that holds wins, and a failed test runs its branch.
    int32_t state = push_button::kNormal;
    ObjectRef picture;
    bool disabled = true;
    trap.Step([&] { disabled = !Require(control).Get("Enabled").AsBoolean(); });
    if (disabled) {
        state = push_button::kDisabled;
        trap.Step([&] { picture = PreferredPicture(control, "DisabledPicture"); });
    } else if (flags.hot && !flags.heldDown) {
        state = push_button::kHot;
        trap.Step([&] {
            picture = flags.down ? PreferredPicture(control, "DownPicture") : PictureProperty(control, "Picture");
        });
    } else if (flags.down || flags.heldDown) {
        state = push_button::kPressed;
        trap.Step([&] { picture = PreferredPicture(control, "DownPicture"); });
    } else {
        state = (flags.focused || flags.defaultLook) ? push_button::kDefaulted : push_button::kNormal;
        trap.Step([&] { picture = PictureProperty(control, "Picture"); });
    }
    if (picture) {
        bool empty = true;
        trap.Step([&] { empty = picture->Get("Handle").AsInteger() == 0; });
        if (empty) picture.reset();  // from here on, no picture covers a missing one and an empty one
    }

    // Background around the button's shape, then the face.
    PlatformRect rect;
    NativeHandle theme = 0, region = 0;
    trap.Step([&] { rect = platform.GetClientRect(window); });
    trap.Step([&] { theme = platform.OpenThemeData(window, "BUTTON"); });
    trap.Step([&] { region = platform.GetThemeBackgroundRegion(theme, dc, push_button::kPart, state, rect); });
    trap.Step([&] { platform.ExtSelectClipRgn(dc, region, region_mode::kDiff); });
    bool parentFailed = true;
    trap.Step([&] { parentFailed = platform.DrawThemeParentBackground(window, dc, rect) != 0; });
    if (parentFailed) {
        trap.Step([&] {
            uint32_t back = pvTranslateColor(platform, Require(control).Get("BackColor").AsInteger());
            pvDrawRect(module, dc, 0, 0, rect.right, rect.bottom, back);
        });
    }
    trap.Step([&] { platform.ExtSelectClipRgn(dc, 0, region_mode::kCopy); });
    trap.Step([&] { platform.DeleteObject(region); });
    trap.Step([&] { platform.DrawThemeBackground(theme, dc, push_button::kPart, state, rect, rect); });
    trap.Step([&] { rect = platform.GetThemeBackgroundContentRect(theme, dc, push_button::kPart, state, rect); });
    if (flags.focused) trap.Step([&] { platform.DrawFocusRect(dc, rect); });

    // The caption, at the bottom when there is a picture above it.
    bool hasCaption = true;
    trap.Step([&] { hasCaption = !Require(control).Get("Caption").AsText().empty(); });
    if (hasCaption) {
        NativeHandle previousFont = 0;
        PlatformRect caption;
        trap.Step([&] {
            ObjectRef font = Require(control).Get("Font").AsObject();
            previousFont = platform.SelectObject(dc, AsHandle(Require(font).Get("hFont")));
        });
        trap.Step([&] { caption = rect; });
        trap.Step([&] {
            platform.DrawTextA(dc, Require(control).Get("Caption").AsText(), -1, caption, kDtCalcRectWordBreak);
        });
        trap.Step([&] { caption.left = rect.left; });
        trap.Step([&] { caption.right = rect.right; });
        const int32_t measuredBottom = caption.bottom;
        if (!picture) {
            trap.Step([&] {
                caption.top = RoundHalfEvenToInt32(CheckedSubtract(rect.bottom, measuredBottom) / 2.0 + 2);
            });
            trap.Step([&] { caption.bottom = CheckedAdd(measuredBottom, caption.top); });
        } else {
            trap.Step([&] { caption.top = CheckedAdd(CheckedSubtract(rect.bottom, measuredBottom), 1); });
            trap.Step([&] { caption.bottom = rect.bottom; });
        }
        trap.Step([&] {
            platform.DrawThemeText(theme, dc, push_button::kPart, state, Require(control).Get("Caption").AsText(), -1,
                                   kDtCenterWordBreak, 0, caption);
        });
        trap.Step([&] { platform.SelectObject(dc, previousFont); });
        trap.Step([&] { rect.bottom = caption.top; });  // the picture area: above the caption
    }
    trap.Step([&] { platform.CloseThemeData(theme); });

    if (!picture) return;
    int32_t width = 0, height = 0, left = 0, top = 0;
    const float twipsPerPixel = screen.TwipsPerPixelX();
    trap.Step([&] { width = pvHimetricToPixels(picture->Get("Width").AsDouble(), twipsPerPixel); });
    trap.Step([&] { height = pvHimetricToPixels(picture->Get("Height").AsDouble(), twipsPerPixel); });
    trap.Step([&] {
        left = RoundHalfEvenToInt32(CheckedSubtract(CheckedSubtract(rect.right, rect.left), width) / 2.0 + rect.left);
    });
    trap.Step([&] {
        top = RoundHalfEvenToInt32(CheckedSubtract(CheckedSubtract(rect.bottom, rect.top), height) / 2.0 + rect.top);
    });
    bool enabled = true;
    trap.Step([&] { enabled = Require(control).Get("Enabled").AsBoolean(); });
    if (enabled) {
        bool useMask = true;
        trap.Step([&] { useMask = Require(control).Get("UseMaskColor").AsBoolean(); });
        if (useMask) {
            trap.Step([&] {
                uint32_t mask = pvTranslateColor(platform, Require(control).Get("MaskColor").AsInteger());
                pvDrawTransparentPicture(module, picture, dc, left, top, width, height, mask, 0, 0, 0, 0);
            });
        } else {
            trap.Step([&] {
                // From the bottom edge with a negative height: HIMETRIC runs upwards, so this is upright.
                picture->Call("Render", {Value(static_cast<int32_t>(dc)), Value(left), Value(CheckedAdd(top, height)),
                                         Value(width), Value(-height), Value(int32_t{0}), Value(int32_t{0}),
                                         picture->Get("Width"), picture->Get("Height"), Value(int32_t{0})});
            });
        }
    } else {
        trap.Step([&] {
            uint32_t mask = pvTranslateColor(platform, Require(control).Get("MaskColor").AsInteger());
            pvDrawDisabledPicture(module, picture, dc, left, top, width, height, mask);
        });
    }
}

}  // namespace velkorin
