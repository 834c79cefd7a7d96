#include "wine/launcher/ChildProcess.h"

#include <cwchar>

namespace velkorin::launcher {

namespace {

// The parent's own environment with the changes applied, as a block for CreateProcessW.
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

ChildProcess::ChildProcess(const LaunchArgs& args)
    : job_(CreateJobObjectW(nullptr, nullptr)), endDeadlineMs_(args.endDeadlineMs) {
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits = {};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    if (!job_ || !SetInformationJobObject(job_.get(), JobObjectExtendedLimitInformation, &limits, sizeof limits)) {
        return;
    }
    std::wstring commandLine = L"\"" + args.exe + L"\"" + (args.arguments.empty() ? L"" : L" " + args.arguments);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    if (args.stdOut) {
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
        startup.hStdOutput = args.stdOut;
        startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    }
    std::wstring block = args.environment.empty() ? std::wstring() : EnvironmentBlock(args.environment);
    PROCESS_INFORMATION info = {};
    const auto create = [&] {
        return CreateProcessW(args.exe.c_str(), &commandLine[0], nullptr, nullptr, args.stdOut != nullptr,
                              CREATE_SUSPENDED | CREATE_UNICODE_ENVIRONMENT, block.empty() ? nullptr : &block[0],
                              args.folder.empty() ? nullptr : args.folder.c_str(), &startup, &info);
    };
    // Wine answers ERROR_INTERNAL_ERROR when the new process's loader died before the process was
    // set up (a rare failure to map its address space, seen once in a loaded run): none of the
    // program's code ran, so it is started once more.
    if (!create() && (GetLastError() != ERROR_INTERNAL_ERROR || !create())) return;
    win32::UniqueHandle thread(info.hThread);
    win32::UniqueHandle process(info.hProcess);
    if (!AssignProcessToJobObject(job_.get(), process.get())) {
        TerminateProcess(process.get(), 1);
        return;
    }
    ResumeThread(thread.get());
    process_ = std::move(process);
    id_ = info.dwProcessId;
}

ChildProcess::~ChildProcess() {
    if (job_) TerminateJobObject(job_.get(), 1);
    if (process_) WaitForSingleObject(process_.get(), endDeadlineMs_);
}

HWND ChildProcess::WaitForWindow(const wchar_t* className, DWORD deadlineMs, DWORD pollMs) const {
    if (!process_) return nullptr;
    const ULONGLONG end = GetTickCount64() + deadlineMs;
    for (;;) {
        for (HWND window = FindWindowExW(nullptr, nullptr, className, nullptr); window;
             window = FindWindowExW(nullptr, window, className, nullptr)) {
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == id_ && IsWindowVisible(window)) return window;
        }
        if (GetTickCount64() >= end || WaitForExit(pollMs)) return nullptr;
    }
}

bool ChildProcess::WaitForExit(DWORD timeoutMs) const {
    return process_ && WaitForSingleObject(process_.get(), timeoutMs) == WAIT_OBJECT_0;
}

DWORD ChildProcess::ExitCode() const {
    DWORD code = 0;
    if (process_ && !GetExitCodeProcess(process_.get(), &code)) code = 0;
    return code;
}

void ChildProcess::Close(HWND window) const {
    if (window) PostMessageW(window, WM_CLOSE, 0, 0);
    if (!WaitForExit(endDeadlineMs_) && process_) {
        TerminateJobObject(job_.get(), 1);
        WaitForExit(endDeadlineMs_);
    }
}

JobCounts ChildProcess::Counts() const {
    JOBOBJECT_BASIC_ACCOUNTING_INFORMATION accounting = {};
    if (!job_ || !QueryInformationJobObject(job_.get(), JobObjectBasicAccountingInformation, &accounting,
                                            sizeof accounting, nullptr)) {
        return {};
    }
    return {accounting.TotalProcesses, accounting.ActiveProcesses};
}

std::optional<size_t> OtherWindowTextLength(HWND hwnd, UINT timeoutMs) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(hwnd, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, timeoutMs, &length)) return std::nullopt;
    return static_cast<size_t>(length);
}

std::optional<std::wstring> OtherWindowText(HWND hwnd, UINT timeoutMs) {
    const std::optional<size_t> length = OtherWindowTextLength(hwnd, timeoutMs);
    if (!length) return std::nullopt;
    std::wstring text(*length + 1, L'\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]), SMTO_ABORTIFHUNG,
                             timeoutMs, &copied)) {
        return std::nullopt;
    }
    text.resize(copied);
    return text;
}

}  // namespace velkorin::launcher
