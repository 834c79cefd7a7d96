// The module's subclass procedures on real windows: what reaches the control's own procedure, and
// the counted reference the button procedure holds on the control object for each call.
#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "xptheme/ButtonState.h"
#include "fakes/FakeControl.h"
#include "wine/WineTestSupport.h"
#include "runtime/win32/Win32ScreenMetrics.h"
#include "xptheme/win32/Win32Subclassing.h"
#include "xptheme/win32/NativeHandles.h"
#include "xptheme/win32/Win32ThemePlatform.h"

namespace velkorin::wine {
namespace {

// A graphical button's control object that notes how many owners it has at each property read.
class CountingControl : public fakes::FakeControl {
public:
    CountingControl() : FakeControl(control_kind::kCommandButton) {}
    Value Get(const std::string& property) override {
        ownersDuringReads.push_back(weak_from_this().use_count());
        return FakeControl::Get(property);
    }
    std::vector<long> ownersDuringReads;
};

// A window class of the test whose procedure notes every message it is given.
std::vector<UINT>* g_ownMessages = nullptr;
LRESULT CALLBACK RecordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (g_ownMessages) g_ownMessages->push_back(message);
    if (message == WM_PRINTCLIENT) return 0x5151;
    return DefWindowProcW(window, message, wParam, lParam);
}

class SubclassingUnderWine : public ::testing::Test {
protected:
    // One visible top-level window for the suite: showing one costs Wine a wait for the X server.
    static void SetUpTestSuite() {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = RecordingProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"VelkorinRecordingWindow";
        RegisterClassW(&wc);
        parent = CreateWindowExW(0, L"VelkorinRecordingWindow", L"", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 120,
                                 nullptr, nullptr, wc.hInstance, nullptr);
    }
    static void TearDownTestSuite() { DestroyWindow(parent); }
    void SetUp() override {
        ASSERT_NE(parent, nullptr);
        g_ownMessages = &ownMessages;
    }
    void TearDown() override { g_ownMessages = nullptr; }
    static WindowHandle Window(HWND window) { return win32::Wrapped<WindowHandle>(window); }

    win32::Win32ThemePlatform platform;
    mdXpThemeSupport module{platform};
    win32::Win32ScreenMetrics screen;
    static HWND parent;
    std::vector<UINT> ownMessages;
};

HWND SubclassingUnderWine::parent = nullptr;

TEST_F(SubclassingUnderWine, TheButtonProcedureHoldsAReferenceForEachCallAndReleasesIt) {
    win32::SubclassProcedures procedures(module, screen);
    HWND button = CreateWindowExW(0, L"BUTTON", L"", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, 10, 10, 80, 30, parent,
                                  nullptr, GetModuleHandleW(nullptr), nullptr);
    auto control = std::make_shared<CountingControl>();
    control->properties = {{"Value", Value(false)}, {"Enabled", Value(true)}, {"Caption", Value(std::string())}};
    ASSERT_TRUE(platform.SetWindowSubclass(Window(button), SubclassProcedure::RedirectButton, 0, IdentityOf(*control)));

    ASSERT_TRUE(module.IsVisualStyleActive());
    ASSERT_TRUE(IsWindowVisible(button));
    RedrawWindow(button, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    ASSERT_FALSE(control->ownersDuringReads.empty());  // the themed painter read the control
    for (long owners : control->ownersDuringReads) EXPECT_EQ(owners, 2);
    EXPECT_EQ(control.use_count(), 1);
    EXPECT_TRUE(pvGetPainted(platform, Window(button)));
    DestroyWindow(button);
}

// Before the entry has made the process, or after it is gone: no module to reach.
class BeforeStartUp : public SubclassingUnderWine {
    void SetUp() override {
        if (wine::ProcessMade()) GTEST_SKIP() << "a check of a run --before-start-up";
        SubclassingUnderWine::SetUp();
    }
};

TEST_F(BeforeStartUp, EveryMessageGoesDownTheChain) {
    HWND button = CreateWindowExW(0, L"BUTTON", L"", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, 10, 10, 80, 30, parent,
                                  nullptr, GetModuleHandleW(nullptr), nullptr);
    auto control = std::make_shared<CountingControl>();
    ASSERT_TRUE(platform.SetWindowSubclass(Window(button), SubclassProcedure::RedirectButton, 0, IdentityOf(*control)));
    RedrawWindow(button, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_TRUE(control->ownersDuringReads.empty());
    EXPECT_FALSE(pvGetPainted(platform, Window(button)));
    DestroyWindow(button);
}

TEST_F(SubclassingUnderWine, AFrameAnswersPrintClientAndMouseLeaveWithTheDefaultProcedureOnly) {
    win32::SubclassProcedures procedures(module, screen);
    HWND frame = CreateWindowExW(0, L"VelkorinRecordingWindow", L"", WS_CHILD | WS_VISIBLE, 0, 0, 100, 60, parent,
                                 nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_TRUE(platform.SetWindowSubclass(Window(frame), SubclassProcedure::RedirectFrame, 0, 0));
    ownMessages.clear();
    EXPECT_EQ(SendMessageW(frame, WM_PRINTCLIENT, 0, PRF_CLIENT), 0);  // the default procedure's answer
    SendMessageW(frame, WM_MOUSELEAVE, 0, 0);
    EXPECT_TRUE(ownMessages.empty());
    SendMessageW(frame, WM_USER + 7, 0, 0);
    EXPECT_EQ(ownMessages, (std::vector<UINT>{WM_USER + 7}));
    DestroyWindow(frame);
}

}  // namespace
}  // namespace velkorin::wine
