#include "runtime/win32/Win32ProgramFolder.h"

#include <windows.h>

#include <vector>

#include "runtime/Failure.h"
#include "runtime/win32/ComFailure.h"
#include "runtime/win32/TextConversion.h"

namespace velkorin::win32 {

std::string ProgramFilePath() {
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) throw FailureFromLastError();
        if (length < buffer.size()) return WideToUtf8(buffer.data(), static_cast<int>(length));
        if (buffer.size() >= 32768) throw FailureFromHresult(HRESULT_FROM_WIN32(ERROR_FILENAME_EXCED_RANGE));
        buffer.resize(buffer.size() * 2);  // truncated: the path is longer than the buffer
    }
}

std::string Win32ProgramFolder::Path() { return FolderOfModulePath(ProgramFilePath()); }

std::shared_ptr<void> Win32ProgramFolder::Hold() {
    try {
        const WideText folder = Utf8ToWide(Path());
        const HANDLE handle = CreateFileW(folder.c_str(), FILE_LIST_DIRECTORY, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                          OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
        if (handle == INVALID_HANDLE_VALUE) return nullptr;
        return std::shared_ptr<void>(handle, CloseHandle);
    } catch (const Failure&) {
        return nullptr;  // the program's own path cannot be read: the run reports that itself
    }
}

}  // namespace velkorin::win32
