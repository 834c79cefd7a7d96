#include "runtime/win32/ActivationContexts.h"

#include <vector>

#include "runtime/Names.h"
#include "runtime/win32/InProcessFunction.h"
#include "runtime/win32/TextConversion.h"

namespace velkorin::win32 {

namespace {

using QueryActCtxWFn = BOOL(WINAPI*)(DWORD, HANDLE, PVOID, ULONG, PVOID, SIZE_T, SIZE_T*);
using ReleaseActCtxFn = void(WINAPI*)(HANDLE);

// One record of QueryActCtxW, in a buffer aligned for the pointers it holds; empty when it cannot
// be read. `subject` is what the class asks about (a roster index), or null.
std::vector<ULONG_PTR> QueryContext(HANDLE context, ULONG infoClass, void* subject) {
    const auto query = InProcessFunction<QueryActCtxWFn>("kernel32", "QueryActCtxW");
    if (!query) return {};
    SIZE_T needed = 0;
    query(0, context, subject, infoClass, nullptr, 0, &needed);
    if (needed == 0) return {};
    std::vector<ULONG_PTR> buffer(needed / sizeof(ULONG_PTR) + 1);
    if (!query(0, context, subject, infoClass, buffer.data(), buffer.size() * sizeof(ULONG_PTR), &needed)) return {};
    return buffer;
}

std::string WideField(const wchar_t* text, DWORD bytes) {
    return text ? WideToUtf8(text, static_cast<int>(bytes / sizeof(wchar_t))) : std::string();
}

bool StartsWithIgnoringCase(const std::string& text, const std::string& prefix) {
    return text.size() >= prefix.size() && SameName(text.substr(0, prefix.size()), prefix);
}

// One folder's name, not a path: nothing that could lead out of the folder that holds it.
bool IsPlainFolderName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." && name.find_first_of("\\/:") == std::string::npos;
}

// "<Windows folder>\WinSxS\": the system's, not the per-user Windows folder of a terminal server.
std::string SideBySideStoreRoot() {
    wchar_t windows[MAX_PATH];
    const UINT length = GetSystemWindowsDirectoryW(windows, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return std::string();
    std::string root = WideToUtf8(windows, static_cast<int>(length));
    if (root.back() != '\\') root += '\\';
    return root + "WinSxS\\";
}

}  // namespace

ActivationContextRef::~ActivationContextRef() {
    const auto release = InProcessFunction<ReleaseActCtxFn>("kernel32", "ReleaseActCtx");
    if (context_ && release) release(context_);
}

DWORD ContextAssemblyCount(HANDLE context) {
    const auto record = QueryContext(context, ActivationContextDetailedInformation, nullptr);
    if (record.size() * sizeof(ULONG_PTR) < sizeof(ACTIVATION_CONTEXT_DETAILED_INFORMATION)) return 0;
    return reinterpret_cast<const ACTIVATION_CONTEXT_DETAILED_INFORMATION*>(record.data())->ulAssemblyCount;
}

bool ReadContextAssembly(HANDLE context, DWORD rosterIndex, ContextAssembly& assembly) {
    const auto record = QueryContext(context, AssemblyDetailedInformationInActivationContext, &rosterIndex);
    if (record.size() * sizeof(ULONG_PTR) < sizeof(ACTIVATION_CONTEXT_ASSEMBLY_DETAILED_INFORMATION)) return false;
    const auto& info = *reinterpret_cast<const ACTIVATION_CONTEXT_ASSEMBLY_DETAILED_INFORMATION*>(record.data());
    assembly.manifest = WideField(info.lpAssemblyManifestPath, info.ulManifestPathLength);
    assembly.folder = WideField(info.lpAssemblyDirectoryName, info.ulAssemblyDirectoryNameLength);
    assembly.files = info.ulFileCount;
    // Wine reports no count; its first file answers all the same. Files are counted from 0, and so
    // are the assemblies that hold them (the roster from 1).
    ACTIVATION_CONTEXT_QUERY_INDEX firstFile = {rosterIndex - 1, 0};
    if (assembly.files == 0 &&
        !QueryContext(context, FileInformationInAssemblyOfAssemblyInActivationContext, &firstFile).empty()) {
        assembly.files = 1;
    }
    return true;
}

std::string StoreFolderOf(const ContextAssembly& assembly) {
    const std::string storeRoot = SideBySideStoreRoot();
    if (storeRoot.empty() || !StartsWithIgnoringCase(assembly.manifest, storeRoot)) return std::string();
    std::string folder = assembly.folder;
    if (StartsWithIgnoringCase(folder, storeRoot)) folder.erase(0, storeRoot.size());
    if (!folder.empty() && folder.back() == '\\') folder.pop_back();
    return IsPlainFolderName(folder) ? storeRoot + folder : std::string();
}

}  // namespace velkorin::win32
