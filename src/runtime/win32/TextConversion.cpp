#include "runtime/win32/TextConversion.h"

#include <windows.h>

namespace velkorin::win32 {

WideText Utf8ToWide(const std::string& utf8) {
    if (utf8.empty()) return WideText();
    int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    if (length <= 0) return WideText();
    WideText wide(static_cast<size_t>(length));
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), length);
    return wide;
}

std::string WideToUtf8(const wchar_t* wide, int length) {
    if (!wide || length <= 0) return std::string();
    int size = WideCharToMultiByte(CP_UTF8, 0, wide, length, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide, length, utf8.data(), size, nullptr, nullptr);
    return utf8;
}

std::string Utf8ToAnsi(const std::string& utf8) {
    WideText wide = Utf8ToWide(utf8);
    if (wide.empty()) return std::string();
    int size = WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
    std::string ansi(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), ansi.data(), size, nullptr, nullptr);
    return ansi;
}

}  // namespace velkorin::win32
