#pragma once

#include <windows.h>

#include <string>

#include "runtime/win32/forms/WindowedControl.h"

namespace velkorin::win32::forms {

// A text box: "Text", read and written whole (text that only extends what the box holds is added at
// its end, so a growing log costs a line, not the whole box, per line); "SelStart", the caret's
// position in UTF-16 units, which brings the caret into view when written; "MultiLine", fixed when
// the box is made; "hWnd" and "Enabled". Once its window is gone, every property fails with 364.
class TextBoxControl : public WindowedControl {
public:
    TextBoxControl(HWND hwnd, bool multiLine);

    bool MultiLine() const { return multiLine_; }

private:
    HWND Window() const;
    std::string ReadText() const;
    void WriteText(const std::string& text) const;
    void WriteSelStart(int32_t position) const;
    int32_t ReadSelStart() const;

    bool multiLine_;
};

}  // namespace velkorin::win32::forms
