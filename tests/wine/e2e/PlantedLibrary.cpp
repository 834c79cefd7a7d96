// planted_library.dll: copied into a program folder under the name of a system library (uxtheme.dll,
// comctl32.dll, msimg32.dll), as someone who can write to that folder would plant it. It exports
// nothing; whenever a process loads it, it leaves "<its own path>.loaded" beside itself.
#include <windows.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID) {
    if (reason != DLL_PROCESS_ATTACH) return TRUE;
    static wchar_t path[32768 + 8];  // any path the system can give
    const DWORD length = GetModuleFileNameW(self, path, 32768);
    if (length == 0 || length >= 32768) return TRUE;
    lstrcatW(path, L".loaded");
    const HANDLE marker = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (marker != INVALID_HANDLE_VALUE) CloseHandle(marker);
    return TRUE;
}
