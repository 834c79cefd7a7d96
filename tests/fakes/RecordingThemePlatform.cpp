#include "fakes/RecordingThemePlatform.h"

#include "fakes/ArgumentText.h"
#include "runtime/Failure.h"

namespace velkorin::fakes {

std::vector<const RecordedCall*> RecordingThemePlatform::CallsOf(std::string_view function,
                                                                 NamedTexts arguments) const {
    std::vector<const RecordedCall*> found;
    for (const RecordedCall& call : calls) {
        bool matches = call.function == function;
        for (const auto& [name, text] : arguments) matches = matches && call[name] == text;
        if (matches) found.push_back(&call);
    }
    return found;
}

void RecordingThemePlatform::Enter(RecordedCall call, const char* library) {
    // What goes to the debugger channel is kept in traces, apart from the calls a sequence shows.
    const std::string function = call.function;
    if (function != "OutputDebugStringA") calls.push_back(std::move(call));
    if (missingLibraries.count(library)) throw Failure::LibraryNotFound(library);
    if (missing.count(function)) throw Failure::EntryPointNotFound(function, library);
}

#define VELKORIN_RECORD_CALL(library, result, name, parameters, arguments)             \
    result RecordingThemePlatform::name parameters {                                   \
        Enter(RecordCall(#name, #arguments, std::forward_as_tuple arguments), library); \
        return FakeThemeSystem::name arguments;                                        \
    }
VELKORIN_THEME_PLATFORM_FUNCTIONS(VELKORIN_RECORD_CALL)
#undef VELKORIN_RECORD_CALL

}  // namespace velkorin::fakes
