#include "startup/mdStartup.h"

#include "runtime/ErrorScope.h"
#include "runtime/win32/SystemLibraries.h"

namespace velkorin::win32 {

void Main(Application& app) {
    ErrorScope err;
    // Neither PROCESS_DEP_ENABLE nor the thunk-emulation flag: execution prevention off where the
    // system lets a process choose. Bound by name: older systems lack the function.
    err.Step([] { Kernel32().pSetProcessDEPPolicy(0); });
    err.Step([&] { app.eventLoop.DoEvents(); });
    err.Step([&] { app.theme.InitVisualStyles(); });
    err.Step([&] {
        if (!app.frmMain) app.frmMain = std::make_unique<FrmMain>(app.instance, app.runtime, app.theme, app.slots);
        app.frmMain->Show();
    });
}

}  // namespace velkorin::win32
