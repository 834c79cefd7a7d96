// The process entry: the runtime's start routine. It sets up the one user-interface thread, calls
// Main once, and dispatches messages until the last window is gone.
#include <windows.h>

#include "startup/Win32Process.h"
#include "startup/mdStartup.h"

namespace {

int RunProgram(HINSTANCE instance) {
    using namespace velkorin;
    using namespace velkorin::win32;
    Win32Process process;
    Win32Services& services = process.Services();
    ModMain slots;

    Application app{instance, services.runtime, services.eventLoop, process.Theme(), slots, nullptr};
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
