#pragma once

#include <windows.h>

#include <string>

#include "runtime/win32/ScopedHandles.h"

namespace velkorin::wine {

// A file's bytes, read while others may still hold it open; none when it cannot be opened.
inline std::string ReadBytes(const std::wstring& path) {
    const win32::UniqueHandle file = win32::OwnFile(CreateFileW(
        path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING, 0,
        nullptr));
    std::string bytes;
    char buffer[4096];
    DWORD read = 0;
    while (file && ReadFile(file.get(), buffer, sizeof buffer, &read, nullptr) && read) bytes.append(buffer, read);
    return bytes;
}

// A file of these bytes, in place of any file there; whether all of them went in.
inline bool WriteBytes(const std::wstring& path, const std::string& bytes) {
    const win32::UniqueHandle file =
        win32::OwnFile(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    DWORD written = 0;
    return file && WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
           written == bytes.size();
}

// The file opened for reading and writing with no sharing at all (made empty where there is none), as
// a program that wants it to itself: no one else opens it until the handle goes.
inline win32::UniqueHandle HoldWithoutSharing(const std::wstring& path) {
    return win32::OwnFile(CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS, 0, nullptr));
}

}  // namespace velkorin::wine
