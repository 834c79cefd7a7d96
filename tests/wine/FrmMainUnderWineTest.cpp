// FrmMain in this process: what its window procedure leaves to the system, and a load that fails
// once the window exists.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "runtime/win32/ScopedHandles.h"
#include "ui/win32/FrmMain.h"
#include "wine/WineTestSupport.h"

// The import slot through which this program calls DefWindowProcW.
#ifdef _WIN64
#define VELKORIN_DEFWINDOWPROC_SLOT "__imp_DefWindowProcW"
#else
#define VELKORIN_DEFWINDOWPROC_SLOT "__imp__DefWindowProcW@16"
#endif
extern "C" decltype(&DefWindowProcW) defWindowProcSlot __asm__(VELKORIN_DEFWINDOWPROC_SLOT);

namespace velkorin::wine {
namespace {

using Message = std::pair<HWND, UINT>;

// Records every DefWindowProcW call of this program while it lives, and passes each one on.
class DefWindowProcSpy {
public:
    DefWindowProcSpy() { Swap(&Record); }
    ~DefWindowProcSpy() { Swap(real_); }
    DefWindowProcSpy(const DefWindowProcSpy&) = delete;
    DefWindowProcSpy& operator=(const DefWindowProcSpy&) = delete;

    static inline std::vector<Message> calls;

private:
    static LRESULT WINAPI Record(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        calls.emplace_back(hwnd, message);
        return real_(hwnd, message, wParam, lParam);
    }
    static void Swap(decltype(&DefWindowProcW) to) {
        DWORD protection = 0;
        VirtualProtect(&defWindowProcSlot, sizeof to, PAGE_READWRITE, &protection);
        if (to == &Record) real_ = defWindowProcSlot;
        defWindowProcSlot = to;
        VirtualProtect(&defWindowProcSlot, sizeof to, protection, &protection);
    }
    static inline decltype(&DefWindowProcW) real_ = nullptr;
};

// Refuses the creation of every window of one class on this thread while it lives.
class RefuseWindowsOfClass {
public:
    explicit RefuseWindowsOfClass(const wchar_t* className) : hook_(SetWindowsHookExW(WH_CBT, &Hook, nullptr, GetCurrentThreadId())) {
        refused_ = className;
    }
    RefuseWindowsOfClass(const RefuseWindowsOfClass&) = delete;
    RefuseWindowsOfClass& operator=(const RefuseWindowsOfClass&) = delete;

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
        wchar_t name[32] = L"";
        if (code == HCBT_CREATEWND && GetClassNameW(reinterpret_cast<HWND>(wParam), name, 32) &&
            lstrcmpiW(name, refused_) == 0) {
            return 1;
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    win32::UniqueHook hook_;
    static inline const wchar_t* refused_ = L"";
};

class FrmMainUnderWine : public ::testing::Test {
protected:
    void TearDown() override {
        MSG quit;
        while (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }  // the window's end asks the program to quit; this test program goes on
    }

    RealSelfTest services;
    win32::FrmMain form{GetModuleHandleW(nullptr), services.runtime, Process().Theme(), services.slots};
};

TEST_F(FrmMainUnderWine, TheWindowsLastMessageStillReachesTheDefaultProcedure) {
    form.Show();
    const HWND window = form.Hwnd();
    ASSERT_TRUE(IsWindow(window));
    DefWindowProcSpy spy;
    DefWindowProcSpy::calls.clear();
    DestroyWindow(window);
    const std::vector<Message>& calls = DefWindowProcSpy::calls;
    EXPECT_NE(std::find(calls.begin(), calls.end(), Message(window, WM_NCDESTROY)), calls.end());
    EXPECT_EQ(std::find(calls.begin(), calls.end(), Message(nullptr, WM_NCDESTROY)), calls.end());
    EXPECT_EQ(form.Hwnd(), nullptr);
}

TEST_F(FrmMainUnderWine, ALoadThatFailsOnceTheWindowExistsLeavesNoWindowBehind) {
    RefuseWindowsOfClass noTextBox(L"Edit");
    EXPECT_THROW(form.Show(), Failure);
    EXPECT_EQ(form.Hwnd(), nullptr);
    EXPECT_EQ(FindWindowW(L"VelkorinFrmMain", nullptr), nullptr) << "a hidden window would keep the process";
}

}  // namespace
}  // namespace velkorin::wine
