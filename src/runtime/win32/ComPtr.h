#pragma once

#include <cassert>
#include <utility>

namespace velkorin::win32 {

// Owns one COM reference; move-only, so a careless copy cannot release twice.
template <class T>
class ComPtr {
public:
    ComPtr() = default;
    // Takes over a reference that the caller holds, as a new object's first one.
    static ComPtr Adopt(T* p) {
        ComPtr owner;
        owner.p_ = p;
        return owner;
    }
    ComPtr(ComPtr&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
    ComPtr& operator=(ComPtr&& other) noexcept {
        if (this != &other) {
            Reset();
            p_ = std::exchange(other.p_, nullptr);
        }
        return *this;
    }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ~ComPtr() { Reset(); }

    T* Get() const { return p_; }
    T* operator->() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }

    // Out-parameter for a creating call; the pointer must be empty.
    T** Put() {
        assert(!p_ && "ComPtr::Put into a live reference");
        return &p_;
    }
    void** PutVoid() { return reinterpret_cast<void**>(Put()); }

    void Reset() {
        if (p_) std::exchange(p_, nullptr)->Release();
    }

private:
    T* p_ = nullptr;
};

}  // namespace velkorin::win32
