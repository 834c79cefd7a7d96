#pragma once

#include <string>
#include <vector>

namespace velkorin::e2e {

// The lines of the log box's text, which separates them with CR LF and ends the last one with nothing.
inline std::vector<std::wstring> BoxLines(const std::wstring& text) {
    std::vector<std::wstring> lines;
    size_t start = 0;
    for (size_t end; (end = text.find(L"\r\n", start)) != std::wstring::npos; start = end + 2) {
        lines.push_back(text.substr(start, end - start));
    }
    lines.push_back(text.substr(start));
    return lines;
}

}  // namespace velkorin::e2e
