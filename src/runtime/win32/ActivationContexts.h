#pragma once

#include <windows.h>

#include <string>

namespace velkorin::win32 {

// Activation contexts as the loader reads them. Windows 2000 has none: there every query answers
// "nothing", as for a context that redirects nothing. Paths here are UTF-8.

// An activation context handle that the system handed out, released at the end (every system that
// hands one out has the function that releases it).
class ActivationContextRef {
public:
    explicit ActivationContextRef(HANDLE context) : context_(context) {}
    ~ActivationContextRef();
    ActivationContextRef(const ActivationContextRef&) = delete;
    ActivationContextRef& operator=(const ActivationContextRef&) = delete;

private:
    HANDLE context_;
};

// One assembly of a context: the full path of its manifest, its folder as the loader gives it (a
// name in the store or a full path), and how many files it names.
struct ContextAssembly {
    std::string manifest;
    std::string folder;
    DWORD files = 0;
};

// How many assemblies `context` holds (null: the process's default context); 0 where it holds none
// or cannot be read.
DWORD ContextAssemblyCount(HANDLE context);

// The assembly at `rosterIndex` (1 is the context's own) of `context`; false where it cannot be read.
bool ReadContextAssembly(HANDLE context, DWORD rosterIndex, ContextAssembly& assembly);

// The folder of `assembly` in the system's side-by-side store (<Windows folder>\WinSxS\<name>),
// where its manifest lies in the store and its folder is one plain name in it; else empty. An
// assembly of a program's own (a manifest beside it) has its manifest elsewhere.
std::string StoreFolderOf(const ContextAssembly& assembly);

}  // namespace velkorin::win32
