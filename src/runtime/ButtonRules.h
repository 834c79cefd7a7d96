#pragma once

#include <cstdint>

#include "runtime/Value.h"

namespace velkorin {

// The value rules of the form runtime's buttons, apart from their windows.
enum class ButtonKind { Command, Option, Check };

// "Value" as read: a command button's is true only while its Click runs; an option button's is a
// Boolean; a check box's is 0 (clear) or 1 (set).
Value ButtonValue(ButtonKind kind, int32_t value, bool clickRunning);

// What a write of "Value" does: true clicks a command button (false does nothing); an option button
// is set or cleared; a check box takes a Boolean, 0 or 1, and anything else is 380.
struct WrittenButtonValue {
    bool click = false;  // command buttons
    int32_t value = 0;   // option buttons and check boxes
};
WrittenButtonValue ButtonValueWritten(ButtonKind kind, const Value& written);

// A button as the one-choice rules see it: its kind, the window it sits in, and whether it is set
// (an option or check box) or the default (a command button).
struct ButtonPlace {
    ButtonKind kind;
    const void* container;
    bool set;
};
// Option buttons share one choice per container: setting `chosen` clears `other` where `other` is
// an option button of the same container that is set.
bool OptionClears(const ButtonPlace& chosen, const ButtonPlace& other);
// One default command button per form: a new default clears `other` where it is the default.
bool DefaultClears(const ButtonPlace& other);

}  // namespace velkorin
