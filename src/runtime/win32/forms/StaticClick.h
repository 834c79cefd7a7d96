#pragma once

#include <windows.h>

#include <functional>

namespace velkorin::win32::forms {

// The click of a label or an image: a press and a release of the left button on the control, the
// pointer still over it at the release, as a push button clicks. The system's static control reports
// the press alone (STN_CLICKED, while the button is still down), so its window's own mouse messages
// are followed instead, the mouse held by the control from the press to the release. The window
// procedure is replaced rather than subclassed through comctl32, whose SetWindowSubclass Windows 2000
// exports by ordinal only; the original is put back when the window goes or this object does.
class StaticClick {
public:
    StaticClick(HWND hwnd, std::function<void()> onClick);
    ~StaticClick();
    StaticClick(const StaticClick&) = delete;
    StaticClick& operator=(const StaticClick&) = delete;

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    // Whether the release at `at` (client coordinates) ends a press on the control over it.
    bool EndPress(LPARAM at);
    void Restore();
    void Click() const;

    HWND hwnd_;
    WNDPROC original_ = nullptr;
    std::function<void()> onClick_;
    bool pressed_ = false;
};

}  // namespace velkorin::win32::forms
