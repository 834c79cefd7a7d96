#pragma once

#include <windows.h>

#include "runtime/win32/forms/WindowedControl.h"

namespace velkorin::win32::forms {

// An image: "Picture", drawn at its natural size from the top-left corner over the form's
// background, its transparent parts left out; "MousePointer" and "MouseIcon"; "hWnd". It takes no
// focus; a click (press and release on it) runs its Click event.
class ImageControl : public WindowedControl {
public:
    explicit ImageControl(HWND hwnd);

    bool OnDrawItem(const DRAWITEMSTRUCT& item) override;

private:
    ObjectRef picture_;
};

}  // namespace velkorin::win32::forms
