#pragma once

#include <windows.h>

#include <functional>
#include <optional>

#include "runtime/win32/forms/AccessibleControl.h"

namespace velkorin::win32::forms {

// The form runtime's own procedure in front of a system control's window (a label, an image, a text
// box, a button). It follows the mouse for the click of a label or an image: a press and a release
// of the left button on the control, the pointer still over it at the release, as a push button
// clicks (the system's static control reports the press alone, STN_CLICKED, while the button is
// still down), the mouse held by the control from the press to the release. And it answers
// accessibility clients for a control described to them. The window procedure is replaced rather
// than subclassed through comctl32, whose SetWindowSubclass Windows 2000 exports by ordinal only;
// the original is put back when the window goes or this object does.
class ControlWindow {
public:
    explicit ControlWindow(HWND hwnd);
    ~ControlWindow();
    ControlWindow(const ControlWindow&) = delete;
    ControlWindow& operator=(const ControlWindow&) = delete;

    // Clicks on the control run `onClick`.
    void FollowClicks(std::function<void()> onClick) { onClick_ = std::move(onClick); }
    // What accessibility clients are told of the control; its default action is what a click does.
    void Describe(const AccessibleLook& look) { look_ = look; }

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    // Whether the release at `at` (client coordinates) ends a press on the control over it.
    bool EndPress(LPARAM at);
    void DoDefaultAction();
    void Restore();
    void Click() const;

    HWND hwnd_;
    WNDPROC original_ = nullptr;
    std::function<void()> onClick_;
    bool pressed_ = false;
    std::optional<AccessibleLook> look_;
};

}  // namespace velkorin::win32::forms
