#pragma once

#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

namespace velkorin::bench {

// The command line's arguments after the program's name, as wide text.
inline std::vector<std::wstring> Arguments() {
    int count = 0;
    LPWSTR* words = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::wstring> arguments;
    for (int i = 1; words && i < count; ++i) arguments.emplace_back(words[i]);
    if (words) LocalFree(words);
    return arguments;
}

// The folder part of a path, without the trailing backslash.
inline std::wstring FolderOf(const std::wstring& path) {
    const size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? L"." : path.substr(0, slash);
}

}  // namespace velkorin::bench
