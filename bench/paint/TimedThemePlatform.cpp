#include "paint/TimedThemePlatform.h"

namespace velkorin::bench {

#define VELKORIN_TIME_CALL(library, result, name, parameters, arguments) \
    result TimedThemePlatform::name parameters {                         \
        const CallTimer timer(profile_[#name]);                          \
        return real_.name arguments;                                     \
    }
VELKORIN_THEME_PLATFORM_FUNCTIONS(VELKORIN_TIME_CALL)
#undef VELKORIN_TIME_CALL

}  // namespace velkorin::bench
