#pragma once

#include "runtime/ErrorScope.h"

namespace velkorin {

// The visual-style module's failure convention for one trapping procedure: a failing step is
// handed to the reporter under the procedure's name, and the next step runs.
template <class Reporter>
class ModuleTrap {
public:
    ModuleTrap(Reporter& reporter, const char* procedure) : reporter_(reporter), procedure_(procedure) {}

    bool Step(StatementRef statement) {
        Failure failure(0, std::string());
        if (RunCatchingFailure(statement, failure)) return true;
        reporter_.pvReportError(procedure_, failure);
        return false;
    }

    Reporter& Module() const { return reporter_; }

private:
    Reporter& reporter_;
    const char* procedure_;
};

}  // namespace velkorin
