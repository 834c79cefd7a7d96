#pragma once

#include <windows.h>

#include <memory>

#include "common/CallTime.h"
#include "runtime/win32/ScopedHandles.h"
#include "paint/PropertyControl.h"

namespace velkorin::bench {

// The looks of a graphical command button that the bench paints.
enum class Look {
    Caption,            // normal, caption only
    CaptionAndPicture,  // normal, caption under a 32x32 picture with a mask colour
    Hot,                // the mouse on it: its "Hot" flag set
    Pressed,            // Value true: the down picture
    Disabled,           // Enabled false: the picture embossed
};
inline constexpr Look kAllLooks[] = {Look::Caption, Look::CaptionAndPicture, Look::Hot, Look::Pressed, Look::Disabled};
const char* LookName(Look look);

// A visible window holding one push button, with its font, its pictures and the control object
// that describes it; everything is released with the fixture.
class ButtonFixture {
public:
    explicit ButtonFixture(HINSTANCE instance);
    ~ButtonFixture();
    ButtonFixture(const ButtonFixture&) = delete;
    ButtonFixture& operator=(const ButtonFixture&) = delete;

    bool Ready() const { return button_ && control_; }
    HWND Button() const { return button_; }
    // Sets the control's properties and the window's "Hot" flag for a look and returns the control.
    ObjectRef Apply(Look look);
    // Every late-bound call on the button's pictures so far.
    const CallTime& PictureCalls() const { return pictureCalls_; }

private:
    HINSTANCE instance_;
    HWND form_ = nullptr;
    HWND button_ = nullptr;
    win32::GdiObject<HFONT> font_;
    CallTime pictureCalls_;
    ObjectRef picture_, downPicture_, emptyPicture_;
    std::shared_ptr<PropertyControl> control_;
};

}  // namespace velkorin::bench
