#pragma once

namespace velkorin {

// A message the program registers by name is told by its number, and the system answers 0 where it
// cannot register one. 0 is WM_NULL, which anybody may send: it is never taken for such a message.
constexpr bool IsRegisteredMessage(unsigned message, unsigned registered) {
    return registered != 0 && message == registered;
}

}  // namespace velkorin
