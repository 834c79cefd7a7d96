#pragma once
#include <windows.h>
#include <oleauto.h>
#include <string>

// Value formats in the record:
//   VT_EMPTY  VT_NULL  VT_I2 n  VT_I4 n  VT_R8 <%g>  VT_BOOL true|false
//   VT_BSTR "text" (no escaping)  VT_ERROR 0x%08X
//   VT_DISPATCH <our class name>|foreign|null  VT_UNKNOWN likewise
//   VT_<number> for any other type (number = the whole vt, decimal)
// A by-reference value prints "VT_BYREF|" followed by the inner form.

std::wstring HexCode(HRESULT code);
std::wstring FormatVariant(const VARIANT& value);

// Shallow copy with VT_BYREF resolved; borrows the caller's storage, so never clear it.
// Unsupported by-reference types come back unchanged.
VARIANT Deref(const VARIANT& value);
