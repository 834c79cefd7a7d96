#pragma once

#include <windows.h>

#include <map>
#include <string>

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

// The report the window wrote, once it is there; empty at the deadline.
Report ReadReport(const std::wstring& path);

}  // namespace velkorin::themed
