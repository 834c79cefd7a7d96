#include "ui/FormLayout.h"

#include <cmath>
#include <cstring>

#include "runtime/Units.h"

namespace velkorin {

int32_t TwipsToPixels(int32_t twips, double twipsPerPixel) {
    if (twipsPerPixel <= 0) return 0;
    return static_cast<int32_t>(std::lround(twips / twipsPerPixel));
}

PixelRect ToPixels(const ControlLayout& control, double twipsPerPixel) {
    return {TwipsToPixels(control.left, twipsPerPixel), TwipsToPixels(control.top, twipsPerPixel),
            TwipsToPixels(control.width, twipsPerPixel), TwipsToPixels(control.height, twipsPerPixel)};
}

std::optional<AccessibleRole> AccessibleRoleOf(const ControlLayout& control) {
    if (control.link) return AccessibleRole::Link;
    if (control.kind == ControlKind::CommandButton) return AccessibleRole::PushButton;
    if (control.kind == ControlKind::TextBox) return AccessibleRole::Text;
    return std::nullopt;
}

const char* AccessibleNameSourceOf(const ControlLayout& control) {
    for (const auto& [named, by] : frm_main::kNamedBy) {
        if (std::strcmp(named, control.name) == 0) return by;
    }
    return control.name;
}

// A screen that cannot tell its density is laid out as at 96 dots per inch, the layout's own.
double TwipsPerPixel(int32_t pixelsPerInch) { return units::TwipsPerPixel(pixelsPerInch, 15.0); }

}  // namespace velkorin
