// Velkorin.exe's start and its floor's, stage by stage, in a fresh process: each stage's seconds on
// a line of its own ("<stage> <seconds>") on standard output, in the order they run; then the
// window goes and the process ends.
//   bench_stages velkorin   the program's own pieces in the order its entry makes them (the process
//                           object's members, Main's steps, FrmMain's load and show)
//   bench_stages floor      the floor's stages (floor/FloorStart.h)
// The stage names are the same on both sides wherever the work is the same.
#include <windows.h>

#include <cstdio>
#include <memory>
#include <optional>
#include <string>

#include "common/Arguments.h"
#include "common/Stopwatch.h"
#include "floor/FloorStart.h"
#include "runtime/win32/LibraryRedirection.h"
#include "runtime/win32/LibrarySearch.h"
#include "runtime/win32/OleScope.h"
#include "runtime/win32/SystemLibraries.h"
#include "runtime/win32/Win32ScreenMetrics.h"
#include "runtime/win32/Win32Services.h"
#include "ui/win32/FrmMain.h"
#include "xptheme/win32/Win32Subclassing.h"
#include "xptheme/win32/Win32ThemePlatform.h"

namespace velkorin::bench {

namespace {

// Prints the time since the last stage ended under `name`.
class StageClock {
public:
    void Reached(const char* name) {
        std::printf("%s %.9f\n", name, clock_.Seconds());
        std::fflush(stdout);
        clock_.Restart();
    }

private:
    Stopwatch clock_;
};

int Velkorin(HINSTANCE instance) {
    using namespace win32;
    StageClock stages;
    if (RedirectBesideTheProgram(RunningWindowsRelease(), MachineEnablesDllRedirection(), nullptr) !=
        LibraryRedirect::kNone) {
        return 1;
    }
    stages.Reached("first-line");
    KeepLibrarySearchOutOfTheProgramFolder();
    stages.Reached("library-search");
    OleScope ole;
    stages.Reached("ole");
    Win32Services services;
    stages.Reached("services");
    Win32ThemePlatform platform;
    mdXpThemeSupport theme{platform};
    Win32ScreenMetrics screen;
    SubclassProcedures procedures{theme, screen};
    Kernel32().pSetProcessDEPPolicy(0);
    services.eventLoop.DoEvents();
    theme.InitVisualStyles();
    stages.Reached("visual-styles");
    ModMain slots;
    FrmMain frmMain(instance, services.runtime, theme, slots);
    frmMain.Load([&](const char* stage) { stages.Reached(stage); });
    frmMain.Show();
    stages.Reached("show");
    return frmMain.Hwnd() ? 0 : 1;
}

int Floor(HINSTANCE instance) {
    using namespace floor;
    StageClock stages;
    if (FAILED(OleInitialize(nullptr))) return 1;
    stages.Reached("ole");
    AskTheVisualStyleLibraries();
    stages.Reached("visual-styles");
    const HFONT font = MakeTheFont();
    stages.Reached("fonts");
    HWND window = MakeTheForm(instance, font);
    stages.Reached("form");
    LoadThePictures(instance);
    stages.Reached("pictures");
    if (window) AddTheControls(window, instance, font);
    stages.Reached("controls");
    if (window) ShowTheWindow(window, SW_SHOWNORMAL);
    stages.Reached("show");
    if (window) DestroyWindow(window);
    ReleaseThePictures();
    DeleteObject(font);
    OleUninitialize();
    return window ? 0 : 1;
}

}  // namespace

}  // namespace velkorin::bench

int main() {
    const std::vector<std::wstring> arguments = velkorin::bench::Arguments();
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    if (arguments.size() == 1 && arguments[0] == L"velkorin") return velkorin::bench::Velkorin(instance);
    if (arguments.size() == 1 && arguments[0] == L"floor") return velkorin::bench::Floor(instance);
    std::fprintf(stderr, "usage: bench_stages velkorin | floor\n");
    return 2;
}
