#pragma once

#include <string>
#include <vector>

#include "fakes/ExpectedTranscript.h"
#include "wine/e2e/E2eSupport.h"

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

// Whether `line` is the date line of a run on one of `dates` (short dates), with a time after it.
inline bool IsDateLine(const std::wstring& line, const std::vector<std::wstring>& dates) {
    for (const std::wstring& date : dates) {
        const std::wstring head = L"Date: " + date + L" Time: ";
        if (line.size() > head.size() && line.compare(0, head.size(), head) == 0) return true;
    }
    return false;
}

// The box a run whose two stages wrote `stages` must hold, its date line as "<date line>".
inline std::vector<std::wstring> ExpectedBoxLines(const expected::Lines& stages) {
    std::vector<std::wstring> lines;
    for (const std::string& line : expected::Concat({expected::Header("<date line>"), stages, expected::kEnd})) {
        lines.push_back(FromUtf8(line));
    }
    return lines;
}

}  // namespace velkorin::e2e
