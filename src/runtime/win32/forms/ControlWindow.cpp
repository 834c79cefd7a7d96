#include "runtime/win32/forms/ControlWindow.h"

#include "runtime/RegisteredMessage.h"
#include "runtime/win32/ComFailure.h"
#include "runtime/win32/forms/WindowLink.h"

namespace velkorin::win32::forms {

namespace {
// Posted by an accessibility client's default action to the control's window.
UINT DoDefaultActionMessage() {
    static const UINT message = RegisterWindowMessageW(L"Velkorin.DoDefaultAction");
    return message;
}
}  // namespace

ControlWindow::ControlWindow(HWND hwnd) : hwnd_(hwnd) {
    // One owner per window's user data: a window that is already an object's (a frame is its
    // FrameControl's) stays so, and that object answers for it.
    if (LinkedObject<void>(hwnd_)) throw Failure::InvalidCall();
    LinkWindow(hwnd_, this);
    original_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ControlWindow::WindowProc)));
    if (!original_) {
        UnlinkWindow(hwnd_);
        throw FailureFromLastError();
    }
}

ControlWindow::~ControlWindow() {
    if (IsWindow(hwnd_)) Restore();
}

// The original back only while this procedure is the window's: one put on top of it later would lose
// its place. The link goes either way, so that no message can reach this object once it is gone.
void ControlWindow::Restore() {
    if (GetWindowLongPtrW(hwnd_, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&ControlWindow::WindowProc)) {
        SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_));
    }
    UnlinkWindow(hwnd_);
}

bool ControlWindow::EndPress(LPARAM at) {
    const bool pressed = pressed_;
    pressed_ = false;
    if (GetCapture() == hwnd_) ReleaseCapture();
    RECT client = {};
    GetClientRect(hwnd_, &client);
    // Signed: while the control holds the mouse, a release left of or above it is negative.
    const POINT point = {static_cast<short>(LOWORD(at)), static_cast<short>(HIWORD(at))};
    return pressed && PtInRect(&client, point);
}

// A button clicks as the system clicks it; a link as a click on it. What it needs is read first:
// the click may close the form and take this object with it.
void ControlWindow::DoDefaultAction() {
    if (!look_) return;
    const AccessibleRole role = look_->role;
    if (role == AccessibleRole::PushButton) SendMessageW(hwnd_, BM_CLICK, 0, 0);
    else if (role == AccessibleRole::Link) Click();
}

void ControlWindow::Click() const {
    try {
        const std::function<void()> onClick = onClick_;  // this object may go with the click
        if (onClick) onClick();
    } catch (...) {
        // nothing leaves a window procedure
    }
}

LRESULT CALLBACK ControlWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = LinkedObject<ControlWindow>(hwnd);
    if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
    const WNDPROC original = self->original_;
    switch (message) {
    case WM_LBUTTONDOWN:  // a double click's second press is no new click
        if (!self->onClick_) break;
        self->pressed_ = true;
        SetCapture(hwnd);  // the release comes here wherever the pointer has gone
        break;
    case WM_LBUTTONUP: {
        if (!self->onClick_) break;
        const bool clicked = self->EndPress(lParam);
        const LRESULT result = CallWindowProcW(original, hwnd, message, wParam, lParam);
        if (clicked) self->Click();
        return result;
    }
    case WM_CAPTURECHANGED: self->pressed_ = false; break;
    case WM_NCDESTROY: self->Restore(); break;
    case WM_GETOBJECT:
        if (self->look_ && static_cast<LONG>(lParam) == OBJID_CLIENT) {
            if (const LRESULT answer = AnswerAccessibleObject(hwnd, *self->look_, DoDefaultActionMessage(), wParam)) {
                return answer;
            }
        }
        break;
    default:
        if (IsRegisteredMessage(message, DoDefaultActionMessage())) {
            self->DoDefaultAction();
            return 0;
        }
        break;
    }
    return CallWindowProcW(original, hwnd, message, wParam, lParam);
}

}  // namespace velkorin::win32::forms
