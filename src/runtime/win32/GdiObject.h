#pragma once

#include <windows.h>

#include <utility>

namespace velkorin::win32 {

// Owns one GDI object and deletes it at the end of its life; move-only. Stock objects never go in.
template <class H>
class GdiObject {
public:
    explicit GdiObject(H h = nullptr) : h_(h) {}
    GdiObject(GdiObject&& other) noexcept : h_(std::exchange(other.h_, nullptr)) {}
    GdiObject& operator=(GdiObject&& other) noexcept {
        if (this != &other) {
            Reset();
            h_ = std::exchange(other.h_, nullptr);
        }
        return *this;
    }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    ~GdiObject() { Reset(); }

    H Get() const { return h_; }
    void Reset() {
        if (h_) DeleteObject(std::exchange(h_, nullptr));
    }

private:
    H h_;
};

// Selects an object into a device context and puts the previous one back at the end of its life.
class SelectionGuard {
public:
    SelectionGuard(HDC hdc, HGDIOBJ object) : hdc_(hdc), previous_(SelectObject(hdc, object)) {}
    ~SelectionGuard() {
        if (previous_ && previous_ != HGDI_ERROR) SelectObject(hdc_, previous_);
    }
    SelectionGuard(const SelectionGuard&) = delete;
    SelectionGuard& operator=(const SelectionGuard&) = delete;

private:
    HDC hdc_;
    HGDIOBJ previous_;
};

// The screen's (or a window's) device context, released at the end of its life.
class ClientDc {
public:
    explicit ClientDc(HWND hwnd) : hwnd_(hwnd), hdc_(GetDC(hwnd)) {}
    ~ClientDc() {
        if (hdc_) ReleaseDC(hwnd_, hdc_);
    }
    ClientDc(const ClientDc&) = delete;
    ClientDc& operator=(const ClientDc&) = delete;
    HDC Get() const { return hdc_; }

private:
    HWND hwnd_;
    HDC hdc_;
};

}  // namespace velkorin::win32
