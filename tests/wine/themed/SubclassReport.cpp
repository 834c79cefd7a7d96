#include "wine/themed/SubclassReport.h"

#include <windows.h>
#include <commctrl.h>

#include <cstdio>

#include "runtime/win32/ScopedHandles.h"
#include "runtime/win32/forms/WindowedControl.h"
#include "xptheme/win32/Win32Subclassing.h"

namespace velkorin::themed {

namespace {

struct Registration {
    bool present = false;
    DWORD_PTR reference = 0;
};

using GetWindowSubclassFn = BOOL(WINAPI*)(HWND, SUBCLASSPROC, UINT_PTR, DWORD_PTR*);

// The common-controls library the module bound: the one the manifest chose. Its import library
// does not name this export; older libraries give it by ordinal only.
GetWindowSubclassFn BindGetWindowSubclass() {
    HMODULE library = GetModuleHandleW(L"comctl32.dll");
    if (!library) return nullptr;
    FARPROC found = GetProcAddress(library, "GetWindowSubclass");
    if (!found) found = GetProcAddress(library, MAKEINTRESOURCEA(411));
    return reinterpret_cast<GetWindowSubclassFn>(reinterpret_cast<void*>(found));
}

Registration Find(GetWindowSubclassFn getWindowSubclass, HWND hwnd, SubclassProcedure procedure) {
    Registration found;
    found.present = getWindowSubclass(hwnd, win32::SubclassProcedures::For(procedure), 0, &found.reference) != FALSE;
    return found;
}

std::string Line(GetWindowSubclassFn getWindowSubclass, const std::string& name, const FormControl& control) {
    const auto* windowed = dynamic_cast<const win32::forms::WindowedControl*>(&control);
    HWND hwnd = windowed ? windowed->Hwnd() : nullptr;
    const Registration frame = Find(getWindowSubclass, hwnd, SubclassProcedure::RedirectFrame);
    const Registration button = Find(getWindowSubclass, hwnd, SubclassProcedure::RedirectButton);
    const Registration& found = frame.present ? frame : button;
    const char* ref = !found.present || found.reference == 0 ? "none"
                      : found.reference == IdentityOf(control) ? "self"
                                                               : "other";
    char line[160];
    std::snprintf(line, sizeof line, "%s hwnd=%ld frame=%d button=%d ref=%s\n", name.c_str(), HandleToLong(hwnd),
                  frame.present ? 1 : 0, button.present ? 1 : 0, ref);
    return line;
}

}  // namespace

bool WriteSubclassReport(const std::wstring& path, uint32_t libraryMajor, uint32_t assemblyMajor,
                         const NamedControls& controls) {
    const GetWindowSubclassFn getWindowSubclass = BindGetWindowSubclass();
    if (!getWindowSubclass) return false;
    std::string text =
        "comctl32 library=" + std::to_string(libraryMajor) + " assembly=" + std::to_string(assemblyMajor) + "\n";
    for (const auto& [name, control] : controls) text += Line(getWindowSubclass, name, *control);
    const std::wstring partial = path + L".partial";
    {
        const win32::UniqueHandle file = win32::OwnFile(
            CreateFileW(partial.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        DWORD written = 0;
        if (!file || !WriteFile(file.get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr) ||
            written != text.size()) {
            return false;
        }
    }
    return MoveFileExW(partial.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING);
}

}  // namespace velkorin::themed
