#include "wine/e2e/VelkorinProcess.h"

#include <cwchar>

#include "wine/e2e/E2eSupport.h"

namespace velkorin::e2e {

namespace {

// The driver's own environment with the changes applied, as a block for CreateProcessW.
std::wstring EnvironmentBlock(const EnvironmentChanges& changes) {
    std::vector<std::wstring> entries;
    if (wchar_t* strings = GetEnvironmentStringsW()) {
        for (const wchar_t* entry = strings; *entry; entry += wcslen(entry) + 1) entries.emplace_back(entry);
        FreeEnvironmentStringsW(strings);
    }
    for (const auto& [name, value] : changes) {
        const std::wstring prefix = name + L"=";
        for (auto entry = entries.begin(); entry != entries.end();) {
            const bool same = _wcsnicmp(entry->c_str(), prefix.c_str(), prefix.size()) == 0;  // names ignore case
            entry = same ? entries.erase(entry) : entry + 1;
        }
        if (value) entries.push_back(prefix + *value);
    }
    std::wstring block;
    for (const std::wstring& entry : entries) block.append(entry.c_str(), entry.size() + 1);
    if (entries.empty()) block.push_back(L'\0');  // an empty block is two terminators
    block.push_back(L'\0');
    return block;
}

}  // namespace

VelkorinProcess::VelkorinProcess(const std::wstring& exe, const std::wstring& folder,
                                 const EnvironmentChanges& environment)
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
    // Without changes the program inherits the driver's environment as it stands.
    std::wstring block = environment.empty() ? std::wstring() : EnvironmentBlock(environment);
    // Suspended until it is in the job, so nothing it starts can escape the count.
    if (!CreateProcessW(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE,
                        CREATE_SUSPENDED | CREATE_UNICODE_ENVIRONMENT, block.empty() ? nullptr : &block[0],
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
