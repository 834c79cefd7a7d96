#pragma once

#include <windows.h>
#include <oleauto.h>

namespace velkorin::win32 {

// A VARIANT that is cleared (its BSTR freed, its object released) at the end of its life.
class ComVariant {
public:
    ComVariant() { VariantInit(&v_); }
    ~ComVariant() { VariantClear(&v_); }
    ComVariant(ComVariant&& other) noexcept {
        v_ = other.v_;
        VariantInit(&other.v_);
    }
    ComVariant(const ComVariant&) = delete;
    ComVariant& operator=(const ComVariant&) = delete;
    ComVariant& operator=(ComVariant&&) = delete;

    VARIANT* Get() { return &v_; }
    const VARIANT* Get() const { return &v_; }

private:
    VARIANT v_;
};

// A BSTR freed at the end of its life.
class Bstr {
public:
    explicit Bstr(BSTR b = nullptr) : b_(b) {}
    ~Bstr() { SysFreeString(b_); }
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;

    BSTR Get() const { return b_; }
    BSTR* Put() {
        SysFreeString(b_);
        b_ = nullptr;
        return &b_;
    }

private:
    BSTR b_;
};

}  // namespace velkorin::win32
