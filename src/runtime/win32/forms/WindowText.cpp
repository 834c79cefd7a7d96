#include "runtime/win32/forms/WindowText.h"

namespace velkorin::win32::forms {

WideText WideWindowText(HWND hwnd) {
    const int length = GetWindowTextLengthW(hwnd);
    if (length <= 0) return WideText();
    WideText text(static_cast<size_t>(length));
    const int copied = GetWindowTextW(hwnd, text.data(), length + 1);
    text.Truncate(copied > 0 ? static_cast<size_t>(copied) : 0);
    return text;
}

std::string WindowText(HWND hwnd) {
    const WideText text = WideWindowText(hwnd);
    return WideToUtf8(text.c_str(), static_cast<int>(text.size()));
}

}  // namespace velkorin::win32::forms
