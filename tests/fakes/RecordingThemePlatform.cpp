#include "fakes/RecordingThemePlatform.h"

#include <string_view>

#include "fakes/ArgumentText.h"
#include "runtime/Failure.h"

namespace velkorin::fakes {

void RecordingThemePlatform::Enter(const char* function, const char* library, const std::string& arguments) {
    // What goes to the debugger channel is kept in traces, apart from the calls a sequence shows.
    if (std::string_view(function) != "OutputDebugStringA") calls.push_back(function + ("(" + arguments + ")"));
    if (missingLibraries.count(library)) throw Failure::LibraryNotFound(library);
    if (missing.count(function)) throw Failure::EntryPointNotFound(function, library);
}

#define VELKORIN_RECORD_CALL(library, result, name, parameters, arguments)         \
    result RecordingThemePlatform::name parameters {                               \
        Enter(#name, library, ArgumentsText(#arguments, std::forward_as_tuple arguments)); \
        return FakeThemeSystem::name arguments;                                    \
    }
VELKORIN_THEME_PLATFORM_FUNCTIONS(VELKORIN_RECORD_CALL)
#undef VELKORIN_RECORD_CALL

}  // namespace velkorin::fakes
