#include "runtime/win32/BoundLibrary.h"

namespace velkorin::win32 {

FARPROC BoundLibrary::Resolve(const char* function) {
    if (!tried_) {
        tried_ = true;
        LoadedLibrary loaded = LoadLibraryFrom(name_, origin_);
        module_ = loaded.module;
        requested_ = std::move(loaded.requested);
    }
    FARPROC proc = module_ ? GetProcAddress(module_, function) : nullptr;
    if (!proc) throw Unbound(function);
    return proc;
}

Failure BoundLibrary::Unbound(const char* function) const {
    if (!module_) return Failure::LibraryNotFound(name_);
    return Failure::EntryPointNotFound(function, name_);
}

}  // namespace velkorin::win32
