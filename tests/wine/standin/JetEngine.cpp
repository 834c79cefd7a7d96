// standin_jet.dll: the stand-in components' file engine, a library of their own that they import
// from their own folder, as DAO and the Jet provider import Jet's engine. A program that keeps its
// library search in the system folder must still get it when COM loads the components.
#include "wine/standin/JetFile.h"

#include <windows.h>

#include <cstring>
#include <cwctype>
#include <string>
#include <vector>

#include "runtime/win32/FileHandle.h"

namespace {

constexpr LONGLONG kPageSize = 4096;
constexpr LONGLONG kMinimumSize = 8192;
constexpr char kSignature[] = "Standard Jet DB";  // at byte offset 4
constexpr DWORD kSignatureOffset = 4;

HANDLE OpenShared(const wchar_t* path) {
    // Jet opens shared for read/write, so only an exclusive holder blocks us.
    return CreateFileW(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

}  // namespace

extern "C" int StandInProbeJetFile(const wchar_t* path) {
    const DWORD attributes = GetFileAttributesW(path);
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        return int(JetStatus::NotFound);
    }
    velkorin::win32::FileHandle file(OpenShared(path));
    if (!file.Valid()) {
        const DWORD error = GetLastError();
        return int(error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION ? JetStatus::Locked
                                                                                     : JetStatus::BadFormat);
    }
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.Get(), &size) || size.QuadPart < kMinimumSize || size.QuadPart % kPageSize != 0) {
        return int(JetStatus::BadFormat);
    }
    char header[kSignatureOffset + sizeof kSignature - 1] = {};
    DWORD read = 0;
    if (!ReadFile(file.Get(), header, sizeof header, &read, nullptr) || read != sizeof header ||
        memcmp(header + kSignatureOffset, kSignature, sizeof kSignature - 1) != 0) {
        return int(JetStatus::BadFormat);
    }
    return int(JetStatus::Ok);
}

extern "C" int StandInJetFileHasTable(const wchar_t* path, const wchar_t* table) {
    if (!*table) return false;
    velkorin::win32::FileHandle file(OpenShared(path));
    LARGE_INTEGER size{};
    if (!file.Valid() || !GetFileSizeEx(file.Get(), &size) || size.QuadPart > 0x40000000) return false;
    std::vector<unsigned char> data(size_t(size.QuadPart));
    DWORD read = 0;
    if (!data.empty() && !ReadFile(file.Get(), data.data(), DWORD(data.size()), &read, nullptr)) return false;
    std::wstring wanted(table);
    for (wchar_t& c : wanted) c = wchar_t(towlower(c));
    const size_t length = wanted.size() * 2;
    for (size_t at = 0; at + length <= read; ++at) {
        size_t i = 0;
        while (i < wanted.size() &&
               wchar_t(towlower(wchar_t(data[at + 2 * i] | (data[at + 2 * i + 1] << 8)))) == wanted[i]) {
            ++i;
        }
        if (i == wanted.size()) return true;
    }
    return false;
}
