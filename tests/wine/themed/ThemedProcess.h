#pragma once

#include <windows.h>

#include <map>
#include <string>

#include "wine/e2e/Handles.h"

namespace velkorin::themed {

// One line of the themed window's subclass report.
struct Registration {
    HWND hwnd = nullptr;
    bool frame = false;   // pvRedirectFrame sits on the window
    bool button = false;  // pvRedirectButton sits on the window
    std::string reference;  // "none", "self" (the control object) or "other"
    int order = 0;        // its place in the form's collection, from 1
};
using Registrations = std::map<std::string, Registration>;

struct Report {
    unsigned libraryMajor = 0;   // what the common controls' DllGetVersion said
    unsigned assemblyMajor = 0;  // the major version of the assembly the manifest bound
    Registrations controls;
};

// themed_window.exe started with its arguments, in a job of its own that ends with this object.
class ThemedProcess {
public:
    ThemedProcess(const std::wstring& exe, const std::wstring& arguments);
    ~ThemedProcess();
    ThemedProcess(const ThemedProcess&) = delete;
    ThemedProcess& operator=(const ThemedProcess&) = delete;

    bool Started() const { return static_cast<bool>(process_); }
    // The visible form of the process, or nullptr at the deadline or when it ended.
    HWND WaitForWindow() const;
    bool Ended() const;
    DWORD ExitCode() const;

private:
    e2e::UniqueHandle job_;
    e2e::UniqueHandle process_;
    DWORD id_ = 0;
};

// The report the window wrote, once it is there; empty at the deadline.
Report ReadReport(const std::wstring& path);

}  // namespace velkorin::themed
