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
    kCommonControls,  // comctl32: from the side-by-side store where the activation context sends it, else as above
};

// The full path of a system library, "<system folder>\<name>", ".dll" added to a name without an
// extension; empty when the system folder cannot be read. Paths here are UTF-8.
std::string SystemLibraryPath(const std::string& name);

// A library as loaded from its origin: the module (null when it could not be loaded or none could
// be asked for) and the path or name that the loader was asked for (empty: none).
struct LoadedLibrary {
    HMODULE module = nullptr;
    std::string requested;
};

// Loads `name` from `origin`. A full path loads with the libraries that it imports by name looked
// for beside it first, in the system folder or the side-by-side store, not in the program's folder.
LoadedLibrary LoadLibraryFrom(const std::string& name, LibraryOrigin origin);

// Where the active activation context redirects `dll`, when that is a file of an assembly in the
// system's side-by-side store (<Windows folder>\WinSxS): as a manifest asking for common controls 6
// sends comctl32.dll. Empty where nothing redirects it (Windows 2000 has no activation contexts)
// and where the redirect points anywhere else: a manifest beside the program can name a
// comctl32.dll of its own, in the program's folder.
std::string SideBySideLibraryPath(const char* dll);

}  // namespace velkorin::win32
