// The process entry: the runtime's start routine. It sets up the one user-interface thread, calls
// Main once, and dispatches messages until the last window is gone.
#include <windows.h>

#include "runtime/win32/LibrarySearch.h"
#include "runtime/win32/OleScope.h"
#include "runtime/win32/Win32Services.h"
#include "runtime/win32/Win32ScreenMetrics.h"
#include "xptheme/win32/Win32Subclassing.h"
#include "xptheme/win32/Win32ThemePlatform.h"
#include "startup/mdStartup.h"

namespace {

int RunProgram(HINSTANCE instance) {
    using namespace velkorin;
    using namespace velkorin::win32;
    KeepLibrarySearchOutOfTheProgramFolder();  // before anything loads a library: OLE, the common controls
    OleScope ole;
    Win32Services services;
    Win32ThemePlatform themePlatform;
    mdXpThemeSupport theme(themePlatform);
    Win32ScreenMetrics screen;
    SubclassProcedures subclassProcedures(theme, screen);  // outlives every window the module subclasses
    ModMain slots;

    Application app{instance, services.runtime, services.eventLoop, theme, slots, nullptr};
    Main(app);
    if (!app.frmMain || !IsWindow(app.frmMain->Hwnd())) return 0;  // no window: nothing to wait for
    int exitCode = services.eventLoop.RunUntilQuit();
    app.frmMain.reset();  // the engine and every object go before OLE does
    return exitCode;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    try {
        return RunProgram(instance);
    } catch (...) {
        return 1;  // no dialog, ever
    }
}
