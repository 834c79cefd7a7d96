#pragma once

#include <windows.h>

#include <string>
#include <utility>

#include "runtime/Failure.h"
#include "runtime/win32/LibraryPolicy.h"
#include "runtime/win32/SystemLibraryLoading.h"

namespace velkorin::win32 {

// A library loaded at the first call of one of its functions, from where `origin` says, and kept
// for the life of the process. Success and failure are both remembered.
class BoundLibrary {
public:
    explicit BoundLibrary(const char* name, LibraryOrigin origin = LibraryOrigin::kSystemFolder)
        : name_(name), origin_(origin) {}
    explicit BoundLibrary(const TrustedLibrary& trusted) : BoundLibrary(trusted.name, trusted.origin) {}
    BoundLibrary(const BoundLibrary&) = delete;
    BoundLibrary& operator=(const BoundLibrary&) = delete;

    const char* Name() const { return name_; }
    // What the load asked the system for, a full path or the bare name; empty before the first call.
    const std::string& Requested() const { return requested_; }
    // The function's address; a missing library or entry point is a Failure of the calling step.
    FARPROC Resolve(const char* function);
    // Why a function of this library could not be bound: the library itself (53) once its load
    // failed, else the entry point (453). The same answer at every call, not only the first.
    Failure Unbound(const char* function) const;

private:
    const char* name_;
    LibraryOrigin origin_;
    std::string requested_;
    HMODULE module_ = nullptr;
    bool tried_ = false;
};

// One function of a library, bound at its first call. Fn is the function's pointer type with its
// calling convention written out (WINAPI), which the 32-bit build depends on.
template <class Fn>
class Bound {
public:
    Bound(BoundLibrary& library, const char* name) : library_(library), name_(name) {}
    Bound(const Bound&) = delete;
    Bound& operator=(const Bound&) = delete;

    template <class... Args>
    auto operator()(Args&&... args) {
        if (!tried_) {
            tried_ = true;
            proc_ = reinterpret_cast<void*>(library_.Resolve(name_));
        }
        if (!proc_) throw library_.Unbound(name_);
        return reinterpret_cast<Fn>(proc_)(std::forward<Args>(args)...);
    }

private:
    BoundLibrary& library_;
    const char* name_;
    void* proc_ = nullptr;
    bool tried_ = false;
};

// Export Foo of a table's library: the pointer type FooFn, declared beside it, and the member pFoo,
// looked up by the same token so name and lookup cannot drift.
#define VELKORIN_BIND(name) ::velkorin::win32::Bound<name##Fn> p##name{library, #name}

}  // namespace velkorin::win32
