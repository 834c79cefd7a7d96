#pragma once

#include <windows.h>
#include <commctrl.h>
#include <shlwapi.h>

#include "BoundLibrary.h"

// The platform functions the program calls by name, one table per library, each bound at its first
// call so that a system without one of them still runs the program.

namespace velkorin::win32 {

struct Kernel32Library {
    BoundLibrary library{"kernel32"};
    using SetProcessDEPPolicyFn = BOOL(WINAPI*)(DWORD);
    using LoadLibraryAFn = HMODULE(WINAPI*)(LPCSTR);
    using OutputDebugStringAFn = void(WINAPI*)(LPCSTR);
    VELKORIN_BIND(SetProcessDEPPolicy);
    VELKORIN_BIND(LoadLibraryA);
    VELKORIN_BIND(OutputDebugStringA);
};

struct Shell32Library {
    BoundLibrary library{"shell32.dll"};
    using ShellExecuteAFn = HINSTANCE(WINAPI*)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);
    VELKORIN_BIND(ShellExecuteA);
};

struct Comctl32Library {
    BoundLibrary library{"comctl32.dll"};
    using DllGetVersionFn = HRESULT(CALLBACK*)(DLLVERSIONINFO*);
    using InitCommonControlsExFn = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
    using DefSubclassProcFn = LRESULT(WINAPI*)(HWND, UINT, WPARAM, LPARAM);
    VELKORIN_BIND(DllGetVersion);
    VELKORIN_BIND(InitCommonControlsEx);
    VELKORIN_BIND(DefSubclassProc);
};

struct User32Library {
    BoundLibrary library{"user32"};
    using DefWindowProcAFn = LRESULT(WINAPI*)(HWND, UINT, WPARAM, LPARAM);
    using GetPropAFn = HANDLE(WINAPI*)(HWND, LPCSTR);
    using SetPropAFn = BOOL(WINAPI*)(HWND, LPCSTR, HANDLE);
    using IsWindowVisibleFn = BOOL(WINAPI*)(HWND);
    VELKORIN_BIND(DefWindowProcA);
    VELKORIN_BIND(GetPropA);
    VELKORIN_BIND(SetPropA);
    VELKORIN_BIND(IsWindowVisible);
};

struct UxthemeLibrary {
    BoundLibrary library{"uxtheme"};
    using IsAppThemedFn = BOOL(WINAPI*)();
    using IsThemeActiveFn = BOOL(WINAPI*)();
    using GetThemeAppPropertiesFn = DWORD(WINAPI*)();
    VELKORIN_BIND(IsAppThemed);
    VELKORIN_BIND(IsThemeActive);
    VELKORIN_BIND(GetThemeAppProperties);
};

// The process-wide tables.
Kernel32Library& Kernel32();
Shell32Library& Shell32();
Comctl32Library& Comctl32();
User32Library& User32();
UxthemeLibrary& Uxtheme();

}  // namespace velkorin::win32
