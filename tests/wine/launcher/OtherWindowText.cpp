#include "wine/launcher/OtherWindowText.h"

namespace velkorin::launcher {

std::optional<size_t> OtherWindowTextLength(HWND hwnd, UINT timeoutMs) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(hwnd, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, timeoutMs, &length)) return std::nullopt;
    return static_cast<size_t>(length);
}

std::optional<std::wstring> OtherWindowText(HWND hwnd, UINT timeoutMs) {
    const std::optional<size_t> length = OtherWindowTextLength(hwnd, timeoutMs);
    if (!length) return std::nullopt;
    std::wstring text(*length + 1, L'\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]), SMTO_ABORTIFHUNG,
                             timeoutMs, &copied)) {
        return std::nullopt;
    }
    text.resize(copied);
    return text;
}

}  // namespace velkorin::launcher
