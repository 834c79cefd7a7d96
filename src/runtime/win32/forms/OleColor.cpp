#include "OleColor.h"

namespace velkorin::win32::forms {

COLORREF TranslateOleColor(int32_t color) {
    const uint32_t value = static_cast<uint32_t>(color);
    if (value & 0x80000000u) return GetSysColor(static_cast<int>(value & 0xFFu));
    return value & 0x00FFFFFFu;
}

}  // namespace velkorin::win32::forms
