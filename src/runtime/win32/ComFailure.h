#pragma once

#include <windows.h>
#include <oaidl.h>

#include <string>

#include "runtime/Failure.h"

namespace velkorin::win32 {

// The system's own message text for a code, trailing line ends removed; empty when it has none.
std::string SystemMessageText(DWORD code);

// A failing HRESULT that no component explained: its number (FailureNumberFromCode: the low word in
// the control facility, the signed value otherwise) and the system's text for it, or our own short
// text where the system has none.
Failure FailureFromHresult(HRESULT hr);

// A failing HRESULT that an object returned directly from a call on interface iid. When the object
// offers error information for that interface (ISupportErrorInfo, then GetErrorInfo), the
// description is the component's own; otherwise the system's text, as FailureFromHresult gives it.
Failure FailureFromCall(IUnknown* object, REFIID iid, HRESULT hr);

// A component's own failure (DISP_E_EXCEPTION): its number and its text as it gave them.
// Frees the strings the EXCEPINFO holds.
Failure FailureFromException(EXCEPINFO& info);

// A failed Win32 call, from GetLastError.
Failure FailureFromLastError();

}  // namespace velkorin::win32
