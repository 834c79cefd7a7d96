#include "runtime/win32/LibraryRedirection.h"

#include "runtime/Failure.h"
#include "runtime/win32/ActivationContexts.h"
#include "runtime/win32/InProcessFunction.h"
#include "runtime/win32/TextConversion.h"
#include "runtime/win32/Win32ProgramFolder.h"

namespace velkorin::win32 {

namespace {

using RegOpenKeyExWFn = LONG(WINAPI*)(HKEY, LPCWSTR, DWORD, REGSAM, HKEY*);
using RegQueryValueExWFn = LONG(WINAPI*)(HKEY, LPCWSTR, DWORD*, DWORD*, BYTE*, DWORD*);
using RegCloseKeyFn = LONG(WINAPI*)(HKEY);

constexpr REGSAM kRegistry64BitView = 0x0100;  // KEY_WOW64_64KEY, newer than our headers

// advapi32 is a known DLL, and in every process that has OLE: nothing new is loaded to read this.
bool DevOverrideEnabledIn(REGSAM view) {
    const auto open = InProcessFunction<RegOpenKeyExWFn>("advapi32", "RegOpenKeyExW");
    const auto query = InProcessFunction<RegQueryValueExWFn>("advapi32", "RegQueryValueExW");
    const auto close = InProcessFunction<RegCloseKeyFn>("advapi32", "RegCloseKey");
    if (!open || !query || !close) return false;
    HKEY key = nullptr;
    if (open(HKEY_LOCAL_MACHINE, L"Software\\Microsoft\\Windows NT\\CurrentVersion\\Image File Execution Options", 0,
             KEY_QUERY_VALUE | view, &key) != ERROR_SUCCESS) {
        return false;
    }
    DWORD value = 0, type = 0, size = sizeof(value);
    const bool read = query(key, L"DevOverrideEnable", nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) ==
                      ERROR_SUCCESS;
    close(key);
    return read && type == REG_DWORD && value != 0;
}

}  // namespace

WindowsRelease RunningWindowsRelease() {
    OSVERSIONINFOEXW info = {};
    info.dwOSVersionInfoSize = sizeof(info);
    if (!GetVersionExW(reinterpret_cast<OSVERSIONINFOW*>(&info))) return {};
    return {info.dwMajorVersion, info.dwMinorVersion, info.wServicePackMajor};
}

bool HonoursDotLocal(const WindowsRelease& release, bool machineEnablesRedirection) {
    if (release.major >= 6) return machineEnablesRedirection;
    if (release.major == 5 && release.minor == 1) return release.servicePack < 2;
    return release.major == 5 && release.minor == 0;
}

bool MachineEnablesDllRedirection() { return DevOverrideEnabledIn(0) || DevOverrideEnabledIn(kRegistry64BitView); }

bool ProgramHasDotLocal() {
    try {
        const WideText dotLocal = Utf8ToWide(ProgramFilePath() + ".local");
        return GetFileAttributesW(dotLocal.c_str()) != INVALID_FILE_ATTRIBUTES;
    } catch (const Failure&) {
        return false;  // the program's own path cannot be read: there is nothing to look beside
    }
}

bool MapsLibrariesOutsideTheStore(HANDLE context) {
    const DWORD assemblies = ContextAssemblyCount(context);
    for (DWORD index = 1; index <= assemblies; ++index) {
        ContextAssembly assembly;
        if (!ReadContextAssembly(context, index, assembly)) return true;
        if (assembly.files > 0 && StoreFolderOf(assembly).empty()) return true;
    }
    return false;
}

LibraryRedirect RedirectBesideTheProgram(const WindowsRelease& release, bool machineEnablesRedirection,
                                         HANDLE context) {
    if (HonoursDotLocal(release, machineEnablesRedirection) && ProgramHasDotLocal()) return LibraryRedirect::kDotLocal;
    if (MapsLibrariesOutsideTheStore(context)) return LibraryRedirect::kManifest;
    return LibraryRedirect::kNone;
}

bool DotLocalRedirectsLoads() {
    static const bool honoured = HonoursDotLocal(RunningWindowsRelease(), MachineEnablesDllRedirection());
    return honoured && ProgramHasDotLocal();
}

}  // namespace velkorin::win32
