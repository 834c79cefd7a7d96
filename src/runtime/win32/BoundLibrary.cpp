#include "BoundLibrary.h"

#include <string>

namespace velkorin::win32 {

FARPROC BoundLibrary::Resolve(const char* function) {
    if (!tried_) {
        tried_ = true;
        module_ = LoadLibraryA(name_);  // the system's own library names are plain ASCII
    }
    if (!module_) throw Failure::LibraryNotFound(name_);
    FARPROC proc = GetProcAddress(module_, function);
    if (!proc) throw Failure::EntryPointNotFound(function, name_);
    return proc;
}

}  // namespace velkorin::win32
