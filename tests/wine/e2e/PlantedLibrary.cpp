// planted_library.dll: copied into a program folder under the name of a system library (uxtheme.dll,
// comctl32.dll, msimg32.dll), as someone who can write to that folder would plant it. It exports
// nothing. A process that loads it and keeps it finds "<its own path>.loaded" beside it.
//
// A load that lets go of it again while the process runs takes the marker away: Wine's own user32
// loads uxtheme.dll by its bare name as every process starts, looks for its theme hooks and frees
// it (Windows' user32 takes the system's). The program's binding tables never free a library.
#include <windows.h>

#include "runtime/win32/ScopedHandles.h"

namespace {
wchar_t marker[32768 + 8];  // any path the system can give
}

extern "C" BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID reserved) {
    if (reason == DLL_PROCESS_ATTACH) {
        const DWORD length = GetModuleFileNameW(self, marker, 32768);
        if (length == 0 || length >= 32768) return TRUE;
        lstrcatW(marker, L".loaded");
        velkorin::win32::OwnFile(CreateFileW(marker, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));  // made, closed
    } else if (reason == DLL_PROCESS_DETACH && reserved == nullptr) {  // FreeLibrary, not the process's end
        DeleteFileW(marker);
    }
    return TRUE;
}
