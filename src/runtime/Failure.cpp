#include "runtime/Failure.h"

#include <utility>

namespace velkorin {

Failure::Failure(int32_t number, std::string description)
    : number_(number), description_(std::move(description)) {}

Failure Failure::InvalidCall() { return Failure(failure_number::kInvalidCall, "Invalid procedure call or argument"); }

Failure Failure::OutOfMemory() { return Failure(failure_number::kOutOfMemory, "Out of memory"); }

Failure Failure::DivisionByZero() { return Failure(failure_number::kDivisionByZero, "Division by zero"); }

Failure Failure::InternalError(const std::string& what) {
    return Failure(failure_number::kInternalError, "Internal error: " + what);
}

Failure Failure::FileNotFound() { return Failure(failure_number::kFileNotFound, "File not found"); }

Failure Failure::ResourceNotFound(int32_t id) {
    return Failure(failure_number::kResourceNotFound, "Resource with identifier '" + std::to_string(id) + "' not found");
}

Failure Failure::ObjectUnloaded() { return Failure(failure_number::kObjectUnloaded, "Object was unloaded"); }

Failure Failure::InvalidPropertyValue() {
    return Failure(failure_number::kInvalidPropertyValue, "Invalid property value");
}

Failure Failure::ReadOnlyProperty() {
    return Failure(failure_number::kReadOnlyProperty, "Set not supported (read-only property)");
}

Failure Failure::WrongArguments() {
    return Failure(failure_number::kWrongArguments, "Wrong number of arguments or invalid property assignment");
}

Failure Failure::InvalidPicture() { return Failure(failure_number::kInvalidPicture, "Invalid picture"); }

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
