#include "xptheme/FixThemeSupport.h"

#include "runtime/Units.h"
#include "xptheme/ModuleTrap.h"

namespace velkorin {

namespace {

constexpr int32_t kGraphicalStyle = 1;

WindowHandle WindowOf(FormControl& control) {
    return WindowHandle(units::HandleFromLong(control.Get("hWnd").AsInteger()));
}

bool IsButtonKind(const FormControl& control) {
    return control.IsKindOf(control_kind::kCommandButton) || control.IsKindOf(control_kind::kOptionButton) ||
           control.IsKindOf(control_kind::kCheckBox);
}

}  // namespace

bool FixThemeSupport(mdXpThemeSupport& module, const ControlCollection& controls) {
    ModuleTrap<mdXpThemeSupport> trap(module, "FixThemeSupport");
    if (!module.IsComCtl6Loaded()) return false;
    ThemePlatform& platform = module.Platform();

    for (const FormControlRef& control : controls) {
        if (!control) continue;
        bool isFrame = false;
        bool isButton = false;
        trap.Step([&] { isFrame = control->IsKindOf(control_kind::kFrame); });
        if (isFrame) {
            trap.Step([&] { platform.SetWindowSubclass(WindowOf(*control), SubclassProcedure::RedirectFrame, 0, 0); });
            continue;
        }
        trap.Step([&] { isButton = IsButtonKind(*control); });
        if (!isButton) continue;  // labels, images, text boxes...: no property is read

        // A Style that cannot be read leaves the test failed, and a failed test runs what it guards.
        bool graphical = true;
        trap.Step([&] { graphical = control->Get("Style").AsInteger() == kGraphicalStyle; });
        if (!graphical) continue;
        trap.Step([&] {
            platform.SetWindowSubclass(WindowOf(*control), SubclassProcedure::RedirectButton, 0, IdentityOf(*control));
        });
    }
    return true;
}

}  // namespace velkorin
