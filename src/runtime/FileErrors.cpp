#include "runtime/FileErrors.h"

namespace velkorin {

Failure FileFailure(uint32_t systemErrorCode) {
    using namespace system_error;
    switch (systemErrorCode) {
    case kFileNotFound: return Failure::FileNotFound();
    case kPathNotFound: return Failure(failure_number::kPathNotFound, "Path not found");
    case kAccessDenied:
    case kWriteProtect:
    case kSharingViolation:
    case kLockViolation: return Failure(failure_number::kPermissionDenied, "Permission denied");
    case kHandleDiskFull:
    case kDiskFull: return Failure(failure_number::kDiskFull, "Disk full");
    case kInvalidName:
    case kBadPathname: return Failure(failure_number::kBadFileName, "Bad file name or number");
    default: return Failure(failure_number::kPathFileAccess, "Path/File access error");
    }
}

}  // namespace velkorin
