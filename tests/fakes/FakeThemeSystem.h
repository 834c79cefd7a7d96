#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "xptheme/ThemePlatform.h"

namespace velkorin::fakes {

// The system as the visual-style module's host tests pretend it is: each platform function answers
// from the settings below and keeps the GDI bookkeeping. Recording the calls is
// RecordingThemePlatform's job.
class FakeThemeSystem : public ThemePlatform {
public:
    VELKORIN_THEME_PLATFORM_FUNCTIONS(VELKORIN_THEME_PLATFORM_OVERRIDE)

    std::vector<std::string> traces;  // what went to the debugger channel

    uint32_t comctlMajor = 6;
    bool versionCallFills = true;  // false: DllGetVersion fails without raising, leaving the record as it was
    int32_t appThemed = 1;
    int32_t themeActive = 1;
    uint32_t appProperties = 3;
    std::map<std::pair<WindowHandle, std::string>, PropertyValue> properties;  // the windows' property lists
    std::set<WindowHandle> visibleWindows;
    MessageResult defSubclassResult = 0x5AB;  // what the next procedure in the chain answers
    MessageResult defWindowResult = 0xDEF;    // what the default window procedure answers

    // GDI bookkeeping: what is alive now, and what each device context has selected.
    std::set<GdiObjectHandle> liveObjects;  // brushes, bitmaps and regions
    std::set<DcHandle> liveDcs;             // memory device contexts and taken screen device contexts
    std::map<DcHandle, GdiObjectHandle> selected;
    std::uintptr_t nextHandle = 0x100;

    // Answers of the painting calls.
    MessageResult buttonState = 0;
    WindowHandle focusWindow;
    PlatformRect clientRect{0, 0, 83, 35};
    PlatformRect contentRect{3, 3, 80, 32};
    int32_t textHeight = 13;
    int32_t parentBackgroundResult = 0;
    int openThemes = 0;  // OpenThemeData without CloseThemeData

private:
    GdiObjectHandle NewObject();
    DcHandle NewDc();
};

}  // namespace velkorin::fakes
