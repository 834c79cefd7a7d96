#pragma once

#include <windows.h>

#include "EditLogBox.h"

namespace velkorin::bench {

// Text1 as an edit control that is appended to rather than rewritten whenever the new text is the
// old text plus more: the content is the same, only the way it gets there differs. Measured beside
// the real log box to show what a whole rewrite costs.
class AppendingLogBox : public LogBox {
public:
    explicit AppendingLogBox(HWND edit) : edit_(edit) { plain_.Attach(edit); }

    std::string Text() override { return plain_.Text(); }
    void SetText(const std::string& text) override;
    void SetSelStart(int32_t position) override { plain_.SetSelStart(position); }

private:
    HWND edit_;
    win32::EditLogBox plain_;
};

}  // namespace velkorin::bench
