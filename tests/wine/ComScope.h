#pragma once

#include <windows.h>
#include <objbase.h>

namespace velkorin::win32 {

// COM for a test program's thread (single-threaded apartment); uninitialised only after a successful
// initialise. The product itself starts COM through OLE (OleScope).
class ComScope {
public:
    ComScope() : hr_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~ComScope() {
        if (SUCCEEDED(hr_)) CoUninitialize();
    }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;

    HRESULT Result() const { return hr_; }

private:
    HRESULT hr_;
};

}  // namespace velkorin::win32
