#pragma once

#include <windows.h>

namespace velkorin::win32::forms {

class Form;

// The keyboard rules of the forms that have shown (runtime/KeyboardRules.h), applied to each key
// before it is translated and dispatched, whichever loop takes it from the queue: a message hook of
// the thread, set while such a form exists. Every form lives on the one user-interface thread.
// Throws when the hook cannot be set.
void ApplyKeyboardRules(Form& form);
// The form is going: its keys are no longer looked at.
void StopKeyboardRules(const Form& form);

}  // namespace velkorin::win32::forms
