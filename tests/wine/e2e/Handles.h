#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

namespace velkorin::e2e {

// Owners of what the driver opens, each released on scope exit by the matching Win32 call.
template <auto Release>
struct Releaser {
    template <class T>
    void operator()(T handle) const { Release(handle); }
};
using UniqueHandle = std::unique_ptr<void, Releaser<&CloseHandle>>;  // process, thread, job, file
using MemoryDc = std::unique_ptr<HDC__, Releaser<&DeleteDC>>;
template <class T>
using GdiObject = std::unique_ptr<std::remove_pointer_t<T>, Releaser<&DeleteObject>>;  // bitmap, font
using UniqueLibrary = std::unique_ptr<HINSTANCE__, Releaser<&FreeLibrary>>;
using UniqueHook = std::unique_ptr<HHOOK__, Releaser<&UnhookWindowsHookEx>>;

// CreateFileW's failure value as an empty owner.
inline UniqueHandle OwnFile(HANDLE file) { return UniqueHandle(file == INVALID_HANDLE_VALUE ? nullptr : file); }

// A DC from GetDC (nullptr: the whole screen).
class WindowDc {
public:
    explicit WindowDc(HWND hwnd) : hwnd_(hwnd), dc_(GetDC(hwnd)) {}
    ~WindowDc() {
        if (dc_) ReleaseDC(hwnd_, dc_);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC Get() const { return dc_; }

private:
    HWND hwnd_;
    HDC dc_;
};

// Selects an object into a DC and puts the previous one back, before either is deleted.
class Selection {
public:
    Selection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~Selection() {
        if (previous_) SelectObject(dc_, previous_);
    }
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

}  // namespace velkorin::e2e
