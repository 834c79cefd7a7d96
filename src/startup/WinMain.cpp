// The process entry: the runtime's start routine. It sets up the one user-interface thread, calls
// Main once, and dispatches messages until the last window is gone.
#include <windows.h>

#include "runtime/win32/LibraryRedirection.h"
#include "startup/Win32Process.h"
#include "startup/mdStartup.h"

namespace {

// The program ends before it loads anything where a file beside it would decide which libraries
// run in it; README.txt gives each code with its remedy.
constexpr int kExitDotLocalBesideTheProgram = 3;  // "Velkorin.exe.local", a file or a folder
constexpr int kExitManifestBesideTheProgram = 4;  // a manifest that maps a library into the folder

int ExitCodeFor(velkorin::win32::LibraryRedirect redirect) {
    using velkorin::win32::LibraryRedirect;
    switch (redirect) {
        case LibraryRedirect::kDotLocal: return kExitDotLocalBesideTheProgram;
        case LibraryRedirect::kManifest: return kExitManifestBesideTheProgram;
        case LibraryRedirect::kNone: break;
    }
    return 0;
}

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
        using namespace velkorin::win32;
        const LibraryRedirect redirect =
            RedirectBesideTheProgram(RunningWindowsRelease(), MachineEnablesDllRedirection(), nullptr);
        if (redirect != LibraryRedirect::kNone) return ExitCodeFor(redirect);
        return RunProgram(instance);
    } catch (...) {
        return 1;  // no dialog, ever
    }
}
