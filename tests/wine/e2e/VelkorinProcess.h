#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "wine/e2e/Handles.h"

namespace velkorin::e2e {

struct JobCounts {
    DWORD total = 0;   // processes ever started in the job
    DWORD active = 0;  // processes running in it now
};

// Variables set (a value) or removed (nullopt) in the program's environment, on top of the driver's.
using EnvironmentChanges = std::vector<std::pair<std::wstring, std::optional<std::wstring>>>;

// Velkorin.exe started from a folder, in a job of its own: whatever it launches (the URL handler)
// is counted, and everything in the job ends with this object on every path.
class VelkorinProcess {
public:
    VelkorinProcess(const std::wstring& exe, const std::wstring& folder, const EnvironmentChanges& environment = {});
    ~VelkorinProcess();
    VelkorinProcess(const VelkorinProcess&) = delete;
    VelkorinProcess& operator=(const VelkorinProcess&) = delete;

    bool Started() const { return static_cast<bool>(process_); }
    DWORD Id() const { return id_; }
    // The visible FrmMain window of this process, or nullptr at the deadline.
    HWND WaitForWindow() const;
    // True when the process ended before the deadline; its exit code is then in exitCode.
    bool WaitForExit(DWORD timeoutMs, DWORD& exitCode) const;
    JobCounts Counts() const;

private:
    UniqueHandle job_;
    UniqueHandle process_;
    DWORD id_ = 0;
};

}  // namespace velkorin::e2e
