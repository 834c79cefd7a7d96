#include "runtime/win32/Win32TextFileAppender.h"

#include <windows.h>

#include "runtime/FileErrors.h"
#include "runtime/win32/FileHandle.h"
#include "runtime/win32/TextConversion.h"

namespace velkorin::win32 {

void Win32TextFileAppender::AppendLine(const std::string& path, const std::string& line) {
    WideText widePath = Utf8ToWide(path);
    // FILE_APPEND_DATA alone: every write lands at the end, whatever else has the file open.
    FileHandle file(CreateFileW(widePath.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid()) throw FileFailure(GetLastError());

    const std::string bytes = Utf8ToAnsi(line) + "\r\n";
    DWORD written = 0;
    if (!WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr)) {
        throw FileFailure(GetLastError());
    }
    if (written != bytes.size()) throw FileFailure(ERROR_DISK_FULL);
}

}  // namespace velkorin::win32
