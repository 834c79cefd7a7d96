#include "wine/standin/JetFile.h"

#include "runtime/win32/ScopedHandles.h"

#include <algorithm>
#include <cstring>
#include <cwctype>
#include <vector>

namespace {

constexpr LONGLONG kPageSize = 4096;
constexpr LONGLONG kMinimumSize = 8192;
constexpr char kSignature[] = "Standard Jet DB";  // at byte offset 4
constexpr DWORD kSignatureOffset = 4;

HANDLE OpenShared(const std::wstring& path) {
    // Jet opens shared for read/write, so only an exclusive holder blocks us.
    return CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

std::wstring Lower(std::wstring text) {
    std::transform(text.begin(), text.end(), text.begin(), [](wchar_t c) { return wchar_t(towlower(c)); });
    return text;
}

std::wstring StripQuotes(std::wstring name) {
    if (name.size() >= 2 && (name.front() == L'[' || name.front() == L'`' || name.front() == L'"')) {
        name = name.substr(1, name.size() - 2);
    }
    return name;
}

}  // namespace

JetStatus ProbeJetFile(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) return JetStatus::NotFound;
    const velkorin::win32::UniqueHandle file = velkorin::win32::OwnFile(OpenShared(path));
    if (!file) {
        const DWORD error = GetLastError();
        return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION ? JetStatus::Locked
                                                                                 : JetStatus::BadFormat;
    }
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size) || size.QuadPart < kMinimumSize || size.QuadPart % kPageSize != 0) {
        return JetStatus::BadFormat;
    }
    char header[kSignatureOffset + sizeof kSignature - 1] = {};
    DWORD read = 0;
    if (!ReadFile(file.get(), header, sizeof header, &read, nullptr) || read != sizeof header ||
        memcmp(header + kSignatureOffset, kSignature, sizeof kSignature - 1) != 0) {
        return JetStatus::BadFormat;
    }
    return JetStatus::Ok;
}

std::wstring JetStatusText(JetStatus status, const std::wstring& path) {
    switch (status) {
    case JetStatus::NotFound: return L"Could not find file '" + path + L"'.";
    case JetStatus::BadFormat: return L"Unrecognized database format '" + path + L"'.";
    case JetStatus::Locked: return L"Database '" + path + L"' is exclusively locked.";
    default: return {};
    }
}

bool JetFileHasTable(const std::wstring& path, const std::wstring& table) {
    if (table.empty()) return false;
    const velkorin::win32::UniqueHandle file = velkorin::win32::OwnFile(OpenShared(path));
    LARGE_INTEGER size{};
    if (!file || !GetFileSizeEx(file.get(), &size) || size.QuadPart > 0x40000000) return false;
    std::vector<unsigned char> data(size_t(size.QuadPart));
    DWORD read = 0;
    if (!data.empty() && !ReadFile(file.get(), data.data(), DWORD(data.size()), &read, nullptr)) return false;
    const std::wstring wanted = Lower(table);
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

std::wstring TableFromSource(const std::wstring& source) {
    const std::wstring lower = Lower(source);
    const size_t start = lower.find_first_not_of(L" \t\r\n");
    if (start == std::wstring::npos) return {};
    if (lower.compare(start, 7, L"select ") != 0) {
        return StripQuotes(source.substr(start, lower.find_last_not_of(L" \t\r\n") + 1 - start));
    }
    const size_t from = lower.find(L" from ", start);
    if (from == std::wstring::npos) return {};
    const size_t nameStart = lower.find_first_not_of(L" \t\r\n", from + 6);
    if (nameStart == std::wstring::npos) return {};
    const size_t nameEnd = lower.find_first_of(L" \t\r\n;,)", nameStart);
    return StripQuotes(
        source.substr(nameStart, nameEnd == std::wstring::npos ? std::wstring::npos : nameEnd - nameStart));
}

std::wstring MissingTableText(const std::wstring& table) {
    return L"The Microsoft Jet database engine cannot find the input table or query '" + table +
           L"'.  Make sure it exists and that its name is spelled correctly.";
}
