#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>
#include <utility>

// The scoped owners of the platform's handles, for the product, its tests and the bench alike: each
// gives back what it holds on every way out of its scope, by the matching Win32 call.

namespace velkorin::win32 {

// Handles that one call releases: owned by a unique_ptr whose deleter is that call.
template <auto Release>
struct Releaser {
    template <class T>
    void operator()(T handle) const {
        Release(handle);
    }
};
using UniqueHandle = std::unique_ptr<void, Releaser<&CloseHandle>>;  // file, process, thread, job, event
using UniqueLibrary = std::unique_ptr<HINSTANCE__, Releaser<&FreeLibrary>>;
using UniqueHook = std::unique_ptr<HHOOK__, Releaser<&UnhookWindowsHookEx>>;
using UniqueIcon = std::unique_ptr<HICON__, Releaser<&DestroyIcon>>;
using GlobalMemory = std::unique_ptr<void, Releaser<&GlobalFree>>;

// CreateFile's failure value as an empty owner.
inline UniqueHandle OwnFile(HANDLE file) { return UniqueHandle(file == INVALID_HANDLE_VALUE ? nullptr : file); }

// One GDI object (a brush, bitmap, font or region), deleted at the end of its life; stock objects
// never go in.
template <class H>
using GdiObject = std::unique_ptr<std::remove_pointer_t<H>, Releaser<&DeleteObject>>;

// Selects an object into a device context and puts the previous one back at the end of its life,
// before either is deleted.
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

// The screen's (nullptr) or a window's device context from GetDC, released at the end of its life.
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

// A memory device context, deleted at the end of its life. Whatever is selected into it must be put
// back before then (SelectionGuard).
class MemoryDc {
public:
    explicit MemoryDc(HDC compatibleWith) : dc_(CreateCompatibleDC(compatibleWith)) {}
    ~MemoryDc() {
        if (dc_) DeleteDC(dc_);
    }
    MemoryDc(const MemoryDc&) = delete;
    MemoryDc& operator=(const MemoryDc&) = delete;
    HDC Get() const { return dc_; }

private:
    HDC dc_;
};

// BeginPaint and, on every way out, EndPaint.
class PaintDc {
public:
    explicit PaintDc(HWND hwnd) : hwnd_(hwnd), dc_(BeginPaint(hwnd, &paint_)) {}
    ~PaintDc() { EndPaint(hwnd_, &paint_); }
    PaintDc(const PaintDc&) = delete;
    PaintDc& operator=(const PaintDc&) = delete;
    HDC Get() const { return dc_; }

private:
    HWND hwnd_;
    PAINTSTRUCT paint_ = {};
    HDC dc_;
};

}  // namespace velkorin::win32
