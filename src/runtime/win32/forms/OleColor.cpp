#include "runtime/win32/forms/OleColor.h"

#include "runtime/Units.h"

namespace velkorin::win32::forms {

COLORREF TranslateOleColor(int32_t color) {
    // GDI reads a colour's top byte as a palette flag; a control's colour is plain RGB.
    return units::ColorOfOleColor(color, [](int32_t index) { return GetSysColor(index); }) & 0x00FFFFFFu;
}

}  // namespace velkorin::win32::forms
