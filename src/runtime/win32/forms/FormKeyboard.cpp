#include "runtime/win32/forms/FormKeyboard.h"

#include "runtime/KeyboardRules.h"
#include "runtime/win32/forms/TextBoxControl.h"

namespace velkorin::win32::forms {

namespace {

// The control object decides, not the window's style: a graphical command button is owner-drawn.
FocusedKind KindOf(const FormControl* focused) {
    if (!focused) return FocusedKind::Other;
    if (focused->IsKindOf(control_kind::kCommandButton)) return FocusedKind::CommandButton;
    auto* box = dynamic_cast<const TextBoxControl*>(focused);
    return box && box->MultiLine() ? FocusedKind::TextBox : FocusedKind::Other;
}

void MoveFocus(HWND form, HWND focus, bool backwards) {
    // Tab stops in window order, which the form keeps in tab-index order; wraps around at either end.
    HWND next = GetNextDlgTabItem(form, IsChild(form, focus) ? focus : nullptr, backwards);
    if (next) SetFocus(next);
    // The keyboard is in use: focus rectangles show from now on, as after Tab in any dialog.
    SendMessageW(form, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
}

void Click(const FormControlRef& control) {
    if (auto* button = dynamic_cast<ButtonControl*>(control.get())) button->OnClicked();
}

}  // namespace

bool ApplyKeyboardRules(HWND form, const FormControlRef& focused, const std::shared_ptr<ButtonControl>& defaultButton,
                        const MSG& msg) {
    if (msg.message != WM_KEYDOWN) return false;
    KeyPress key;
    key.virtualKey = static_cast<uint32_t>(msg.wParam);
    key.shift = GetKeyState(VK_SHIFT) < 0;
    key.control = GetKeyState(VK_CONTROL) < 0;
    key.repeat = (msg.lParam & (1L << 30)) != 0;  // the key was already down
    key.focused = KindOf(focused.get());
    key.defaultButton = defaultButton != nullptr;
    switch (ActionForKey(key)) {
    case KeyAction::Deliver: return false;
    case KeyAction::Swallow: return true;
    case KeyAction::FocusNext: MoveFocus(form, GetFocus(), false); return true;
    case KeyAction::FocusPrevious: MoveFocus(form, GetFocus(), true); return true;
    case KeyAction::ClickFocused: Click(focused); return true;
    case KeyAction::ClickDefault: Click(defaultButton); return true;
    }
    return false;
}

}  // namespace velkorin::win32::forms
