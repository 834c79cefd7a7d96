// The system error codes the runtime spells out for itself, against the SDK's own: a wrong one
// cannot build.
#include <windows.h>

#include "runtime/FileErrors.h"

namespace velkorin::system_error {

static_assert(kFileNotFound == ERROR_FILE_NOT_FOUND);
static_assert(kPathNotFound == ERROR_PATH_NOT_FOUND);
static_assert(kAccessDenied == ERROR_ACCESS_DENIED);
static_assert(kWriteProtect == ERROR_WRITE_PROTECT);
static_assert(kSharingViolation == ERROR_SHARING_VIOLATION);
static_assert(kLockViolation == ERROR_LOCK_VIOLATION);
static_assert(kHandleDiskFull == ERROR_HANDLE_DISK_FULL);
static_assert(kDiskFull == ERROR_DISK_FULL);
static_assert(kInvalidName == ERROR_INVALID_NAME);
static_assert(kBadPathname == ERROR_BAD_PATHNAME);

}  // namespace velkorin::system_error
