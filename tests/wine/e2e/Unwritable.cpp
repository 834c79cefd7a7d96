#include "wine/e2e/Unwritable.h"

#include <windows.h>

#include <cwchar>

#include "wine/e2e/E2eSupport.h"
#include "runtime/win32/ScopedHandles.h"

namespace velkorin::e2e {

namespace {

bool IsFolder(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Asks for write access and leaves nothing behind: a file is opened for appending, and a new file
// of a fresh name in a folder goes again when its handle closes.
bool Writable(const std::wstring& path) {
    if (IsFolder(path)) {
        static unsigned probes = 0;
        const std::wstring probe =
            path + L"\\write probe " + std::to_wstring(GetCurrentProcessId()) + L"." + std::to_wstring(++probes);
        return static_cast<bool>(win32::OwnFile(
            CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_FLAG_DELETE_ON_CLOSE, nullptr)));
    }
    return static_cast<bool>(
        win32::OwnFile(CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                            nullptr, OPEN_EXISTING, 0, nullptr)));
}

// Wine's own exports that map between its paths and the host's; the results come from the process heap.
using UnixFileNameFn = char*(CDECL*)(LPCWSTR);
using DosFileNameFn = WCHAR*(CDECL*)(LPCSTR);
constexpr UINT kWineUnixCodePage = 65010;  // the code page of host file names, in Wine

template <class Fn>
Fn WineExport(const char* name) {
    // Through void*: GetProcAddress gives every export one function type.
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), name)));
}

std::wstring HostPath(const std::wstring& path) {
    const auto toUnix = WineExport<UnixFileNameFn>("wine_get_unix_file_name");
    char* unixName = toUnix ? toUnix(path.c_str()) : nullptr;
    if (!unixName) return std::wstring();
    std::wstring wide(static_cast<size_t>(MultiByteToWideChar(kWineUnixCodePage, 0, unixName, -1, nullptr, 0)), L'\0');
    MultiByteToWideChar(kWineUnixCodePage, 0, unixName, -1, &wide[0], static_cast<int>(wide.size()));
    HeapFree(GetProcessHeap(), 0, unixName);
    wide.resize(wcslen(wide.c_str()));
    return wide;
}

std::wstring WindowsPath(const char* hostPath) {
    const auto toDos = WineExport<DosFileNameFn>("wine_get_dos_file_name");
    WCHAR* dosName = toDos ? toDos(hostPath) : nullptr;
    if (!dosName) return std::wstring();
    std::wstring path = dosName;
    HeapFree(GetProcessHeap(), 0, dosName);
    return path;
}

// Runs chattr with the flag on the path through the host's shell. Wine starts a host program
// without a process handle to wait on, so the shell writes chattr's exit status to a file of ours.
bool Chattr(const wchar_t* flag, const std::wstring& path) {
    wchar_t folder[MAX_PATH] = L"", status[MAX_PATH] = L"";
    if (!GetTempPathW(MAX_PATH, folder) || !GetTempFileNameW(folder, L"chattr", 0, status)) return false;
    const std::wstring shell = WindowsPath("/bin/sh"), hostPath = HostPath(path), hostStatus = HostPath(status);
    // IFS empty: the arguments are used whole, blanks and all.
    std::wstring commandLine = L"\"" + shell + L"\" -c \"IFS=; chattr $1 $2; echo $? >$3\" sh " + flag + L" \"" +
                               hostPath + L"\" \"" + hostStatus + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    bool done = false;
    if (!shell.empty() && !hostPath.empty() && !hostStatus.empty() &&
        CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
        const win32::UniqueHandle thread(info.hThread), process(info.hProcess);
        std::string exitStatus;
        done = WaitFor([&] { return EndsWith((exitStatus = ReadBytes(status)), std::string("\n")); }) &&
               exitStatus == "0\n";
    }
    DeleteFileW(status);
    return done;
}

}  // namespace

bool MakeUnwritable(const std::wstring& path) {
    if (!IsFolder(path)) SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY);
    return !Writable(path) || (Chattr(L"+i", path) && !Writable(path));
}

bool MakeWritable(const std::wstring& path) {
    const bool folder = IsFolder(path);
    if (!folder) SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (Writable(path)) return true;
    const bool writable = Chattr(L"-i", path) && Writable(path);
    // The attribute cannot change while the flag is on.
    if (!folder) SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    return writable;
}

}  // namespace velkorin::e2e
