#include "wine/standin/Record.h"

#include "runtime/win32/ScopedHandles.h"
#include "wine/standin/Variants.h"

std::wstring ReadEnvironment(const wchar_t* name) {
    DWORD size = GetEnvironmentVariableW(name, nullptr, 0);
    if (size == 0) return {};
    std::wstring value(size, L'\0');
    DWORD length = GetEnvironmentVariableW(name, &value[0], size);
    value.resize(length < size ? length : 0);
    return value;
}

void RecordLine(const std::wstring& line) noexcept {
    try {
        const std::wstring path = ReadEnvironment(L"STANDIN_RECORD");
        if (path.empty()) return;
        const std::wstring text = line + L"\r\n";
        int bytes = WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0, nullptr, nullptr);
        std::string utf8(size_t(bytes), '\0');
        WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), &utf8[0], bytes, nullptr, nullptr);
        // Open per line so tests and other processes see every line at once.
        const velkorin::win32::UniqueHandle file = velkorin::win32::OwnFile(CreateFileW(
            path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS, 0, nullptr));
        if (!file) return;
        DWORD written = 0;
        WriteFile(file.get(), utf8.data(), DWORD(utf8.size()), &written, nullptr);
    } catch (...) {
        // Recording is best effort; never let it break the caller.
    }
}

void RecordEvent(const wchar_t* verb, const wchar_t* className) noexcept {
    try {
        RecordLine(std::wstring(verb) + L" " + className);
    } catch (...) {
    }
}

void RecordFailure(HRESULT code, const std::wstring& description) noexcept {
    try {
        std::wstring line = L"fail " + HexCode(code);
        if (!description.empty()) line += L" " + description;
        RecordLine(line);
    } catch (...) {
    }
}
