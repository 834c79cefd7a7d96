#include "runtime/win32/Win32TextFileAppender.h"

#include <windows.h>

#include "runtime/FileErrors.h"
#include "runtime/win32/ScopedHandles.h"
#include "runtime/win32/TextConversion.h"

namespace velkorin::win32 {

namespace {

// Whoever can write the program's folder can leave log.txt there as a link to a file elsewhere: a
// hard link, a symbolic link or a junction. Then the program would append to a file that it never
// meant to touch, with the rights of whoever runs it. The open does not follow a reparse point, and
// a file that is one, or that has a second name, is not written.
bool IsLinkToElsewhere(HANDLE file) {
    BY_HANDLE_FILE_INFORMATION info = {};
    if (!GetFileInformationByHandle(file, &info)) return true;
    return (info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0 || info.nNumberOfLinks > 1;
}

}  // namespace

void Win32TextFileAppender::AppendLine(const std::string& path, const std::string& line) {
    WideText widePath = Utf8ToWide(path);
    // FILE_APPEND_DATA alone writes: every write lands at the end, whatever else has the file open.
    const UniqueHandle file = OwnFile(CreateFileW(widePath.c_str(), FILE_APPEND_DATA | FILE_READ_ATTRIBUTES,
                                                  FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                                                  FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    if (!file) throw FileFailure(GetLastError());
    if (IsLinkToElsewhere(file.get())) throw FileFailure(system_error::kAccessDenied);

    const std::string bytes = Utf8ToAnsi(line) + "\r\n";
    DWORD written = 0;
    if (!WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr)) {
        throw FileFailure(GetLastError());
    }
    if (written != bytes.size()) throw FileFailure(ERROR_DISK_FULL);
}

}  // namespace velkorin::win32
