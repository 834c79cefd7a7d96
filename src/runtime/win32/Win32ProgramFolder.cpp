#include "runtime/win32/Win32ProgramFolder.h"

#include <windows.h>

#include <vector>

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

}  // namespace velkorin::win32
