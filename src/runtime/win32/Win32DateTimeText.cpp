#include "runtime/win32/Win32DateTimeText.h"

#include <windows.h>

#include "runtime/win32/ComFailure.h"
#include "runtime/win32/TextConversion.h"

namespace velkorin::win32 {

namespace {

template <class Format>
std::string FormatNow(Format format) {
    SYSTEMTIME now;
    GetLocalTime(&now);
    wchar_t text[128];
    int length = format(&now, text, static_cast<int>(sizeof text / sizeof text[0]));
    if (length <= 0) throw FailureFromLastError();
    return WideToUtf8(text, length - 1);  // the count includes the terminating null
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
