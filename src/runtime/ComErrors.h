#pragma once

#include <cstdint>
#include <string>

namespace velkorin {

// The number a component failure shows as: a code in the control facility (0x800Axxxx) is the
// component's own error number in its low 16 bits; any other code is the whole HRESULT, signed.
int32_t FailureNumberFromCode(uint32_t code);

// Our short text for a well-known COM code, for systems whose message table has none (Wine has
// none for "class not registered"); a generic text naming the code for anything else.
std::string FallbackComErrorText(uint32_t code);

}  // namespace velkorin
