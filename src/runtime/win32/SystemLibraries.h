#pragma once

#include <windows.h>
#include <commctrl.h>
#include <oleacc.h>
#include <shlwapi.h>
#include <uxtheme.h>

#include "runtime/win32/BoundLibrary.h"
#include "runtime/win32/LibraryPolicy.h"

// The platform functions the program calls by name, one table per library, each bound at its first
// call so that a system without one of them still runs the program. Each library comes from where
// its row of LibraryPolicy.h says, never found through the program's own folder.

namespace velkorin::win32 {

struct Kernel32Library {
    BoundLibrary library{Trusted("kernel32")};
    using SetProcessDEPPolicyFn = BOOL(WINAPI*)(DWORD);
    using OutputDebugStringAFn = void(WINAPI*)(LPCSTR);
    using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);
    using SetDllDirectoryAFn = BOOL(WINAPI*)(LPCSTR);
    VELKORIN_BIND(SetProcessDEPPolicy);
    VELKORIN_BIND(OutputDebugStringA);
    VELKORIN_BIND(SetDefaultDllDirectories);
    VELKORIN_BIND(SetDllDirectoryA);
};

struct Shell32Library {
    BoundLibrary library{Trusted("shell32.dll")};
    using ShellExecuteAFn = HINSTANCE(WINAPI*)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);
    VELKORIN_BIND(ShellExecuteA);
};

struct Comctl32Library {
    BoundLibrary library{Trusted("comctl32.dll")};
    using DllGetVersionFn = HRESULT(CALLBACK*)(DLLVERSIONINFO*);
    using InitCommonControlsExFn = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
    using DefSubclassProcFn = LRESULT(WINAPI*)(HWND, UINT, WPARAM, LPARAM);
    using SetWindowSubclassFn = BOOL(WINAPI*)(HWND, SUBCLASSPROC, UINT_PTR, DWORD_PTR);
    VELKORIN_BIND(DllGetVersion);
    VELKORIN_BIND(InitCommonControlsEx);
    VELKORIN_BIND(DefSubclassProc);
    VELKORIN_BIND(SetWindowSubclass);
};

struct User32Library {
    BoundLibrary library{Trusted("user32")};
    using DefWindowProcAFn = LRESULT(WINAPI*)(HWND, UINT, WPARAM, LPARAM);
    using GetPropAFn = HANDLE(WINAPI*)(HWND, LPCSTR);
    using SetPropAFn = BOOL(WINAPI*)(HWND, LPCSTR, HANDLE);
    using IsWindowVisibleFn = BOOL(WINAPI*)(HWND);
    using GetDCFn = HDC(WINAPI*)(HWND);
    using ReleaseDCFn = int(WINAPI*)(HWND, HDC);
    using FillRectFn = int(WINAPI*)(HDC, const RECT*, HBRUSH);
    using DrawStateAFn = BOOL(WINAPI*)(HDC, HBRUSH, DRAWSTATEPROC, LPARAM, WPARAM, int, int, int, int, UINT);
    using SendMessageAFn = LRESULT(WINAPI*)(HWND, UINT, WPARAM, LPARAM);
    using GetFocusFn = HWND(WINAPI*)();
    using BeginPaintFn = HDC(WINAPI*)(HWND, PAINTSTRUCT*);
    using EndPaintFn = BOOL(WINAPI*)(HWND, const PAINTSTRUCT*);
    using TrackMouseEventFn = BOOL(WINAPI*)(TRACKMOUSEEVENT*);
    using InvalidateRectFn = BOOL(WINAPI*)(HWND, const RECT*, BOOL);
    using ValidateRectFn = BOOL(WINAPI*)(HWND, const RECT*);
    using InvalidateRgnFn = BOOL(WINAPI*)(HWND, HRGN, BOOL);
    using GetSysColorFn = DWORD(WINAPI*)(int);
    using GetClientRectFn = BOOL(WINAPI*)(HWND, RECT*);
    using DrawFocusRectFn = BOOL(WINAPI*)(HDC, const RECT*);
    using DrawTextAFn = int(WINAPI*)(HDC, LPCSTR, int, RECT*, UINT);
    VELKORIN_BIND(DefWindowProcA);
    VELKORIN_BIND(GetPropA);
    VELKORIN_BIND(SetPropA);
    VELKORIN_BIND(IsWindowVisible);
    VELKORIN_BIND(GetDC);
    VELKORIN_BIND(ReleaseDC);
    VELKORIN_BIND(FillRect);
    VELKORIN_BIND(DrawStateA);
    VELKORIN_BIND(SendMessageA);
    VELKORIN_BIND(GetFocus);
    VELKORIN_BIND(BeginPaint);
    VELKORIN_BIND(EndPaint);
    VELKORIN_BIND(TrackMouseEvent);
    VELKORIN_BIND(InvalidateRect);
    VELKORIN_BIND(ValidateRect);
    VELKORIN_BIND(InvalidateRgn);
    VELKORIN_BIND(GetSysColor);
    VELKORIN_BIND(GetClientRect);
    VELKORIN_BIND(DrawFocusRect);
    VELKORIN_BIND(DrawTextA);
};

struct Gdi32Library {
    BoundLibrary library{Trusted("gdi32")};
    using CreateSolidBrushFn = HBRUSH(WINAPI*)(COLORREF);
    using CreateCompatibleDCFn = HDC(WINAPI*)(HDC);
    using CreateCompatibleBitmapFn = HBITMAP(WINAPI*)(HDC, int, int);
    using SelectObjectFn = HGDIOBJ(WINAPI*)(HDC, HGDIOBJ);
    using DeleteObjectFn = BOOL(WINAPI*)(HGDIOBJ);
    using DeleteDCFn = BOOL(WINAPI*)(HDC);
    using ExtSelectClipRgnFn = int(WINAPI*)(HDC, HRGN, int);
    VELKORIN_BIND(CreateSolidBrush);
    VELKORIN_BIND(CreateCompatibleDC);
    VELKORIN_BIND(CreateCompatibleBitmap);
    VELKORIN_BIND(SelectObject);
    VELKORIN_BIND(DeleteObject);
    VELKORIN_BIND(DeleteDC);
    VELKORIN_BIND(ExtSelectClipRgn);
};

struct Msimg32Library {
    BoundLibrary library{Trusted("msimg32")};
    using TransparentBltFn = BOOL(WINAPI*)(HDC, int, int, int, int, HDC, int, int, int, int, UINT);
    VELKORIN_BIND(TransparentBlt);
};

struct UxthemeLibrary {
    BoundLibrary library{Trusted("uxtheme")};
    using IsAppThemedFn = BOOL(WINAPI*)();
    using IsThemeActiveFn = BOOL(WINAPI*)();
    using GetThemeAppPropertiesFn = DWORD(WINAPI*)();
    using OpenThemeDataFn = HTHEME(WINAPI*)(HWND, LPCWSTR);
    using CloseThemeDataFn = HRESULT(WINAPI*)(HTHEME);
    using GetThemeBackgroundRegionFn = HRESULT(WINAPI*)(HTHEME, HDC, int, int, const RECT*, HRGN*);
    using DrawThemeParentBackgroundFn = HRESULT(WINAPI*)(HWND, HDC, const RECT*);
    using DrawThemeBackgroundFn = HRESULT(WINAPI*)(HTHEME, HDC, int, int, const RECT*, const RECT*);
    using GetThemeBackgroundContentRectFn = HRESULT(WINAPI*)(HTHEME, HDC, int, int, const RECT*, RECT*);
    using DrawThemeTextFn = HRESULT(WINAPI*)(HTHEME, HDC, int, int, LPCWSTR, int, DWORD, DWORD, const RECT*);
    VELKORIN_BIND(IsAppThemed);
    VELKORIN_BIND(IsThemeActive);
    VELKORIN_BIND(GetThemeAppProperties);
    VELKORIN_BIND(OpenThemeData);
    VELKORIN_BIND(CloseThemeData);
    VELKORIN_BIND(GetThemeBackgroundRegion);
    VELKORIN_BIND(DrawThemeParentBackground);
    VELKORIN_BIND(DrawThemeBackground);
    VELKORIN_BIND(GetThemeBackgroundContentRect);
    VELKORIN_BIND(DrawThemeText);
};

struct OleaccLibrary {
    BoundLibrary library{Trusted("oleacc.dll")};
    using CreateStdAccessibleObjectFn = HRESULT(WINAPI*)(HWND, LONG, REFIID, void**);
    using LresultFromObjectFn = LRESULT(WINAPI*)(REFIID, WPARAM, LPUNKNOWN);
    VELKORIN_BIND(CreateStdAccessibleObject);
    VELKORIN_BIND(LresultFromObject);
};

// The process-wide table of each library, made at its first use.
template <class Library>
Library& TableOf() {
    static Library table;
    return table;
}
inline Kernel32Library& Kernel32() { return TableOf<Kernel32Library>(); }
inline Shell32Library& Shell32() { return TableOf<Shell32Library>(); }
inline Comctl32Library& Comctl32() { return TableOf<Comctl32Library>(); }
inline User32Library& User32() { return TableOf<User32Library>(); }
inline Gdi32Library& Gdi32() { return TableOf<Gdi32Library>(); }
inline Msimg32Library& Msimg32() { return TableOf<Msimg32Library>(); }
inline UxthemeLibrary& Uxtheme() { return TableOf<UxthemeLibrary>(); }
inline OleaccLibrary& Oleacc() { return TableOf<OleaccLibrary>(); }

}  // namespace velkorin::win32
