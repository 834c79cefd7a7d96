#include "runtime/ErrorScope.h"

#include <exception>
#include <new>

namespace velkorin {

bool RunCatchingFailure(StatementRef statement, Failure& failure) {
    try {
        statement();
        return true;
    } catch (const Failure& f) {
        failure = f;
    } catch (const std::bad_alloc&) {
        failure = Failure::OutOfMemory();
    } catch (const std::exception& e) {
        failure = Failure::InternalError(e.what());
    }
    return false;
}

bool ErrorScope::Step(StatementRef statement) {
    Failure failure(0, std::string());
    if (RunCatchingFailure(statement, failure)) return true;
    number_ = failure.Number();
    description_ = failure.Description();
    return false;
}

}  // namespace velkorin
