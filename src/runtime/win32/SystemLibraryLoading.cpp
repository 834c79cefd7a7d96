#include "runtime/win32/SystemLibraryLoading.h"

#include <vector>

#include "runtime/Failure.h"
#include "runtime/win32/SystemLibraries.h"

namespace velkorin::win32 {

std::string SystemLibraryPath(const std::string& name) {
    const UINT size = GetSystemDirectoryA(nullptr, 0);  // with the terminating zero
    if (size == 0) return std::string();
    std::vector<char> folder(size);
    const UINT length = GetSystemDirectoryA(folder.data(), size);
    if (length == 0 || length >= size) return std::string();
    std::string path(folder.data(), length);
    if (path.back() != '\\') path += '\\';
    path += name;
    if (name.find('.') == std::string::npos) path += ".dll";
    return path;
}

// Common controls 6 reach a process only by name: the activation context that the application's
// manifest makes maps "comctl32.dll" to the side-by-side assembly, and a path in the system folder
// would bypass it and bind version 5. So the name is used exactly when the context redirects it.
std::string LibraryRequest(const std::string& name, LibraryOrigin origin) {
    switch (origin) {
    case LibraryOrigin::kInProcess: return name;
    case LibraryOrigin::kCommonControls:
        if (ActivationContextRedirects(name.c_str())) return name;
        return SystemLibraryPath(name);
    case LibraryOrigin::kSystemFolder: return SystemLibraryPath(name);
    }
    return std::string();
}

HMODULE LoadRequestedLibrary(const std::string& request, LibraryOrigin origin) {
    if (request.empty()) return nullptr;
    if (origin == LibraryOrigin::kInProcess) return GetModuleHandleA(request.c_str());
    // A full path: the altered search path makes the loader look for the library's own imports in
    // its folder, the system folder, first.
    if (request.find('\\') != std::string::npos)
        return LoadLibraryExA(request.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    // comctl32 by name, through the activation context. Its imports are looked for the usual way,
    // the program's folder first, unless a library of that name is in the process already: the
    // visual-style library that common controls 6 draw with comes from the system folder before.
    LoadLibraryExA(SystemLibraryPath("uxtheme.dll").c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    return LoadLibraryA(request.c_str());
}

bool ActivationContextRedirects(const char* dll) {
    ACTCTX_SECTION_KEYED_DATA data = {};
    data.cbSize = sizeof(data);
    try {
        return Kernel32().pFindActCtxSectionStringA(0, nullptr, ACTIVATION_CONTEXT_SECTION_DLL_REDIRECTION, dll,
                                                    &data) != FALSE;
    } catch (const Failure&) {
        return false;  // no such function: no activation contexts, nothing redirected
    }
}

}  // namespace velkorin::win32
