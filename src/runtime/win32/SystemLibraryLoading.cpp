#include "runtime/win32/SystemLibraryLoading.h"

#include <vector>

#include "runtime/Failure.h"
#include "runtime/win32/TextConversion.h"
#include "runtime/win32/Win32ProgramFolder.h"

namespace velkorin::win32 {

namespace {

// The activation-context functions, which Windows 2000 lacks, looked up in kernel32 by name: the
// binding tables stand on this loading, so it takes nothing from them.
template <class Fn>
Fn Kernel32Function(const char* name) {
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32"), name)));
}
using FindActCtxSectionStringAFn = BOOL(WINAPI*)(DWORD, const GUID*, ULONG, LPCSTR, ACTCTX_SECTION_KEYED_DATA*);
using QueryActCtxWFn = BOOL(WINAPI*)(DWORD, HANDLE, PVOID, ULONG, PVOID, SIZE_T, SIZE_T*);
using ReleaseActCtxFn = void(WINAPI*)(HANDLE);

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

// The loader's paths and the system's folder names differ in case at most ("WinSxS", "winsxs").
char FoldCase(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool StartsWithIgnoringCase(const std::string& text, const std::string& prefix) {
    if (text.size() < prefix.size()) return false;
    for (size_t i = 0; i < prefix.size(); ++i) {
        if (FoldCase(text[i]) != FoldCase(prefix[i])) return false;
    }
    return true;
}

bool EqualsIgnoringCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && StartsWithIgnoringCase(a, b);
}

// One folder's name, not a path: nothing that could lead out of the folder that holds it.
bool IsPlainFolderName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." && name.find_first_of("\\/:") == std::string::npos;
}

std::string WideField(const wchar_t* text, DWORD bytes) {
    return text ? WideToUtf8(text, static_cast<int>(bytes / sizeof(wchar_t))) : std::string();
}

// An activation context handle that FindActCtxSectionString handed out, released at the end
// (every system that hands one out has the function that releases it).
class ActivationContextRef {
public:
    explicit ActivationContextRef(HANDLE context) : context_(context) {}
    ~ActivationContextRef() {
        const auto release = Kernel32Function<ReleaseActCtxFn>("ReleaseActCtx");
        if (context_ && release) release(context_);
    }
    ActivationContextRef(const ActivationContextRef&) = delete;
    ActivationContextRef& operator=(const ActivationContextRef&) = delete;

private:
    HANDLE context_;
};

// The folder that the assembly at `rosterIndex` of `context` lives in, where that folder is one of
// the side-by-side store's; else empty. The loader gives a store assembly's folder as its name in
// the store or as a full path, and its manifest lies in the store too; an assembly of the
// program's own (the manifest beside it) has its manifest elsewhere.
std::string StoreAssemblyFolder(HANDLE context, DWORD rosterIndex) {
    const auto query = Kernel32Function<QueryActCtxWFn>("QueryActCtxW");
    if (!query) return std::string();
    SIZE_T needed = 0;
    query(0, context, &rosterIndex, AssemblyDetailedInformationInActivationContext, nullptr, 0, &needed);
    if (needed < sizeof(ACTIVATION_CONTEXT_ASSEMBLY_DETAILED_INFORMATION)) return std::string();
    std::vector<ULONG_PTR> buffer(needed / sizeof(ULONG_PTR) + 1);  // aligned for the record's pointers
    if (!query(0, context, &rosterIndex, AssemblyDetailedInformationInActivationContext, buffer.data(),
               buffer.size() * sizeof(ULONG_PTR), &needed)) {
        return std::string();
    }
    const auto& assembly = *reinterpret_cast<const ACTIVATION_CONTEXT_ASSEMBLY_DETAILED_INFORMATION*>(buffer.data());

    const std::string store = SystemReportedFolder(GetSystemWindowsDirectoryW);  // not the per-user Windows folder
    if (store.empty()) return std::string();
    const std::string storeRoot = store + "WinSxS\\";
    const std::string manifest = WideField(assembly.lpAssemblyManifestPath, assembly.ulManifestPathLength);
    std::string folder = WideField(assembly.lpAssemblyDirectoryName, assembly.ulAssemblyDirectoryNameLength);
    if (!StartsWithIgnoringCase(manifest, storeRoot)) return std::string();
    if (StartsWithIgnoringCase(folder, storeRoot)) folder.erase(0, storeRoot.size());
    if (!folder.empty() && folder.back() == '\\') folder.pop_back();
    if (!IsPlainFolderName(folder)) return std::string();
    return storeRoot + folder;
}

// The libraries that a "<program>.local" would bring from the program's folder on the systems that
// honour it: the program's own that are not known DLLs there.
bool IsRedirectedByDotLocal(std::string name) {
    if (name.size() > 4 && EqualsIgnoringCase(name.substr(name.size() - 4), ".dll")) name.resize(name.size() - 4);
    for (const char* library : {"uxtheme", "msimg32", "comctl32"}) {
        if (EqualsIgnoringCase(name, library)) return true;
    }
    return false;
}

}  // namespace

std::string SystemLibraryPath(const std::string& name) {
    const std::string folder = SystemReportedFolder(GetSystemDirectoryW);
    if (folder.empty()) return std::string();
    return folder + name + (name.find('.') == std::string::npos ? ".dll" : "");
}

std::string SideBySideLibraryPath(const char* dll) {
    const auto find = Kernel32Function<FindActCtxSectionStringAFn>("FindActCtxSectionStringA");
    ACTCTX_SECTION_KEYED_DATA data = {};
    data.cbSize = sizeof(data);
    if (!find || !find(FIND_ACTCTX_SECTION_KEY_RETURN_HACTCTX, nullptr, ACTIVATION_CONTEXT_SECTION_DLL_REDIRECTION,
                       dll, &data)) {
        return std::string();  // nothing redirected, or no activation contexts on this system
    }
    ActivationContextRef context(data.hActCtx);
    const std::string folder = StoreAssemblyFolder(data.hActCtx, data.ulAssemblyRosterIndex);
    return folder.empty() ? std::string() : folder + "\\" + dll;
}

bool ProgramHasDotLocal() {
    try {
        const WideText dotLocal = Utf8ToWide(ProgramFilePath() + ".local");
        return GetFileAttributesW(dotLocal.c_str()) != INVALID_FILE_ATTRIBUTES;
    } catch (const Failure&) {
        return false;  // the program's own path cannot be read: there is nothing to look beside
    }
}

LoadedLibrary LoadLibraryFrom(const std::string& name, LibraryOrigin origin) {
    if (origin == LibraryOrigin::kInProcess) return {GetModuleHandleA(name.c_str()), name};
    LoadedLibrary library;
    // Where the system would take such a library from the program's folder whatever path is asked
    // for, the library is missing.
    if (IsRedirectedByDotLocal(name) && ProgramHasDotLocal()) return library;
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
