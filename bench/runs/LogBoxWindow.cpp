#include "LogBoxWindow.h"

#include <string>

#include "FormLayout.h"

namespace velkorin::bench {

namespace {
constexpr const wchar_t* kFormClass = L"VelkorinBenchRunsForm";
}  // namespace

LogBoxWindow::LogBoxWindow(HINSTANCE instance) : instance_(instance) {
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = &DefWindowProcW;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kFormClass;
    if (!RegisterClassW(&windowClass)) return;
    int pixelsPerInch = 96;
    {
        win32::ClientDc screen(nullptr);
        if (screen.Get()) pixelsPerInch = GetDeviceCaps(screen.Get(), LOGPIXELSX);
    }
    const double twipsPerPixel = TwipsPerPixel(pixelsPerInch);
    form_ = CreateWindowExW(0, kFormClass, L"Runs", WS_POPUP | WS_VISIBLE, 0, 0,
                            TwipsToPixels(frm_main::kClientWidthTwips, twipsPerPixel),
                            TwipsToPixels(frm_main::kClientHeightTwips, twipsPerPixel), nullptr, nullptr, instance,
                            nullptr);
    if (!form_) return;
    const PixelRect place = ToPixels(frm_main::kControls[0], twipsPerPixel);  // Text1
    edit_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"",
                            WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL |
                                ES_WANTRETURN,
                            place.left, place.top, place.width, place.height, form_, nullptr, instance, nullptr);
    const std::wstring face(frm_main::kFontFace, frm_main::kFontFace + sizeof frm_main::kFontFace - 1);  // ASCII
    font_ = win32::GdiObject<HFONT>(CreateFontW(FontHeightPixels(frm_main::kFontPoints, pixelsPerInch), 0, 0, 0,
                                                frm_main::kFontWeight, FALSE, FALSE, FALSE, ANSI_CHARSET,
                                                OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                                DEFAULT_PITCH | FF_DONTCARE, face.c_str()));
    if (edit_) SendMessageW(edit_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), FALSE);
}

LogBoxWindow::~LogBoxWindow() {
    if (form_) DestroyWindow(form_);
    UnregisterClassW(kFormClass, instance_);
}

}  // namespace velkorin::bench
