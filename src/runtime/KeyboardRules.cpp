#include "runtime/KeyboardRules.h"

namespace velkorin {

namespace {

KeyAction ActionForEnter(const KeyPress& key) {
    if (key.focused == FocusedKind::TextBox && (key.control || !key.defaultButton)) return KeyAction::Deliver;
    if (key.repeat || key.control) return KeyAction::Swallow;  // held down: one click
    if (key.focused == FocusedKind::CommandButton) return KeyAction::ClickFocused;
    return key.defaultButton ? KeyAction::ClickDefault : KeyAction::Swallow;
}

}  // namespace

KeyAction ActionForKey(const KeyPress& key) {
    switch (key.virtualKey) {
    case virtual_key::kTab:
        // Ctrl+Tab as well: inside a multi-line text box it is the way out for some users.
        return key.shift ? KeyAction::FocusPrevious : KeyAction::FocusNext;
    case virtual_key::kEscape: return KeyAction::Swallow;
    case virtual_key::kReturn: return ActionForEnter(key);
    default: return KeyAction::Deliver;
    }
}

}  // namespace velkorin
