#include "wine/standin/JetFile.h"

#include <algorithm>
#include <cwctype>

namespace {

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

std::wstring JetStatusText(JetStatus status, const std::wstring& path) {
    switch (status) {
    case JetStatus::NotFound: return L"Could not find file '" + path + L"'.";
    case JetStatus::BadFormat: return L"Unrecognized database format '" + path + L"'.";
    case JetStatus::Locked: return L"Database '" + path + L"' is exclusively locked.";
    default: return {};
    }
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
