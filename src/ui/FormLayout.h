#pragma once

#include <cstdint>
#include <optional>

#include "runtime/AccessibleRole.h"

namespace velkorin {

// FrmMain's layout as designed, in twips from the top-left corner of the client area.
enum class ControlKind { TextBox, CommandButton, Image, Label };
// The pictures of the program's resources that an image shows.
enum class ControlPicture { None, Logo, ProgramIcon };

struct ControlLayout {
    const char* name;
    ControlKind kind;
    int32_t left, top, width, height;  // twips
    int32_t tabIndex;                  // -1: the control takes no part in tabbing
    const char* caption;               // UTF-8; nullptr for none
    int32_t controlId;
    bool centred = false;              // labels: the caption centred
    bool link = false;                 // opens a page: labels show the caption in the system highlight colour
    bool autoSize = false;             // labels: sized to the caption
    ControlPicture picture = ControlPicture::None;  // images
    bool handPointer = false;          // the hand cursor as custom mouse pointer

    // The looks a row asks for by name: Label(...).Link().AutoSize().
    constexpr ControlLayout Centred() const { return With(&ControlLayout::centred); }
    constexpr ControlLayout Link() const { return With(&ControlLayout::link); }
    constexpr ControlLayout AutoSize() const { return With(&ControlLayout::autoSize); }
    constexpr ControlLayout HandPointer() const { return With(&ControlLayout::handPointer); }
    constexpr ControlLayout Showing(ControlPicture shown) const {
        ControlLayout copy = *this;
        copy.picture = shown;
        return copy;
    }

private:
    constexpr ControlLayout With(bool ControlLayout::*look) const {
        ControlLayout copy = *this;
        copy.*look = true;
        return copy;
    }
};

struct PixelRect {
    int32_t left, top, width, height;
    bool operator==(const PixelRect& o) const {
        return left == o.left && top == o.top && width == o.width && height == o.height;
    }
};

namespace frm_main {
constexpr int32_t kClientWidthTwips = 4905;
constexpr int32_t kClientHeightTwips = 4935;
constexpr const char kCaption[] = "Velkorin";
constexpr const char kMakerPage[] = "https://www.facebook.com/Orlaquist";
constexpr const char kFontFace[] = "Verdana";
constexpr double kFontPoints = 6.75;
constexpr int32_t kFontWeight = 700;

constexpr int32_t kText1Id = 1001;
constexpr int32_t kCommand1Id = 1002;
constexpr int32_t kImage2Id = 1003;
constexpr int32_t kLabel4Id = 1004;
constexpr int32_t kImage1Id = 1005;
constexpr int32_t kLabel1Id = 1006;

// The controls in creation order, which is also the order of the window's collection of controls.
//                  name, kind, left, top, width, height (twips), tab index, caption, id; then its looks.
constexpr ControlLayout kControls[] = {
    {"Text1", ControlKind::TextBox, 60, 690, 4785, 3585, 2, nullptr, kText1Id},
    {"Command1", ControlKind::CommandButton, 3600, 4350, 1245, 525, 1, "Start Test", kCommand1Id},
    ControlLayout{"Image2", ControlKind::Image, 750, 4500, 240, 240, -1, nullptr, kImage2Id}
        .Showing(ControlPicture::Logo).Link().HandPointer(),
    ControlLayout{"Label4", ControlKind::Label, 1020, 4530, 2340, 180, 3, "Follow Orlaquist on Facebook", kLabel4Id}
        .Link().AutoSize().HandPointer(),
    ControlLayout{"Image1", ControlKind::Image, 60, 4380, 480, 480, -1, nullptr, kImage1Id}
        .Showing(ControlPicture::ProgramIcon),
    ControlLayout{"Label1", ControlKind::Label, 60, 90, 4785, 525, 0,
                  "This program will attempt to connect to test.mdb and log any problems it might have.", kLabel1Id}
        .Centred(),
};

// The controls that another one names to a screen reader: the log box by the sentence above it, the
// logo by the link it belongs to.
constexpr const char* kNamedBy[][2] = {{"Text1", "Label1"}, {"Image2", "Label4"}};
}  // namespace frm_main

// What a control of the layout is to a screen reader: a link (whatever its kind), the button, the
// box; nothing for the rest, which the system's proxies describe as what they show.
std::optional<AccessibleRole> AccessibleRoleOf(const ControlLayout& control);
// The control whose caption names it to a screen reader: its own, or the one that frm_main::kNamedBy gives.
const char* AccessibleNameSourceOf(const ControlLayout& control);

// Twips to pixels at the screen's twips per pixel, to the nearest pixel.
int32_t TwipsToPixels(int32_t twips, double twipsPerPixel);
PixelRect ToPixels(const ControlLayout& control, double twipsPerPixel);
// The screen's twips per pixel for its pixels per inch (1440 twips to the inch).
double TwipsPerPixel(int32_t pixelsPerInch);

}  // namespace velkorin
