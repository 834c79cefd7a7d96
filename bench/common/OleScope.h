#pragma once

#include <windows.h>
#include <ole2.h>

namespace velkorin::bench {

// OLE (and with it COM) for this thread, as the program has it; uninitialised only after a
// successful initialise.
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

}  // namespace velkorin::bench
