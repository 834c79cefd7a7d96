#include "runtime/FileErrors.h"

namespace velkorin {

Failure FileFailure(uint32_t systemErrorCode) {
    switch (systemErrorCode) {
    case 2: return Failure(53, "File not found");                // ERROR_FILE_NOT_FOUND
    case 3: return Failure(76, "Path not found");                // ERROR_PATH_NOT_FOUND
    case 5:                                                      // ERROR_ACCESS_DENIED
    case 19:                                                     // ERROR_WRITE_PROTECT
    case 32:                                                     // ERROR_SHARING_VIOLATION
    case 33: return Failure(70, "Permission denied");            // ERROR_LOCK_VIOLATION
    case 39:                                                     // ERROR_HANDLE_DISK_FULL
    case 112: return Failure(61, "Disk full");                   // ERROR_DISK_FULL
    case 123:                                                    // ERROR_INVALID_NAME
    case 161: return Failure(52, "Bad file name or number");     // ERROR_BAD_PATHNAME
    default: return Failure(75, "Path/File access error");
    }
}

}  // namespace velkorin
