#pragma once

#include <initializer_list>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "fakes/FakeThemeSystem.h"
#include "fakes/RecordedCall.h"

namespace velkorin::fakes {

// Records every platform call of the visual-style module with its arguments, then answers as the
// fake system does; it can pretend that a function (or its whole library) is missing from the system.
class RecordingThemePlatform : public FakeThemeSystem {
public:
    VELKORIN_THEME_PLATFORM_FUNCTIONS(VELKORIN_THEME_PLATFORM_OVERRIDE)

    using NamedTexts = std::initializer_list<std::pair<std::string_view, std::string_view>>;
    // The calls of `function` whose named arguments read as given, in order.
    std::vector<const RecordedCall*> CallsOf(std::string_view function, NamedTexts arguments = {}) const;
    bool Called(std::string_view function, NamedTexts arguments = {}) const {
        return !CallsOf(function, arguments).empty();
    }

    std::vector<RecordedCall> calls;
    std::set<std::string> missing;           // function names that cannot be bound: 453
    std::set<std::string> missingLibraries;  // libraries that cannot be loaded: each function of one is 53

private:
    void Enter(RecordedCall call, const char* library);
};

}  // namespace velkorin::fakes
