#include "runtime/win32/forms/FrameControl.h"

#include "runtime/win32/ComFailure.h"
#include "runtime/win32/ScopedHandles.h"
#include "runtime/win32/forms/FontObject.h"
#include "runtime/win32/forms/OleColor.h"
#include "runtime/win32/forms/WindowClass.h"
#include "runtime/win32/forms/WindowLink.h"

namespace velkorin::win32::forms {

namespace {

constexpr int kCaptionLeft = 8;
constexpr int kCaptionMargin = 2;

bool IsForwardedToParent(UINT message) {
    switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC: return true;
    default: return false;
    }
}

HGDIOBJ FontOf(const ObjectRef& font) {
    try {
        if (font) return FontHandleOf(*font);
    } catch (const Failure&) {
        // a font object that cannot tell its GDI font: the caption still shows
    }
    return GetStockObject(DEFAULT_GUI_FONT);
}

}  // namespace

void FrameControl::RegisterWindowClass() {
    forms::RegisterWindowClass(kClassName, &FrameControl::WindowProc, nullptr);
}

FrameControl::FrameControl(std::weak_ptr<ControlSite> site, ObjectRef font)
    : WindowedControl(nullptr, control_kind::kFrame, std::move(site)),
      font_(std::move(font)),
      backColor_(ole_color::kButtonFace) {
    AddHandleProperty();
    AddEnabledProperty();
    AddCaptionProperty([this] { InvalidateRect(Hwnd(), nullptr, TRUE); });
    properties_.Add(
        "BackColor", [this] { return Value(backColor_); },
        [this](const Value& value) {
            backColor_ = value.AsInteger();
            InvalidateRect(Hwnd(), nullptr, TRUE);
        });
    properties_.Add(
        "Font", [this] { return Value(font_); },
        [this](const Value& value) {
            ObjectRef chosen = value.AsObject();
            if (!chosen) throw Failure::InvalidPropertyValue();
            FontHandleOf(*chosen);  // a font object, or the write fails here
            font_ = std::move(chosen);
            InvalidateRect(Hwnd(), nullptr, TRUE);
        });
    AddParentProperty();
}

FrameControl::~FrameControl() {
    if (Hwnd() && IsWindow(Hwnd()) && LinkedObject<FrameControl>(Hwnd()) == this) UnlinkWindow(Hwnd());
}

void FrameControl::EraseBackground(HDC dc) const {
    RECT client = {};
    GetClientRect(Hwnd(), &client);
    GdiObject<HBRUSH> back(CreateSolidBrush(TranslateOleColor(backColor_)));
    FillRect(dc, &client, back.get());
}

void FrameControl::Paint(HDC dc) const {
    RECT client = {};
    GetClientRect(Hwnd(), &client);
    SelectionGuard font(dc, FontOf(font_));
    TEXTMETRICW metrics = {};
    GetTextMetricsW(dc, &metrics);

    RECT border = client;
    border.top = metrics.tmHeight / 2;  // the line runs through the middle of the caption
    DrawEdge(dc, &border, EDGE_ETCHED, BF_RECT);

    const WideText caption = WideWindowText(Hwnd());
    if (caption.empty()) return;
    RECT text = {kCaptionLeft, 0, client.right - kCaptionLeft, metrics.tmHeight};
    DrawTextW(dc, caption.c_str(), -1, &text, DT_SINGLELINE | DT_CALCRECT);
    RECT gap = {text.left - kCaptionMargin, 0, text.right + kCaptionMargin, text.bottom};
    GdiObject<HBRUSH> back(CreateSolidBrush(TranslateOleColor(backColor_)));
    FillRect(dc, &gap, back.get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(IsWindowEnabled(Hwnd()) ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    DrawTextW(dc, caption.c_str(), -1, &text, DT_SINGLELINE);
}

LRESULT CALLBACK FrameControl::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (IsForwardedToParent(message)) return SendMessageW(GetParent(hwnd), message, wParam, lParam);
    auto* self = ObjectForMessage<FrameControl>(hwnd, message, lParam);
    if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
    try {
        switch (message) {
        case WM_ERASEBKGND: self->EraseBackground(reinterpret_cast<HDC>(wParam)); return 1;
        case WM_PAINT: {
            PaintDc dc(hwnd);
            self->Paint(dc.Get());
            return 0;
        }
        case WM_PRINTCLIENT: {
            HDC dc = reinterpret_cast<HDC>(wParam);
            if (lParam & PRF_ERASEBKGND) self->EraseBackground(dc);
            self->Paint(dc);
            return 0;
        }
        case WM_ENABLE: InvalidateRect(hwnd, nullptr, TRUE); break;
        case WM_NCDESTROY: UnlinkWindow(hwnd); break;
        default: break;
        }
    } catch (...) {
        return 0;  // nothing leaves a window procedure
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace velkorin::win32::forms
