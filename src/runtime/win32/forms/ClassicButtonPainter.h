#pragma once

#include <windows.h>

#include <string>

#include "runtime/AutomationObject.h"
#include "runtime/win32/TextConversion.h"

namespace velkorin::win32::forms {

// What a graphical-style button shows when it draws itself, without visual styles.
struct ClassicButtonLook {
    WideText caption;
    HFONT font = nullptr;
    ObjectRef picture;        // the picture for the state, or none
    bool embossPicture = false;  // disabled, with no picture of its own for that
    bool enabled = true;
    bool pushed = false;      // held down, or a set option button or check box
    bool focused = false;
    bool defaultButton = false;
    COLORREF back = 0;
    bool useMaskColor = false;
    COLORREF mask = 0;
};

// A raised (or pushed) button face in the back colour, the caption at the bottom with the picture
// centred above it (the caption centred when there is no picture), and the focus rectangle.
void PaintClassicButton(HDC dc, const RECT& bounds, const ClassicButtonLook& look);

}  // namespace velkorin::win32::forms
