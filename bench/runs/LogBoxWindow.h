#pragma once

#include <windows.h>

#include <memory>

#include "runtime/win32/forms/Form.h"

namespace velkorin::bench {

// A visible form whose one control is a log box as FrmMain lays out Text1: the form runtime's text
// box, its place and size, and the window's font.
class LogBoxWindow {
public:
    LogBoxWindow();

    // The box, or nothing when the window could not be made.
    std::shared_ptr<win32::forms::TextBoxControl> Box() const { return box_; }
    HWND Edit() const { return box_ ? box_->Hwnd() : nullptr; }

private:
    std::shared_ptr<win32::forms::Form> form_;
    std::shared_ptr<win32::forms::TextBoxControl> box_;
};

}  // namespace velkorin::bench
