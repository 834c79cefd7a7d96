#include "runtime/KeyboardRules.h"

namespace velkorin {

KeyAction ActionForKey(const KeyPress& key) {
    switch (key.virtualKey) {
    case virtual_key::kTab:
        // Ctrl+Tab as well: inside a multi-line text box it is the way out for some users.
        return key.shift ? KeyAction::FocusPrevious : KeyAction::FocusNext;
    case virtual_key::kEscape: return KeyAction::Swallow;
    case virtual_key::kReturn:
        if (key.focused == FocusedKind::TextBox) return KeyAction::Deliver;  // a new line
        if (key.focused == FocusedKind::CommandButton && !key.repeat && !key.control) return KeyAction::ClickFocused;
        return KeyAction::Swallow;  // no default button to press
    default: return KeyAction::Deliver;
    }
}

}  // namespace velkorin
