// Numbers as text on Windows: the system's C runtime, msvcrt.dll, which every program of ours has in
// its process (the C runtime of MinGW stands on it). Its strtod and _snprintf rather than MinGW's
// portable versions, which would be about 35 KB of the program. Part of the neutral runtime library
// in the Windows builds: it needs nothing of the Win32 layer, so every program has numbers from its
// first line, with nothing to set up.
#include <windows.h>

#include <cerrno>
#include <cstdio>

#include "runtime/Failure.h"
#include "runtime/NumberText.h"

namespace velkorin {

namespace {

template <class Fn>
Fn CRuntimeFunction(const char* name) {
    const HMODULE runtime = GetModuleHandleA("msvcrt.dll");
    const FARPROC address = runtime ? GetProcAddress(runtime, name) : nullptr;
    const auto function = reinterpret_cast<Fn>(reinterpret_cast<void*>(address));
    if (!function) throw Failure::InternalError("no C runtime function for numbers");
    return function;
}

}  // namespace

std::string DoubleText(double value) {
    static const auto print = CRuntimeFunction<int(__cdecl*)(char*, size_t, const char*, ...)>("_snprintf");
    char buffer[40] = "";
    print(buffer, sizeof buffer - 1, "%.15g", value);  // room left for the terminator
    return buffer;
}

bool ReadDouble(const char* text, double& value, size_t& consumed) {
    static const auto read = CRuntimeFunction<double(__cdecl*)(const char*, char**)>("strtod");
    char* end = nullptr;
    errno = 0;
    value = read(text, &end);
    consumed = static_cast<size_t>(end - text);
    return consumed > 0 && errno != ERANGE;
}

}  // namespace velkorin
