#include "runtime/win32/Win32DateTimeText.h"

#include <windows.h>

#include "runtime/AnsweredSizeText.h"
#include "runtime/win32/ComFailure.h"
#include "runtime/win32/TextConversion.h"

namespace velkorin::win32 {

namespace {

template <class Format>
std::string FormatNow(Format format) {
    SYSTEMTIME now;
    GetLocalTime(&now);
    // One moment for both calls, so the text filled is the one whose size was asked.
    const auto text =
        TextOfAnsweredSize<wchar_t>([&](wchar_t* buffer, int size) { return format(&now, buffer, size); });
    if (!text) throw FailureFromLastError();
    return WideToUtf8(text->data(), static_cast<int>(text->size()));
}

}  // namespace

std::string Win32DateTimeText::DateText() {
    return FormatNow([](const SYSTEMTIME* now, wchar_t* text, int size) {
        return GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, now, nullptr, text, size);
    });
}

std::string Win32DateTimeText::TimeText() {
    return FormatNow([](const SYSTEMTIME* now, wchar_t* text, int size) {
        return GetTimeFormatW(LOCALE_USER_DEFAULT, 0, now, nullptr, text, size);
    });
}

}  // namespace velkorin::win32
