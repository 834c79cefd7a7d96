#pragma once

#include <exception>
#include <string>
#include <utility>

#include "Failure.h"

namespace velkorin {

// The visual-style module's failure convention for one trapping procedure: a failing step is
// handed to the reporter under the procedure's name, and the next step runs.
template <class Reporter>
class ModuleTrap {
public:
    ModuleTrap(Reporter& reporter, const char* procedure) : reporter_(reporter), procedure_(procedure) {}

    template <class Statement>
    bool Step(Statement&& statement) {
        try {
            std::forward<Statement>(statement)();
            return true;
        } catch (const Failure& failure) {
            reporter_.pvReportError(procedure_, failure);
        } catch (const std::exception& e) {
            reporter_.pvReportError(procedure_, Failure(51, std::string("Internal error: ") + e.what()));
        }
        return false;
    }

private:
    Reporter& reporter_;
    const char* procedure_;
};

}  // namespace velkorin
