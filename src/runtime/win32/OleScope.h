#pragma once

#include <windows.h>
#include <ole2.h>

namespace velkorin::win32 {

// OLE (and with it COM) for the one user-interface thread, for the components and the pictures;
// uninitialised only after a successful initialise.
class OleScope {
public:
    OleScope() : hr_(OleInitialize(nullptr)) {}
    ~OleScope() {
        if (SUCCEEDED(hr_)) OleUninitialize();
    }
    OleScope(const OleScope&) = delete;
    OleScope& operator=(const OleScope&) = delete;

    bool Ok() const { return SUCCEEDED(hr_); }

private:
    HRESULT hr_;
};

}  // namespace velkorin::win32
