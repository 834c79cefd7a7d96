#include "runtime/win32/SystemLibraryLoading.h"

#include <vector>

#include "runtime/Failure.h"
#include "runtime/win32/ActivationContexts.h"
#include "runtime/win32/InProcessFunction.h"
#include "runtime/win32/LibraryRedirection.h"
#include "runtime/win32/TextConversion.h"

namespace velkorin::win32 {

namespace {

using FindActCtxSectionStringAFn = BOOL(WINAPI*)(DWORD, const GUID*, ULONG, LPCSTR, ACTCTX_SECTION_KEYED_DATA*);

// A folder the system reports, "<folder>\" in UTF-8; empty when it cannot be read.
template <class GetFolder>
std::string SystemReportedFolder(GetFolder getFolder) {
    const UINT size = getFolder(nullptr, 0);  // with the terminating zero
    if (size == 0) return std::string();
    std::vector<wchar_t> folder(size);
    const UINT length = getFolder(folder.data(), size);
    if (length == 0 || length >= size) return std::string();
    std::string path = WideToUtf8(folder.data(), static_cast<int>(length));
    if (path.back() != '\\') path += '\\';
    return path;
}

}  // namespace

std::string SystemLibraryPath(const std::string& name) {
    const std::string folder = SystemReportedFolder(GetSystemDirectoryW);
    if (folder.empty()) return std::string();
    return folder + name + (name.find('.') == std::string::npos ? ".dll" : "");
}

std::string SideBySideLibraryPath(const char* dll) {
    const auto find = InProcessFunction<FindActCtxSectionStringAFn>("kernel32", "FindActCtxSectionStringA");
    ACTCTX_SECTION_KEYED_DATA data = {};
    data.cbSize = sizeof(data);
    if (!find || !find(FIND_ACTCTX_SECTION_KEY_RETURN_HACTCTX, nullptr, ACTIVATION_CONTEXT_SECTION_DLL_REDIRECTION,
                       dll, &data)) {
        return std::string();  // nothing redirected, or no activation contexts on this system
    }
    ActivationContextRef context(data.hActCtx);
    ContextAssembly assembly;
    if (!ReadContextAssembly(data.hActCtx, data.ulAssemblyRosterIndex, assembly)) return std::string();
    const std::string folder = StoreFolderOf(assembly);
    return folder.empty() ? std::string() : folder + "\\" + dll;
}

LoadedLibrary LoadLibraryFrom(const std::string& name, LibraryOrigin origin) {
    if (origin == LibraryOrigin::kInProcess) return {GetModuleHandleA(name.c_str()), name};
    LoadedLibrary library;
    // Where the system would take any library from the program's folder whatever path is asked
    // for, the library is missing.
    if (DotLocalRedirectsLoads()) return library;
    // Common controls 6 are the store's comctl32.dll that the application's manifest sends
    // "comctl32.dll" to; the system folder's is version 5.
    if (origin == LibraryOrigin::kCommonControls) library.requested = SideBySideLibraryPath(name.c_str());
    if (library.requested.empty()) library.requested = SystemLibraryPath(name);
    if (library.requested.empty()) return library;
    // The altered search path makes the loader look for the library's own imports in its folder first.
    library.module = LoadLibraryExW(Utf8ToWide(library.requested).c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    return library;
}

}  // namespace velkorin::win32
