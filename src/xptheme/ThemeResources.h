#pragma once

#include "xptheme/ModuleTrap.h"
#include "xptheme/mdXpThemeSupport.h"

namespace velkorin {

using ThemeTrap = ModuleTrap<mdXpThemeSupport>;

// Something one call of the module takes from the platform and gives back before it returns: a
// device context, a GDI object, a selection, a visual-style handle. Taking and giving back are steps
// of the holding procedure's trap, so a failure of either is reported under that procedure's name.
// Giving back runs whatever taking gave, a null handle included, as the procedure's clean-up steps
// always run; guards declared in the order of taking give back in the reverse order.
template <class GiveBack>
class ThemeResource {
public:
    using Handle = typename GiveBack::Handle;

    // Takes by running `take` as a step; a failing one leaves the handle null. `owner` is the device
    // context a selection belongs to; other resources have none.
    template <class Taking>
    ThemeResource(ThemeTrap& trap, Taking take, DcHandle owner = {}) : trap_(trap), owner_(owner) {
        trap_.Step([&] { handle_ = take(); });
    }
    ThemeResource(const ThemeResource&) = delete;
    ThemeResource& operator=(const ThemeResource&) = delete;
    ~ThemeResource() { Release(); }

    Handle Get() const { return handle_; }
    // Gives back now rather than at the end of the scope; once only.
    void Release() {
        if (released_) return;
        released_ = true;
        trap_.Step([&] { GiveBack{}(trap_.Module().Platform(), owner_, handle_); });
    }

private:
    ThemeTrap& trap_;
    DcHandle owner_;
    Handle handle_;
    bool released_ = false;
};

namespace give_back {
struct ReleaseFromScreen {
    using Handle = DcHandle;
    void operator()(ThemePlatform& platform, DcHandle, DcHandle dc) const { platform.ReleaseDC({}, dc); }
};
struct DeleteMemoryDc {
    using Handle = DcHandle;
    void operator()(ThemePlatform& platform, DcHandle, DcHandle dc) const { platform.DeleteDC(dc); }
};
struct DeleteGdiObject {
    using Handle = GdiObjectHandle;
    void operator()(ThemePlatform& platform, DcHandle, GdiObjectHandle object) const {
        platform.DeleteObject(object);
    }
};
struct DeleteRegion {
    using Handle = RegionHandle;
    void operator()(ThemePlatform& platform, DcHandle, RegionHandle region) const {
        platform.DeleteObject(AsGdiObject(region));
    }
};
struct SelectBack {
    using Handle = GdiObjectHandle;
    void operator()(ThemePlatform& platform, DcHandle dc, GdiObjectHandle previous) const {
        platform.SelectObject(dc, previous);
    }
};
struct CloseThemeHandle {
    using Handle = ThemeHandle;
    void operator()(ThemePlatform& platform, DcHandle, ThemeHandle theme) const { platform.CloseThemeData(theme); }
};
}  // namespace give_back

// The screen's device context (GetDC of no window).
using ScreenDc = ThemeResource<give_back::ReleaseFromScreen>;
// A memory device context.
using MemoryDc = ThemeResource<give_back::DeleteMemoryDc>;
// A brush or a bitmap.
using GdiObjectGuard = ThemeResource<give_back::DeleteGdiObject>;
// A region.
using RegionGuard = ThemeResource<give_back::DeleteRegion>;
// An object selected into a device context: holds the one selected before, and selects it back.
using Selection = ThemeResource<give_back::SelectBack>;
// A visual-style handle.
using ThemeData = ThemeResource<give_back::CloseThemeHandle>;

}  // namespace velkorin
