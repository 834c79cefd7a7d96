#include "wine/standin/ConnectionString.h"

#include <cwchar>

namespace {

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

std::wstring Trimmed(const std::wstring& text) {
    size_t first = 0, end = text.size();
    while (first < end && IsBlank(text[first])) ++first;
    while (end > first && IsBlank(text[end - 1])) --end;
    return text.substr(first, end - first);
}

// One pair read from `at`, which is left past its ';'. False at the end of the text.
bool NextPair(const std::wstring& text, size_t& at, std::wstring& keyword, std::wstring& value) {
    while (at < text.size() && (IsBlank(text[at]) || text[at] == L';')) ++at;
    if (at >= text.size()) return false;
    keyword.clear();
    value.clear();
    for (; at < text.size() && text[at] != L';'; ++at) {
        if (text[at] != L'=') {
            keyword += text[at];
        } else if (at + 1 < text.size() && text[at + 1] == L'=') {
            keyword += text[at++];
        } else {
            break;
        }
    }
    keyword = Trimmed(keyword);
    if (at >= text.size() || text[at] == L';') return true;  // no '=': a keyword without a value
    ++at;
    while (at < text.size() && IsBlank(text[at])) ++at;
    if (at < text.size() && (text[at] == L'"' || text[at] == L'\'')) {
        const wchar_t quote = text[at++];
        for (; at < text.size(); ++at) {
            if (text[at] != quote) {
                value += text[at];
            } else if (at + 1 < text.size() && text[at + 1] == quote) {
                value += text[at++];
            } else {
                ++at;
                break;
            }
        }
        while (at < text.size() && text[at] != L';') ++at;  // blanks after the closing quote
        return true;
    }
    const size_t end = text.find(L';', at);
    value = Trimmed(text.substr(at, end == std::wstring::npos ? std::wstring::npos : end - at));
    at = end == std::wstring::npos ? text.size() : end;
    return true;
}

}  // namespace

std::wstring ConnectionValue(const std::wstring& text, const wchar_t* keyword) {
    const bool firstHolds = _wcsicmp(keyword, L"Provider") == 0;
    std::wstring found, name, value;
    bool seen = false;
    for (size_t at = 0; NextPair(text, at, name, value);) {
        if (_wcsicmp(name.c_str(), keyword) != 0) continue;
        if (firstHolds && seen) continue;
        found = value;
        seen = true;
    }
    return found;
}
