// FrmMain as it opens and closes: its frame, its six controls, the focus, and the end of the process.
#include <cstdlib>
#include <vector>

#include "wine/e2e/E2eSupport.h"
#include "wine/e2e/FontReport.h"
#include "runtime/win32/ScopedHandles.h"
#include "wine/e2e/VelkorinTest.h"

namespace velkorin::e2e {
namespace {

using WineOwnComponentsFrmMain = VelkorinTest;

int ScreenPixelsPerInch() {
    win32::ClientDc screen(nullptr);
    return GetDeviceCaps(screen.Get(), LOGPIXELSX);
}

// The link label's caption measured in the font the controls should have, in a DC of our own.
SIZE CaptionExtent(const wchar_t* caption) {
    LOGFONTW wanted = {};
    wanted.lfHeight = -9;
    wanted.lfWeight = FW_BOLD;
    wanted.lfCharSet = ANSI_CHARSET;
    wcscpy(wanted.lfFaceName, L"Verdana");
    win32::GdiObject<HFONT> font(CreateFontIndirectW(&wanted));
    win32::ClientDc screen(nullptr);
    win32::MemoryDc dc(screen.Get());
    win32::SelectionGuard select(dc.Get(), font.get());
    RECT extent = {0, 0, 0, 0};
    DrawTextW(dc.Get(), caption, -1, &extent, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    return {extent.right, extent.bottom};
}

// The fonts of FrmMain's controls as the program holds them, read inside it by font_probe.dll
// (beside this driver) from a message hook on the window's thread.
std::vector<ControlFont> ControlFonts(HWND window, const std::wstring& reportPath) {
    win32::UniqueLibrary probe(LoadLibraryW(L"font_probe.dll"));
    // Through void*: GetProcAddress gives every export one function type.
    void* const address = reinterpret_cast<void*>(GetProcAddress(probe.get(), "FontProbeHook"));
    const auto hookProc = reinterpret_cast<HOOKPROC>(address);
    if (!hookProc) return {};
    win32::UniqueHook hook(SetWindowsHookExW(WH_GETMESSAGE, hookProc, probe.get(), GetWindowThreadProcessId(window, nullptr)));
    if (!hook || !PostMessageW(window, RegisterWindowMessageW(kFontQuery), 0, 0)) return {};
    std::string report;
    WaitFor([&] { return (report = ReadBytes(reportPath)).size() == 6 * sizeof(ControlFont); });
    std::vector<ControlFont> fonts(report.size() / sizeof(ControlFont));
    std::copy(report.begin(), report.begin() + fonts.size() * sizeof(ControlFont),
              reinterpret_cast<char*>(fonts.data()));
    return fonts;
}

TEST_F(WineOwnComponentsFrmMain, OpensCentredWithItsCaptionFrameAndClientSize) {
    wchar_t caption[64] = L"";
    GetWindowTextW(window_, caption, 64);
    EXPECT_STREQ(caption, L"Velkorin");
    EXPECT_EQ(ClassName(window_), L"VelkorinFrmMain");
    EXPECT_EQ(GetParent(window_), nullptr);
    const DWORD style = static_cast<DWORD>(GetWindowLongW(window_, GWL_STYLE));
    const DWORD kChecked = WS_POPUP | WS_CHILD | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN | WS_THICKFRAME |
                           WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
    EXPECT_EQ(style & kChecked, static_cast<DWORD>(WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN))
        << std::hex << "style 0x" << style;
    RECT frame = {};
    GetWindowRect(window_, &frame);
    // Twice the centres, so a half pixel of rounding stays whole.
    const int offCentreX = frame.left + frame.right - GetSystemMetrics(SM_CXSCREEN);
    const int offCentreY = frame.top + frame.bottom - GetSystemMetrics(SM_CYSCREEN);
    EXPECT_LE(std::abs(offCentreX), 2) << frame.left << " " << frame.right;
    EXPECT_LE(std::abs(offCentreY), 2) << frame.top << " " << frame.bottom;
    if (ScreenPixelsPerInch() != 96) GTEST_SKIP() << "the client size is known at 96 dpi only";
    RECT client = {};
    GetClientRect(window_, &client);
    EXPECT_EQ(client.right, 327);
    EXPECT_EQ(client.bottom, 329);
}

TEST_F(WineOwnComponentsFrmMain, HasItsSixControlsWithTheirClassPlaceTextAndFont) {
    if (ScreenPixelsPerInch() != 96) GTEST_SKIP() << "the control rectangles are known at 96 dpi only";
    // Each control where the layout puts it at 15 twips a pixel; a label sized to its caption as
    // wide and as tall as the caption's text.
    for (const ControlLayout& layout : frm_main::kControls) {
        SCOPED_TRACE(layout.name);
        HWND control = Control(layout.controlId);
        ASSERT_NE(control, nullptr);
        const wchar_t* className = layout.kind == ControlKind::TextBox         ? L"Edit"
                                   : layout.kind == ControlKind::CommandButton ? L"Button"
                                                                               : L"Static";
        EXPECT_EQ(ClassName(control), className);
        const std::wstring text = layout.caption ? FromUtf8(layout.caption) : L"";
        const PixelRect at = ToPixels(layout, 15.0);
        RECT wanted = {at.left, at.top, at.left + at.width, at.top + at.height};
        if (layout.autoSize) {
            const SIZE extent = CaptionExtent(text.c_str());
            EXPECT_GT(extent.cx, 0);
            EXPECT_GT(extent.cy, 0);
            wanted.right = wanted.left + extent.cx;
            wanted.bottom = wanted.top + extent.cy;
        }
        const RECT rect = RectInParent(control);
        EXPECT_EQ(std::vector<LONG>({rect.left, rect.top, rect.right, rect.bottom}),
                  std::vector<LONG>({wanted.left, wanted.top, wanted.right, wanted.bottom}));
        EXPECT_EQ(WindowText(control).value_or(L"<no answer>"), text);
    }
    const std::vector<ControlFont> fonts = ControlFonts(window_, File(L"fonts.bin"));
    ASSERT_EQ(fonts.size(), 6u) << "font_probe.dll gave no report";
    for (const ControlFont& control : fonts) {
        SCOPED_TRACE(control.id);
        ASSERT_TRUE(control.read) << "the control has no font";
        EXPECT_STREQ(control.font.lfFaceName, L"Verdana");
        EXPECT_EQ(control.font.lfHeight, -9);
        EXPECT_EQ(control.font.lfWeight, 700);
        EXPECT_EQ(control.font.lfCharSet, 0);
        EXPECT_FALSE(control.font.lfItalic || control.font.lfUnderline || control.font.lfStrikeOut);
    }
}

TEST_F(WineOwnComponentsFrmMain, StartTestHasTheFocusAndTheTabOrderLeadsWithIt) {
    // The program sets the focus just after it shows the window.
    EXPECT_TRUE(WaitFor([&] { return FocusOf(window_) == Control(kCommand1Id); })) << "focus on " << FocusOf(window_);
    std::vector<int> order;
    for (HWND child = GetWindow(window_, GW_CHILD); child && order.size() < 4; child = GetWindow(child, GW_HWNDNEXT)) {
        order.push_back(GetDlgCtrlID(child));
    }
    EXPECT_EQ(order, std::vector<int>({kLabel1Id, kCommand1Id, kText1Id, kLabel4Id}));
}

TEST_F(WineOwnComponentsFrmMain, ClosingTheWindowEndsTheProcessWithExitCodeZero) {
    ASSERT_TRUE(PostMessageW(window_, WM_CLOSE, 0, 0));
    ASSERT_TRUE(velkorin_->WaitForExit(kDeadlineMs)) << "still running at the deadline";
    EXPECT_EQ(velkorin_->ExitCode(), 0u);
}

}  // namespace
}  // namespace velkorin::e2e
