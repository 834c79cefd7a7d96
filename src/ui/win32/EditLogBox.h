#pragma once

#include <windows.h>

#include "LogBox.h"

namespace velkorin::win32 {

// Text1 as the self-test sees it: a multi-line edit control, read whole and written whole or, when
// the new text only extends the old, by adding the rest at its end.
class EditLogBox : public LogBox {
public:
    void Attach(HWND edit) { edit_ = edit; }

    std::string Text() override;
    void SetText(const std::string& text) override;
    void SetSelStart(int32_t position) override;

private:
    HWND Window() const;
    HWND edit_ = nullptr;
};

}  // namespace velkorin::win32
