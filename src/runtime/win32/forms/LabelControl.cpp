#include "runtime/win32/forms/LabelControl.h"

#include "runtime/win32/forms/FontObject.h"
#include "runtime/Units.h"
#include "runtime/win32/forms/OleColor.h"

namespace velkorin::win32::forms {

LabelControl::LabelControl(HWND hwnd, int32_t alignment, ObjectRef font)
    : WindowedControl(hwnd, std::string()),
      alignment_(alignment),
      font_(std::move(font)),
      foreColor_(ole_color::kButtonText),
      backColor_(ole_color::kButtonFace) {
    Front().FollowClicks([this] { RaiseClick(); });
    AddHandleProperty();
    AddCaptionProperty([this] {
        if (autoSize_) FitToCaption();
    });
    properties_.Add("Alignment", [this] { return Value(alignment_); });
    properties_.Add(
        "ForeColor", [this] { return Value(foreColor_); },
        [this](const Value& value) {
            foreColor_ = value.AsInteger();
            Redraw();
        });
    properties_.Add(
        "BackColor", [this] { return Value(backColor_); },
        [this](const Value& value) {
            backColor_ = value.AsInteger();
            backBrush_ = GdiObject<HBRUSH>();
            Redraw();
        });
    properties_.Add(
        "AutoSize", [this] { return Value(autoSize_); },
        [this](const Value& value) {
            autoSize_ = value.AsBoolean();
            if (autoSize_) FitToCaption();
        });
    AddPointerProperties();
}

HBRUSH LabelControl::OnCtlColor(HDC dc) {
    SetTextColor(dc, TranslateOleColor(foreColor_));
    const COLORREF back = TranslateOleColor(backColor_);
    SetBkColor(dc, back);
    if (units::IsSystemColor(backColor_)) return GetSysColorBrush(units::SystemColorIndex(backColor_));
    if (!backBrush_.get()) backBrush_ = GdiObject<HBRUSH>(CreateSolidBrush(back));
    return backBrush_.get();
}

void LabelControl::FitToCaption() const {
    // A memory DC like the screen's measures as the label's own would, at the same resolution and with
    // the same font selected, without the window's DC, which costs Wine more than the rest of the fit.
    MemoryDc dc(nullptr);
    SelectionGuard keepFont(dc.Get(), font_ ? FontHandleOf(*font_) : nullptr);
    const WideText caption = WideWindowText(Hwnd());
    RECT extent = {0, 0, 0, 0};
    DrawTextW(dc.Get(), caption.c_str(), -1, &extent, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    SetWindowPos(Hwnd(), nullptr, 0, 0, extent.right, extent.bottom, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void LabelControl::Redraw() const { InvalidateRect(Hwnd(), nullptr, TRUE); }

}  // namespace velkorin::win32::forms
