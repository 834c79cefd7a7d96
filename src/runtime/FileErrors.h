#pragma once

#include <cstdint>

#include "runtime/Failure.h"

namespace velkorin {

// A file operation's system error code as the runtime's file failure ("Permission denied", ...).
Failure FileFailure(uint32_t systemErrorCode);

}  // namespace velkorin
