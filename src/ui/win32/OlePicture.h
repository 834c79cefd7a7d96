#pragma once

#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include "ComPtr.h"

namespace velkorin::win32 {

// A standard OLE picture loaded from a resource of the program, drawn at its natural size.
class OlePicture {
public:
    // Loads the picture file held in RCDATA resource `id`; an empty picture when that fails.
    static OlePicture FromResource(HINSTANCE instance, int id);

    bool Empty() const { return !picture_; }
    SIZE PixelSize(HDC hdc) const;
    // Draws the picture with its top-left corner at (x, y). Transparent pixels are left untouched.
    void Render(HDC hdc, int x, int y) const;

private:
    ComPtr<IPicture> picture_;
};

}  // namespace velkorin::win32
