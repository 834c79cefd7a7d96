#include "runtime/NumberText.h"

#include "runtime/Failure.h"

namespace velkorin {

namespace {

NumberTextFunctions gInstalled = {};

const NumberTextFunctions& Installed() {
    if (!gInstalled.doubleText || !gInstalled.readDouble) throw Failure::InternalError("no number text installed");
    return gInstalled;
}

}  // namespace

void UseNumberText(const NumberTextFunctions& functions) { gInstalled = functions; }

std::string DoubleText(double value) { return Installed().doubleText(value); }

bool ReadDouble(const char* text, double& value, size_t& consumed) {
    return Installed().readDouble(text, value, consumed);
}

}  // namespace velkorin
