#pragma once

#include <windows.h>

namespace velkorin::win32::forms {

// How every window procedure of the form runtime finds the object behind its window: the object's
// address in the window's user data, linked once the window exists and cleared when the window
// goes (WM_NCDESTROY) or the object does. Before the link and after it, messages get the default
// procedure.
template <class Object>
void LinkWindow(HWND hwnd, Object* object) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(object));
}
template <class Object>
Object* LinkedObject(HWND hwnd) {
    return reinterpret_cast<Object*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}
inline void UnlinkWindow(HWND hwnd) { SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0); }

}  // namespace velkorin::win32::forms
