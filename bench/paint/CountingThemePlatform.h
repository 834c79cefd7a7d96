#pragma once

#include <map>
#include <string>

#include "common/CallTime.h"
#include "xptheme/ThemePlatform.h"

namespace velkorin::bench {

// What the module made and gave back through its platform table.
struct ResourceCounts {
    long long gdiObjectsMade = 0;  // regions, brushes, bitmaps
    long long gdiObjectsDeleted = 0;
    long long memoryDcsMade = 0;
    long long memoryDcsDeleted = 0;
    long long dcsGot = 0;  // GetDC: the window manager's device contexts
    long long dcsReleased = 0;
    long long themesOpened = 0;
    long long themesClosed = 0;
    long long failuresReported = 0;  // the module's error reporter writes to the debugger channel
    long long themedFaces = 0;       // DrawThemeBackground calls
    int32_t lastFaceState = 0;       // the state of the last one

    long long LiveGdiObjects() const { return gdiObjectsMade - gdiObjectsDeleted; }
    long long LiveMemoryDcs() const { return memoryDcsMade - memoryDcsDeleted; }
    long long HeldDcs() const { return dcsGot - dcsReleased; }
    long long OpenThemes() const { return themesOpened - themesClosed; }
};

// The real platform table with a count of every object made and released through it, and the time
// spent in each function. GetGuiResources answers 0 under Wine, so the module's own calls are what
// is counted.
class CountingThemePlatform : public ThemePlatform {
public:
    explicit CountingThemePlatform(ThemePlatform& real) : real_(real) {}

    const ResourceCounts& Counts() const { return counts_; }
    const std::map<std::string, CallTime>& Profile() const { return profile_; }

    VELKORIN_THEME_PLATFORM_FUNCTIONS(VELKORIN_THEME_PLATFORM_OVERRIDE)

private:
    ThemePlatform& real_;
    ResourceCounts counts_;
    std::map<std::string, CallTime> profile_;
};

}  // namespace velkorin::bench
