#pragma once

#include <cstdint>

namespace velkorin {

// What a form does with a key pressed in it. A form of the toolkit has no dialog manager: Tab moves
// the focus between the controls that take it, Escape means nothing without a cancel button, and
// Enter clicks a focused command button, or else the form's default command button. In a
// multi-line text box Enter types a new line when the form has no default button; with one, Enter
// clicks it and Ctrl+Enter types the new line.
enum class KeyAction {
    Deliver,        // the focused control gets the key as usual
    Swallow,        // nobody gets it
    FocusNext,      // the next control in tab order, wrapping around
    FocusPrevious,  // the previous one, wrapping around
    ClickFocused,   // the focused command button is clicked, once
    ClickDefault,   // the form's default command button is clicked, once
};

// The kinds of focused control the rules tell apart.
enum class FocusedKind { Other, CommandButton, TextBox };  // TextBox: a multi-line one

namespace virtual_key {
constexpr uint32_t kTab = 0x09;
constexpr uint32_t kReturn = 0x0D;
constexpr uint32_t kEscape = 0x1B;
}  // namespace virtual_key

struct KeyPress {
    uint32_t virtualKey = 0;
    bool shift = false;
    bool control = false;
    bool repeat = false;  // auto-repeat of a key held down
    FocusedKind focused = FocusedKind::Other;
    bool defaultButton = false;  // the form has a default command button that can be clicked
};

KeyAction ActionForKey(const KeyPress& key);

}  // namespace velkorin
