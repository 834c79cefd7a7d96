#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "runtime/win32/ScopedHandles.h"

namespace velkorin::launcher {

// Variables set (a value) or removed (nullopt) in the child's environment, on top of the parent's.
using EnvironmentChanges = std::vector<std::pair<std::wstring, std::optional<std::wstring>>>;

struct LaunchArgs {
    std::wstring exe;
    std::wstring arguments;          // after the quoted program name
    std::wstring folder;             // its current folder; empty: the parent's
    EnvironmentChanges environment;  // empty: the parent's environment as it stands
    HANDLE stdOut = nullptr;         // inherited as its standard output, or nullptr
    DWORD endDeadlineMs = 10000;     // how long it may take to end once closed or terminated
};

struct JobCounts {
    DWORD total = 0;   // processes ever started in the job
    DWORD active = 0;  // processes running in it now
};

// A program started suspended, put in a job of its own and only then resumed, so that whatever it
// launches is counted too. Everything in the job ends with this object, or with the parent should
// that die first.
class ChildProcess {
public:
    explicit ChildProcess(const LaunchArgs& args);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool Started() const { return static_cast<bool>(process_); }
    DWORD Id() const { return id_; }
    HANDLE Process() const { return process_.get(); }
    // The first visible top-level window of the class that this process owns, looked for every
    // pollMs; nullptr when the process ends or the deadline passes first.
    HWND WaitForWindow(const wchar_t* className, DWORD deadlineMs, DWORD pollMs = 20) const;
    // True when the process ended within timeoutMs.
    bool WaitForExit(DWORD timeoutMs) const;
    // Its exit code; STILL_ACTIVE while it runs.
    DWORD ExitCode() const;
    // Asks the window to close and waits for the process to end; terminates it at the deadline.
    void Close(HWND window) const;
    JobCounts Counts() const;

private:
    win32::UniqueHandle job_;
    win32::UniqueHandle process_;
    DWORD id_ = 0;
    DWORD endDeadlineMs_;
};

// Another process's window text, asked with a timeout: a program answers only while its thread
// takes messages (a self-test run answers when it yields). Nothing where it did not answer in time.
std::optional<size_t> OtherWindowTextLength(HWND hwnd, UINT timeoutMs);
std::optional<std::wstring> OtherWindowText(HWND hwnd, UINT timeoutMs);

}  // namespace velkorin::launcher
