#pragma once

#include <windows.h>

#include "runtime/win32/ScopedHandles.h"
#include "runtime/win32/forms/WindowedControl.h"

namespace velkorin::win32::forms {

namespace label_alignment {
constexpr int32_t kLeft = 0;
constexpr int32_t kRight = 1;
constexpr int32_t kCenter = 2;
}  // namespace label_alignment

// A label: a caption that takes no focus. "Caption"; "Alignment" (fixed once the label is made);
// "ForeColor" and "BackColor" as OLE colours, a system colour followed whenever the label paints;
// "AutoSize", which fits the label to its caption on one line in its font; "MousePointer" and
// "MouseIcon"; "hWnd". A click (press and release on it) runs its Click event.
class LabelControl : public WindowedControl {
public:
    LabelControl(HWND hwnd, int32_t alignment, ObjectRef font);

    HBRUSH OnCtlColor(HDC dc) override;

private:
    void FitToCaption() const;
    void Redraw() const;

    int32_t alignment_;
    ObjectRef font_;
    int32_t foreColor_;
    int32_t backColor_;
    bool autoSize_ = false;
    GdiObject<HBRUSH> backBrush_;  // for a plain RGB back colour; system colours use the system's brush
};

}  // namespace velkorin::win32::forms
