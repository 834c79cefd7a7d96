#pragma once

#include <cstdint>

#include "runtime/Failure.h"

namespace velkorin {

// The system error codes that file operations report and that the runtime tells apart, under the
// platform's names (checked against the SDK's in runtime/win32/FileErrorsCheck.cpp).
namespace system_error {
constexpr uint32_t kFileNotFound = 2;       // ERROR_FILE_NOT_FOUND
constexpr uint32_t kPathNotFound = 3;       // ERROR_PATH_NOT_FOUND
constexpr uint32_t kAccessDenied = 5;       // ERROR_ACCESS_DENIED
constexpr uint32_t kWriteProtect = 19;      // ERROR_WRITE_PROTECT
constexpr uint32_t kSharingViolation = 32;  // ERROR_SHARING_VIOLATION
constexpr uint32_t kLockViolation = 33;     // ERROR_LOCK_VIOLATION
constexpr uint32_t kHandleDiskFull = 39;    // ERROR_HANDLE_DISK_FULL
constexpr uint32_t kDiskFull = 112;         // ERROR_DISK_FULL
constexpr uint32_t kInvalidName = 123;      // ERROR_INVALID_NAME
constexpr uint32_t kBadPathname = 161;      // ERROR_BAD_PATHNAME
}  // namespace system_error

// A file operation's system error code as the runtime's file failure ("Permission denied", ...).
Failure FileFailure(uint32_t systemErrorCode);

}  // namespace velkorin
