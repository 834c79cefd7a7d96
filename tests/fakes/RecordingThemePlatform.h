#pragma once

#include <set>
#include <string>
#include <vector>

#include "fakes/FakeThemeSystem.h"

namespace velkorin::fakes {

// Records every platform call of the visual-style module with its arguments, then answers as the
// fake system does; it can pretend that a function (or its whole library) is missing from the system.
class RecordingThemePlatform : public FakeThemeSystem {
public:
    VELKORIN_THEME_PLATFORM_FUNCTIONS(VELKORIN_THEME_PLATFORM_OVERRIDE)

    std::vector<std::string> calls;
    std::set<std::string> missing;           // function names that cannot be bound: 453
    std::set<std::string> missingLibraries;  // libraries that cannot be loaded: each function of one is 53

private:
    void Enter(const char* function, const char* library, const std::string& arguments);
};

}  // namespace velkorin::fakes
