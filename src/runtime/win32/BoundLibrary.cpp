#include "runtime/win32/BoundLibrary.h"

#include <string>

namespace velkorin::win32 {

FARPROC BoundLibrary::Resolve(const char* function) {
    if (!tried_) {
        tried_ = true;
        module_ = LoadLibraryA(name_);  // the system's own library names are plain ASCII
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
