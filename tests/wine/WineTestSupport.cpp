#include "wine/WineTestSupport.h"

#include <windows.h>

#include <fstream>
#include <iterator>

#include "runtime/win32/TextConversion.h"

namespace velkorin::wine {

std::wstring AppFolder() {
    win32::WideText folder = win32::Utf8ToWide(win32::Win32ProgramFolder().Path());
    return std::wstring(folder.c_str(), folder.size());
}

std::wstring AppFile(const wchar_t* name) { return AppFolder() + L"\\" + name; }

void RemoveFile(const std::wstring& path) {
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileW(path.c_str());
}

void PlaceDatabase(const wchar_t* fixture) {
    RemoveFile(AppFile(L"test.mdb"));
    if (fixture) CopyFileW((AppFolder() + L"\\fixtures\\" + fixture).c_str(), AppFile(L"test.mdb").c_str(), FALSE);
}

std::vector<std::string> SplitLines(const std::string& text, const std::string& separator) {
    std::vector<std::string> lines;
    std::string::size_type start = 0;
    while (start < text.size()) {
        std::string::size_type end = text.find(separator, start);
        if (end == std::string::npos) end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + separator.size();
    }
    return lines;
}

StandIn::StandIn() : recordPath_(AppFile(L"standin-record.txt")) {
    RemoveFile(recordPath_);
    SetEnvironmentVariableW(L"STANDIN_RECORD", recordPath_.c_str());
    SetEnvironmentVariableW(L"STANDIN_FAIL", nullptr);
}

StandIn::~StandIn() {
    SetEnvironmentVariableW(L"STANDIN_RECORD", nullptr);
    SetEnvironmentVariableW(L"STANDIN_FAIL", nullptr);
}

void StandIn::Fail(const wchar_t* failures) { SetEnvironmentVariableW(L"STANDIN_FAIL", failures); }

std::vector<std::string> StandIn::Records() const { return SplitLines(ReadBytes(recordPath_), "\r\n"); }

void StandIn::ClearRecords() { RemoveFile(recordPath_); }

}  // namespace velkorin::wine
