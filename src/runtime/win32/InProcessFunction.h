#pragma once

#include <windows.h>

namespace velkorin::win32 {

// A function of a library already in the process (kernel32; advapi32, which ole32 imports), looked
// up by name: null where the library or the function is missing. The binding tables stand on
// library loading, which stands on this, so it takes nothing from them.
template <class Fn>
Fn InProcessFunction(const char* library, const char* name) {
    const HMODULE module = GetModuleHandleA(library);
    return module ? reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}

}  // namespace velkorin::win32
