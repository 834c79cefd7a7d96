#include "runtime/win32/forms/StaticClick.h"

#include "runtime/win32/ComFailure.h"
#include "runtime/win32/forms/WindowLink.h"

namespace velkorin::win32::forms {

StaticClick::StaticClick(HWND hwnd, std::function<void()> onClick) : hwnd_(hwnd), onClick_(std::move(onClick)) {
    LinkWindow(hwnd_, this);
    original_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&StaticClick::WindowProc)));
    if (!original_) {
        UnlinkWindow(hwnd_);
        throw FailureFromLastError();
    }
}

StaticClick::~StaticClick() {
    if (IsWindow(hwnd_)) Restore();
}

// Only while this procedure is the window's: one put on top of it later would lose its place.
void StaticClick::Restore() {
    if (GetWindowLongPtrW(hwnd_, GWLP_WNDPROC) != reinterpret_cast<LONG_PTR>(&StaticClick::WindowProc)) return;
    SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_));
    UnlinkWindow(hwnd_);
}

bool StaticClick::EndPress(LPARAM at) {
    const bool pressed = pressed_;
    pressed_ = false;
    if (GetCapture() == hwnd_) ReleaseCapture();
    RECT client = {};
    GetClientRect(hwnd_, &client);
    // Signed: while the control holds the mouse, a release left of or above it is negative.
    const POINT point = {static_cast<short>(LOWORD(at)), static_cast<short>(HIWORD(at))};
    return pressed && PtInRect(&client, point);
}

void StaticClick::Click() const {
    try {
        if (onClick_) onClick_();
    } catch (...) {
        // nothing leaves a window procedure
    }
}

LRESULT CALLBACK StaticClick::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = LinkedObject<StaticClick>(hwnd);
    if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
    const WNDPROC original = self->original_;
    switch (message) {
    case WM_LBUTTONDOWN:  // a double click's second press is no new click
        self->pressed_ = true;
        SetCapture(hwnd);  // the release comes here wherever the pointer has gone
        break;
    case WM_LBUTTONUP: {
        const bool clicked = self->EndPress(lParam);
        const LRESULT result = CallWindowProcW(original, hwnd, message, wParam, lParam);
        if (clicked) self->Click();
        return result;
    }
    case WM_CAPTURECHANGED: self->pressed_ = false; break;
    case WM_NCDESTROY: self->Restore(); break;
    default: break;
    }
    return CallWindowProcW(original, hwnd, message, wParam, lParam);
}

}  // namespace velkorin::win32::forms
