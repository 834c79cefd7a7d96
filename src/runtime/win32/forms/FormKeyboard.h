#pragma once

#include <windows.h>

#include <memory>

#include "runtime/FormControl.h"
#include "runtime/win32/forms/ButtonControl.h"

namespace velkorin::win32::forms {

// The keyboard rules of a form that has shown (runtime/KeyboardRules.h), applied to a key that the
// event loop offers the form before translating and dispatching it: `focused` is the form's control
// that has the focus, if any, and `defaultButton` its enabled, visible default command button, if
// any. Returns whether the key was dealt with here and must go no further.
bool ApplyKeyboardRules(HWND form, const FormControlRef& focused, const std::shared_ptr<ButtonControl>& defaultButton,
                        const MSG& msg);

}  // namespace velkorin::win32::forms
