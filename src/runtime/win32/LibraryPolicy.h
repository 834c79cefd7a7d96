#pragma once

#include <cstddef>
#include <string_view>

#include "runtime/win32/SystemLibraryLoading.h"

namespace velkorin::win32 {

// Every library that the process loads beyond its imports: where it may come from, and whether
// the process loads it ahead, by its full path, so that a later request by bare name finds it in
// the process rather than in the program's folder. The loading code, the search settings, the
// binding tables and the checks all read this table; which libraries are trusted is decided here.
//
// The first line's decision about what lies beside the program (LibraryRedirection.h) is the same
// for every row: where a "<program>.local" is honoured the program does not start, and a load
// that meets one later is refused, whichever library it is.
enum class LoadedAhead {
    kNo,
    // Asked for by bare name by code the program calls, where a loader may not apply the search
    // setting (Wine's does not, to delay-loads): uxtheme paints with msimg32. On every system.
    kAlways,
    // Asked for by bare name by the system's own libraries (COM, the shell, the common controls and
    // visual styles) and no known DLL everywhere: where the system-folder search setting is missing.
    kWithoutSearchSetting,
};

// Whether Windows looks for a bare name of it in the program's folder at all: not for a known DLL
// (XP and later), which a copy planted beside the program can never replace.
enum class Search { kKnownDll, kSearched };

struct TrustedLibrary {
    const char* name;  // as the binding table names it in its failures
    LibraryOrigin origin;
    LoadedAhead ahead;
    Search search;  // the checks plant a copy of each searched one beside the program
};

inline constexpr TrustedLibrary kTrustedLibraries[] = {
    {"kernel32", LibraryOrigin::kInProcess, LoadedAhead::kNo, Search::kKnownDll},
    {"user32", LibraryOrigin::kSystemFolder, LoadedAhead::kNo, Search::kKnownDll},
    {"gdi32", LibraryOrigin::kSystemFolder, LoadedAhead::kNo, Search::kKnownDll},
    {"shell32.dll", LibraryOrigin::kSystemFolder, LoadedAhead::kNo, Search::kKnownDll},
    {"comctl32.dll", LibraryOrigin::kCommonControls, LoadedAhead::kNo, Search::kSearched},
    {"uxtheme", LibraryOrigin::kSystemFolder, LoadedAhead::kAlways, Search::kSearched},
    {"msimg32", LibraryOrigin::kSystemFolder, LoadedAhead::kAlways, Search::kSearched},
    {"oleacc.dll", LibraryOrigin::kSystemFolder, LoadedAhead::kWithoutSearchSetting, Search::kSearched},
    {"version", LibraryOrigin::kSystemFolder, LoadedAhead::kWithoutSearchSetting, Search::kSearched},
    {"dwmapi", LibraryOrigin::kSystemFolder, LoadedAhead::kWithoutSearchSetting, Search::kSearched},
    {"cryptbase", LibraryOrigin::kSystemFolder, LoadedAhead::kWithoutSearchSetting, Search::kSearched},
    {"propsys", LibraryOrigin::kSystemFolder, LoadedAhead::kWithoutSearchSetting, Search::kSearched},
    {"apphelp", LibraryOrigin::kSystemFolder, LoadedAhead::kWithoutSearchSetting, Search::kSearched},
    {"userenv", LibraryOrigin::kSystemFolder, LoadedAhead::kWithoutSearchSetting, Search::kSearched},
    {"setupapi", LibraryOrigin::kSystemFolder, LoadedAhead::kWithoutSearchSetting, Search::kSearched},
    {"clbcatq", LibraryOrigin::kSystemFolder, LoadedAhead::kWithoutSearchSetting, Search::kSearched},
};

// The row of `name`; a name without a row throws (and does not compile in a constant expression).
constexpr const TrustedLibrary& Trusted(std::string_view name) {
    for (const TrustedLibrary& library : kTrustedLibraries) {
        if (name == library.name) return library;
    }
    throw "no such trusted library";  // NOLINT: reached only in a constant expression that then fails
}

}  // namespace velkorin::win32
