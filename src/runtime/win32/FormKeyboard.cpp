#include "runtime/win32/FormKeyboard.h"

#include "runtime/KeyboardRules.h"

namespace velkorin::win32 {

namespace {

FocusedKind KindOf(HWND control) {
    wchar_t name[16] = L"";
    if (!control || !GetClassNameW(control, name, 16)) return FocusedKind::Other;
    if (lstrcmpiW(name, L"Edit") == 0) return FocusedKind::TextBox;
    if (lstrcmpiW(name, L"Button") != 0) return FocusedKind::Other;
    const LONG type = GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK;
    return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON ? FocusedKind::CommandButton : FocusedKind::Other;
}

void MoveFocus(HWND form, HWND focus, bool backwards) {
    // Tab stops in window order, which the form keeps in tab-index order; wraps around at either end.
    HWND next = GetNextDlgTabItem(form, IsChild(form, focus) ? focus : nullptr, backwards);
    if (next) SetFocus(next);
    // The keyboard is in use: focus rectangles show from now on, as after Tab in any dialog.
    SendMessageW(form, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
}

}  // namespace

bool HandleFormKey(HWND form, const MSG& msg) {
    if (msg.message != WM_KEYDOWN || !form || !IsWindow(form)) return false;
    if (msg.hwnd != form && !IsChild(form, msg.hwnd)) return false;
    KeyPress key;
    key.virtualKey = static_cast<uint32_t>(msg.wParam);
    key.shift = GetKeyState(VK_SHIFT) < 0;
    key.control = GetKeyState(VK_CONTROL) < 0;
    key.repeat = (msg.lParam & (1L << 30)) != 0;  // the key was already down
    const HWND focus = GetFocus();
    key.focused = KindOf(focus);
    switch (ActionForKey(key)) {
    case KeyAction::Deliver: return false;
    case KeyAction::Swallow: return true;
    case KeyAction::FocusNext: MoveFocus(form, focus, false); return true;
    case KeyAction::FocusPrevious: MoveFocus(form, focus, true); return true;
    case KeyAction::ClickFocused: SendMessageW(focus, BM_CLICK, 0, 0); return true;
    }
    return false;
}

}  // namespace velkorin::win32
