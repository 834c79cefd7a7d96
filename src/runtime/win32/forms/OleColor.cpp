#include "runtime/win32/forms/OleColor.h"

namespace velkorin::win32::forms {

COLORREF TranslateOleColor(int32_t color) {
    if (IsSystemColor(color)) return GetSysColor(SystemColorIndex(color));
    return static_cast<uint32_t>(color) & 0x00FFFFFFu;
}

}  // namespace velkorin::win32::forms
