#include "runtime/win32/forms/OleColor.h"

#include "runtime/Units.h"

namespace velkorin::win32::forms {

COLORREF TranslateOleColor(int32_t color) {
    if (units::IsSystemColor(color)) return GetSysColor(units::SystemColorIndex(color));
    // GDI reads a colour's top byte as a palette flag; a control's colour is plain RGB.
    return static_cast<uint32_t>(color) & 0x00FFFFFFu;
}

}  // namespace velkorin::win32::forms
