#include "runtime/win32/LibrarySearch.h"

#include <windows.h>

#include "runtime/Failure.h"
#include "runtime/win32/LibraryPolicy.h"
#include "runtime/win32/SystemLibraries.h"
#include "runtime/win32/SystemLibraryLoading.h"

namespace velkorin::win32 {

namespace {

constexpr DWORD kSearchSystemFolder = 0x00000800;  // LOAD_LIBRARY_SEARCH_SYSTEM32, newer than our headers

// The rows of the trusted libraries that are loaded ahead so; absent ones stay absent.
void LoadAhead(LoadedAhead which) {
    for (const TrustedLibrary& library : kTrustedLibraries) {
        if (library.ahead == which) LoadLibraryFrom(library.name, library.origin);
    }
}

bool IsWindows7OrLater() {
    const DWORD version = GetVersion();
    const BYTE major = LOBYTE(LOWORD(version)), minor = HIBYTE(LOWORD(version));
    return major > 6 || (major == 6 && minor >= 1);
}

// The system folder as the one place a bare name is looked for: Windows 8 and later, and 7 with the
// update that added the setting. Not on Vista, which has it with the same update but where COM then
// fails to create in-process servers (the database components this program tests are such servers,
// and live outside the system folder).
bool SearchOnlyTheSystemFolder() {
    if (!IsWindows7OrLater()) return false;
    try {
        return Kernel32().pSetDefaultDllDirectories(kSearchSystemFolder) != FALSE;
    } catch (const Failure&) {
        return false;  // 7 without the update
    }
}

}  // namespace

void KeepLibrarySearchOutOfTheProgramFolder() {
    // The current folder leaves the search order (XP SP1 and later); it is the program's own folder
    // when the program is started from there.
    try {
        Kernel32().pSetDllDirectoryA("");
    } catch (const Failure&) {
    }
    const bool onlyTheSystemFolder = SearchOnlyTheSystemFolder();
    // A library of a name already in the process answers a bare-name request, so the system
    // folder's are loaded now by their full paths (none where a "<program>.local" is honoured: the
    // loads refuse to go there).
    LoadAhead(LoadedAhead::kAlways);
    if (!onlyTheSystemFolder) LoadAhead(LoadedAhead::kWithoutSearchSetting);
}

}  // namespace velkorin::win32
