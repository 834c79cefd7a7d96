#pragma once

#include <windows.h>

namespace velkorin::win32 {

// What lies beside the program can send the libraries of the process to files of that folder,
// whatever path the program asks for: a "<program>.local" on the systems that honour one, and a
// manifest whose assemblies name files of their own on the systems that prefer it to the program's
// own. The program is started from folders that others can write to, so it decides at its first
// line, before anything is loaded, whether such a thing is there.

struct WindowsRelease {
    DWORD major = 0;
    DWORD minor = 0;
    WORD servicePack = 0;
};

// The release of the running system, as it reports itself to a program without a compatibility
// section (Windows 8.1 and later answer 6.2: the rules below are the same for all of them).
WindowsRelease RunningWindowsRelease();

// Whether `release` honours a "<program>.local", a file or a folder, for this program, which
// carries a manifest of its own:
// - Windows 2000, which introduced it: always (it knows no manifests);
// - XP before Service Pack 2: yes; Microsoft documents "ignored if a manifest is present" for XP SP2,
//   Server 2003 and later only;
// - XP SP2 and later, Server 2003: no;
// - Vista and later: only where an administrator has turned DLL redirection on for the machine
//   (DevOverrideEnable); what a manifest does to it then is not documented, so it counts.
bool HonoursDotLocal(const WindowsRelease& release, bool machineEnablesRedirection);

// Whether "Image File Execution Options\DevOverrideEnable" is set, in either registry view of a
// 64-bit system.
bool MachineEnablesDllRedirection();

// Whether "<program>.local" lies beside the program, as a file or a folder.
bool ProgramHasDotLocal();

// Whether `context` (null: the process's default context) maps any library name to a file outside
// the system's side-by-side store: a manifest beside the program, or a private assembly it names,
// with a <file> of its own. A context that cannot be read counts as one that does.
bool MapsLibrariesOutsideTheStore(HANDLE context);

enum class LibraryRedirect {
    kNone,
    kDotLocal,  // "<program>.local" on a system that honours it
    kManifest,  // an activation context that maps a library outside the store
};

// The decision of the program's first line, for `release` and the given context.
LibraryRedirect RedirectBesideTheProgram(const WindowsRelease& release, bool machineEnablesRedirection,
                                         HANDLE context);

// Whether a "<program>.local" sends this process's loads to the program's folder now: the system
// looks for it again at every load, so a later load asks again. False everywhere it is not honoured.
bool DotLocalRedirectsLoads();

}  // namespace velkorin::win32
