#include "runtime/Failure.h"

#include <utility>

namespace velkorin {

Failure::Failure(int32_t number, std::string description)
    : number_(number), description_(std::move(description)) {}

Failure Failure::ObjectNotSet() {
    return Failure(failure_number::kObjectNotSet, "Object variable or With block variable not set");
}

Failure Failure::NoSuchMember() {
    return Failure(failure_number::kNoSuchMember, "Object doesn't support this property or method");
}

Failure Failure::TypeMismatch() { return Failure(failure_number::kTypeMismatch, "Type mismatch"); }

Failure Failure::Overflow() { return Failure(failure_number::kOverflow, "Overflow"); }

Failure Failure::LibraryNotFound(const std::string& library) {
    return Failure(failure_number::kFileNotFound, "File not found: " + library);
}

Failure Failure::EntryPointNotFound(const std::string& function, const std::string& library) {
    return Failure(failure_number::kEntryPointNotFound,
                   "Can't find DLL entry point " + function + " in " + library);
}

}  // namespace velkorin
