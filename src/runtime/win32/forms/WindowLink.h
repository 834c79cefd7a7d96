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

// The object behind a window of one of the runtime's own classes. Such a window is made with its
// object as the creation parameter and linked at its first message that carries it, WM_NCCREATE,
// so that the object sees its window's whole life, WM_CREATE included. The object learns its
// window there (`Attach`), before CreateWindowExW returns.
template <class Object>
Object* ObjectForMessage(HWND hwnd, UINT message, LPARAM lParam) {
    if (message != WM_NCCREATE) return LinkedObject<Object>(hwnd);
    auto* object = static_cast<Object*>(reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams);
    if (!object || LinkedObject<void>(hwnd)) return nullptr;
    LinkWindow(hwnd, object);
    object->Attach(hwnd);
    return object;
}

}  // namespace velkorin::win32::forms
