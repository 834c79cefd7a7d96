#pragma once

#include <windows.h>

#include <string>

namespace velkorin::win32 {

// Where a binding table's library comes from. Windows looks for a bare library name in the
// program's own folder before the system folder, and the program's folder is anybody's (Downloads,
// a USB stick, a share): a DLL of the same name lying there would run inside the program.
enum class LibraryOrigin {
    kInProcess,       // kernel32: the module every process has, taken as it is
    kSystemFolder,    // by its full path in the system folder
    kCommonControls,  // comctl32: by name where an activation context redirects it, else the system folder
};

// The full path of a system library, "<system folder>\<name>", ".dll" added to a name without an
// extension; empty when the system folder cannot be read.
std::string SystemLibraryPath(const std::string& name);

// The path or name that loading `name` from `origin` asks the loader for (empty: none can be asked).
std::string LibraryRequest(const std::string& name, LibraryOrigin origin);

// Loads what LibraryRequest gave. A full path loads with the libraries that it imports by name
// looked for beside it first, in the system folder, and not in the program's.
HMODULE LoadRequestedLibrary(const std::string& request, LibraryOrigin origin);

// Whether the active activation context redirects `dll` (as a manifest does comctl32.dll to
// version 6). Never on a system without activation contexts (Windows 2000).
bool ActivationContextRedirects(const char* dll);

}  // namespace velkorin::win32
