#include "driver/ChildProcess.h"

#include "common/Arguments.h"

namespace velkorin::bench {

namespace {

constexpr DWORD kCloseDeadlineMs = 10000;

class OwnedHandle {
public:
    explicit OwnedHandle(HANDLE h = nullptr) : h_(h) {}
    ~OwnedHandle() { Reset(); }
    OwnedHandle(const OwnedHandle&) = delete;
    OwnedHandle& operator=(const OwnedHandle&) = delete;
    HANDLE Get() const { return h_; }
    HANDLE* Put() { return &h_; }
    void Reset() {
        if (h_) CloseHandle(h_);
        h_ = nullptr;
    }

private:
    HANDLE h_;
};

}  // namespace

ChildProcess::ChildProcess(const std::wstring& exe, const std::wstring& arguments, HANDLE stdOut) {
    std::wstring commandLine = L"\"" + exe + L"\"" + (arguments.empty() ? L"" : L" " + arguments);
    const std::wstring folder = FolderOf(exe);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    if (stdOut) {
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
        startup.hStdOutput = stdOut;
        startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    }
    PROCESS_INFORMATION info = {};
    if (!CreateProcessW(exe.c_str(), &commandLine[0], nullptr, nullptr, stdOut != nullptr, 0, nullptr, folder.c_str(),
                        &startup, &info)) {
        return;
    }
    CloseHandle(info.hThread);
    process_ = info.hProcess;
    id_ = info.dwProcessId;
}

ChildProcess::~ChildProcess() {
    if (!process_) return;
    if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) {
        TerminateProcess(process_, 1);
        WaitForSingleObject(process_, kCloseDeadlineMs);
    }
    CloseHandle(process_);
}

HWND ChildProcess::WaitForVisibleWindow(const wchar_t* className, DWORD deadlineMs) const {
    if (!process_) return nullptr;
    const ULONGLONG end = GetTickCount64() + deadlineMs;
    for (;;) {
        for (HWND window = FindWindowExW(nullptr, nullptr, className, nullptr); window;
             window = FindWindowExW(nullptr, window, className, nullptr)) {
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == id_ && IsWindowVisible(window)) return window;
        }
        if (GetTickCount64() >= end || WaitForSingleObject(process_, 1) == WAIT_OBJECT_0) return nullptr;
    }
}

bool ChildProcess::WaitForExit(DWORD deadlineMs) const {
    return process_ && WaitForSingleObject(process_, deadlineMs) == WAIT_OBJECT_0;
}

void ChildProcess::Close(HWND window) {
    if (window) PostMessageW(window, WM_CLOSE, 0, 0);
    if (!WaitForExit(kCloseDeadlineMs) && process_) {
        TerminateProcess(process_, 1);
        WaitForExit(kCloseDeadlineMs);
    }
}

std::optional<std::string> RunForOutput(const std::wstring& exe, const std::wstring& arguments, DWORD deadlineMs) {
    SECURITY_ATTRIBUTES inheritable = {sizeof inheritable, nullptr, TRUE};
    OwnedHandle readEnd, writeEnd;
    if (!CreatePipe(readEnd.Put(), writeEnd.Put(), &inheritable, 0)) return std::nullopt;
    SetHandleInformation(readEnd.Get(), HANDLE_FLAG_INHERIT, 0);
    ChildProcess child(exe, arguments, writeEnd.Get());
    writeEnd.Reset();  // the child's copy is the only writer now: reading ends when it exits
    if (!child.Started()) return std::nullopt;
    std::string output;
    char buffer[256];
    DWORD read = 0;
    while (ReadFile(readEnd.Get(), buffer, sizeof buffer, &read, nullptr) && read) output.append(buffer, read);
    DWORD exitCode = 1;
    if (!child.WaitForExit(deadlineMs) || !GetExitCodeProcess(child.Process(), &exitCode) || exitCode != 0) {
        return std::nullopt;
    }
    return output;
}

}  // namespace velkorin::bench
