#include "runtime/win32/MessagePreTranslation.h"

namespace velkorin::win32 {

UINT PreTranslateMessageId() {
    static const UINT id = RegisterWindowMessageW(L"Velkorin.PreTranslateMessage");
    return id;
}

bool PreTranslatedByRootWindow(const MSG& msg) {
    if (msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST || !msg.hwnd) return false;
    const HWND root = GetAncestor(msg.hwnd, GA_ROOT);
    return root && PreTranslateMessageId() != 0 &&
           SendMessageW(root, PreTranslateMessageId(), 0, reinterpret_cast<LPARAM>(&msg)) != 0;
}

}  // namespace velkorin::win32
