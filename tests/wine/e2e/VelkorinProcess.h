#pragma once

#include <windows.h>

#include <string>

#include "wine/e2e/E2eSupport.h"
#include "wine/launcher/ChildProcess.h"

namespace velkorin::e2e {

using launcher::EnvironmentChanges;

// Velkorin.exe started from a folder, in a job of its own: whatever it launches (the URL handler)
// is counted, and everything in the job ends with this object on every path.
class VelkorinProcess : public launcher::ChildProcess {
public:
    VelkorinProcess(const std::wstring& exe, const std::wstring& folder, const EnvironmentChanges& environment = {})
        : ChildProcess({exe, L"", folder, environment, nullptr, kDeadlineMs}) {}

    // The visible FrmMain window of this process, or nullptr at the deadline.
    HWND WaitForWindow() const { return ChildProcess::WaitForWindow(L"VelkorinFrmMain", kDeadlineMs); }
};

}  // namespace velkorin::e2e
