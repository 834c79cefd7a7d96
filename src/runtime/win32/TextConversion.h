#pragma once

#include <string>

namespace velkorin::win32 {

// The core keeps text in UTF-8; the platform takes UTF-16, or the ANSI code page for the "A"
// functions and for file content. Characters the ANSI code page cannot hold get its default character.
std::wstring Utf8ToWide(const std::string& utf8);
std::string WideToUtf8(const std::wstring& wide);
std::string WideToUtf8(const wchar_t* wide, int length);
std::string Utf8ToAnsi(const std::string& utf8);

}  // namespace velkorin::win32
