#include "wine/standin/Inject.h"

#include "wine/standin/Record.h"

#include <cwchar>
#include <utility>

namespace {

bool ParseEntry(std::wstring entry, const std::wstring& step, Failure& failure) {
    Delivery delivery = Delivery::Exception;
    for (const auto& prefix :
         {std::make_pair(L"errorinfo:", Delivery::ErrorInfo), std::make_pair(L"bare:", Delivery::Bare)}) {
        const std::wstring text = prefix.first;
        if (entry.compare(0, text.size(), text) == 0) {
            entry.erase(0, text.size());
            delivery = prefix.second;
        }
    }
    const size_t first = entry.find(L'|');
    if (first == std::wstring::npos || entry.compare(0, first, step) != 0) return false;
    const size_t second = entry.find(L'|', first + 1);
    const std::wstring code =
        entry.substr(first + 1, second == std::wstring::npos ? std::wstring::npos : second - first - 1);
    wchar_t* end = nullptr;
    const unsigned long value = wcstoul(code.c_str(), &end, 16);
    if (code.empty() || *end != L'\0' || !FAILED(HRESULT(value))) return false;
    failure.scode = HRESULT(value);
    failure.description = second == std::wstring::npos ? std::wstring() : entry.substr(second + 1);
    failure.delivery = delivery;
    return true;
}

}  // namespace

bool FindInjectedFailure(const std::wstring& step, Failure& failure) {
    const std::wstring value = ReadEnvironment(L"STANDIN_FAIL");
    const std::wstring separator = L";;";
    size_t start = 0;
    while (start < value.size()) {
        size_t end = value.find(separator, start);
        if (end == std::wstring::npos) end = value.size();
        if (ParseEntry(value.substr(start, end - start), step, failure)) return true;
        start = end + separator.size();
    }
    return false;
}
