#include "VelkorinProcess.h"

#include "E2eSupport.h"

namespace velkorin::e2e {

VelkorinProcess::VelkorinProcess(const std::wstring& exe, const std::wstring& folder)
    : job_(CreateJobObjectW(nullptr, nullptr)) {
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits = {};
    // Should the driver itself die, closing its last handle to the job still ends the program.
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    if (!job_ || !SetInformationJobObject(job_.get(), JobObjectExtendedLimitInformation, &limits, sizeof limits)) {
        return;
    }
    std::wstring commandLine = L"\"" + exe + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    // Suspended until it is in the job, so nothing it starts can escape the count.
    if (!CreateProcessW(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr,
                        folder.c_str(), &startup, &info)) {
        return;
    }
    UniqueHandle thread(info.hThread);
    UniqueHandle process(info.hProcess);
    if (!AssignProcessToJobObject(job_.get(), process.get())) {
        TerminateProcess(process.get(), 1);
        return;
    }
    ResumeThread(thread.get());
    process_ = std::move(process);
    id_ = info.dwProcessId;
}

VelkorinProcess::~VelkorinProcess() {
    if (job_) TerminateJobObject(job_.get(), 1);
    if (process_) WaitForSingleObject(process_.get(), kDeadlineMs);
}

HWND VelkorinProcess::WaitForWindow() const {
    HWND window = nullptr;
    if (!Started()) return nullptr;
    WaitFor([&] {
        for (HWND candidate : VisibleTopLevelWindows(id_)) {
            if (ClassName(candidate) == L"VelkorinFrmMain") window = candidate;
        }
        return window != nullptr || WaitForSingleObject(process_.get(), 0) == WAIT_OBJECT_0;
    });
    return window;
}

bool VelkorinProcess::WaitForExit(DWORD timeoutMs, DWORD& exitCode) const {
    if (!Started() || WaitForSingleObject(process_.get(), timeoutMs) != WAIT_OBJECT_0) return false;
    return GetExitCodeProcess(process_.get(), &exitCode) != FALSE;
}

JobCounts VelkorinProcess::Counts() const {
    JOBOBJECT_BASIC_ACCOUNTING_INFORMATION accounting = {};
    if (!job_ || !QueryInformationJobObject(job_.get(), JobObjectBasicAccountingInformation, &accounting,
                                            sizeof accounting, nullptr)) {
        return {};
    }
    return {accounting.TotalProcesses, accounting.ActiveProcesses};
}

}  // namespace velkorin::e2e
