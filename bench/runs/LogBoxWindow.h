#pragma once

#include <windows.h>

#include "GdiObject.h"

namespace velkorin::bench {

// A visible window whose one child is a log box as FrmMain lays out Text1: its style, its place and
// size, and the window's font.
class LogBoxWindow {
public:
    explicit LogBoxWindow(HINSTANCE instance);
    ~LogBoxWindow();
    LogBoxWindow(const LogBoxWindow&) = delete;
    LogBoxWindow& operator=(const LogBoxWindow&) = delete;
    HWND Edit() const { return edit_; }

private:
    HINSTANCE instance_;
    HWND form_ = nullptr;
    HWND edit_ = nullptr;
    win32::GdiObject<HFONT> font_;
};

}  // namespace velkorin::bench
