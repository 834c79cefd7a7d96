#pragma once

#include <cstdint>

#include "xptheme/win32/Win32ThemePlatform.h"

namespace velkorin::themed {

// The real platform, except that DllGetVersion of the common controls reports at least the major
// version of the side-by-side assembly the process bound. Wine 8 binds the 6.0 assembly for a
// manifest that asks for it (its buttons then follow the visual style), yet its comctl32 answers
// DllGetVersion with 5.81 there too, so the module would never subclass anything under Wine.
// Windows gives 6 from both; there this changes nothing.
//
// It also leaves the outcome of each TrackMouseEvent call on the tracked window as the property
// "TrackMouseEvent" (1 accepted, 2 refused), so that a hover test can tell a hover that tracking
// reported from one that came some other way.
class AssemblyVersionPlatform : public win32::Win32ThemePlatform {
public:
    int32_t DllGetVersion(DllVersionInfo& info) override;
    bool TrackMouseEvent(const TrackMouseRecord& record) override;

    // What the library itself said at the last call, and the bound assembly's major version (0 when
    // the library does not come from a side-by-side assembly).
    uint32_t LibraryMajor() const { return libraryMajor_; }
    uint32_t AssemblyMajor() const { return assemblyMajor_; }

private:
    uint32_t libraryMajor_ = 0;
    uint32_t assemblyMajor_ = 0;
};

// The major version in the name of a common-controls assembly folder, as in
// "...\winsxs\amd64_microsoft.windows.common-controls_6595b64144ccf1df_6.0.2600.2982_none_...\comctl32.dll";
// 0 for any other path.
uint32_t CommonControlsAssemblyMajor(const wchar_t* modulePath);

}  // namespace velkorin::themed
