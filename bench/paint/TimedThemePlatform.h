#pragma once

#include <map>
#include <string>

#include "common/CallTime.h"
#include "xptheme/ThemePlatform.h"

namespace velkorin::bench {

// Passes every call on to the real platform table and adds its time to the function's CallTime.
class TimedThemePlatform : public ThemePlatform {
public:
    explicit TimedThemePlatform(ThemePlatform& real) : real_(real) {}

    const std::map<std::string, CallTime>& Profile() const { return profile_; }

    VELKORIN_THEME_PLATFORM_FUNCTIONS(VELKORIN_THEME_PLATFORM_OVERRIDE)

private:
    ThemePlatform& real_;
    std::map<std::string, CallTime> profile_;
};

}  // namespace velkorin::bench
