#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace velkorin::bench {

// A program started from its own folder. It ends with this object: closed when asked, otherwise
// terminated.
class ChildProcess {
public:
    // stdOut: a handle the child inherits as its standard output, or nullptr.
    ChildProcess(const std::wstring& exe, const std::wstring& arguments, HANDLE stdOut = nullptr);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool Started() const { return process_ != nullptr; }
    HANDLE Process() const { return process_; }
    // The first visible top-level window of the class that this process owns, polled every
    // millisecond; nullptr when the process ends or the deadline passes first.
    HWND WaitForVisibleWindow(const wchar_t* className, DWORD deadlineMs) const;
    bool WaitForExit(DWORD deadlineMs) const;
    // Asks the window to close and waits for the process to end; terminates it at the deadline.
    void Close(HWND window);

private:
    HANDLE process_ = nullptr;
    DWORD id_ = 0;
};

// Runs a console program to its end and returns what it wrote to its standard output; nothing
// when it cannot start, exits with a failure, or is still running deadlineMs after its output closed.
std::optional<std::string> RunForOutput(const std::wstring& exe, const std::wstring& arguments, DWORD deadlineMs);

}  // namespace velkorin::bench
