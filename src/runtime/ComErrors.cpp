#include "runtime/ComErrors.h"

#include <string>

namespace velkorin {

int32_t FailureNumberFromCode(uint32_t code) {
    if ((code & 0xFFFF0000u) == 0x800A0000u) return static_cast<int32_t>(code & 0xFFFFu);
    return static_cast<int32_t>(code);
}

namespace {

struct KnownCode {
    uint32_t code;
    const char* text;
};

// The texts Windows itself gives for these codes.
constexpr KnownCode kKnownCodes[] = {
    {0x80004001u, "Not implemented"},
    {0x80004002u, "No such interface supported"},
    {0x80004003u, "Invalid pointer"},
    {0x80004004u, "Operation aborted"},
    {0x80004005u, "Unspecified error"},
    {0x8000FFFFu, "Catastrophic failure"},
    {0x80070005u, "Access is denied."},
    {0x8007000Eu, "Not enough memory resources are available to complete this operation."},
    {0x80070057u, "The parameter is incorrect."},
    {0x8007007Eu, "The specified module could not be found."},
    {0x800401F0u, "CoInitialize has not been called."},
    {0x800401F3u, "Invalid class string"},
    {0x80040110u, "Class does not support aggregation"},
    {0x80040111u, "ClassFactory cannot supply requested class"},
    {0x80040154u, "Class not registered"},
    {0x80080005u, "Server execution failed"},
    {0x80010106u, "Cannot change thread mode after it is set."},
    {0x80020003u, "Member not found."},
    {0x80020004u, "Parameter not found."},
    {0x80020005u, "Type mismatch."},
    {0x80020006u, "Unknown name."},
    {0x80020009u, "Exception occurred."},
    {0x8002000Eu, "Invalid number of parameters."},
    {0x8002000Fu, "Parameter not optional."},
    {0x8002801Du, "Library not registered."},
};

}  // namespace

std::string FallbackComErrorText(uint32_t code) {
    for (const KnownCode& known : kKnownCodes) {
        if (known.code == code) return known.text;
    }
    static const char kDigits[] = "0123456789ABCDEF";
    std::string text = "Automation error 0x";
    for (int shift = 28; shift >= 0; shift -= 4) text += kDigits[(code >> shift) & 0xFu];
    return text;
}

}  // namespace velkorin
