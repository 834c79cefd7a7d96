// The least a program does to log 19 lines the way the self-test logs them: open the file for
// appending, write one line, close it, 19 times. Prints the time those appends took, in seconds.
// usage: bench_appender <file>
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "common/Arguments.h"
#include "common/Stopwatch.h"
#include "selftest/LogLines.h"

namespace {

// A run's 19 lines of success, in the program's own words.
std::vector<std::string> TranscriptLines() {
    using namespace velkorin::log_lines;
    const std::vector<std::string> stage = {kSuccessLine, kQueryLine,   kSuccessLine,
                                            kClosingLine, kSuccessLine, kSeparator};
    std::vector<std::string> lines = {kStartLine, std::string(kDatePrefix) + "01/02/2024" + kTimePrefix + "10:11:12",
                                      kSeparator, kDaoStageLine};
    lines.insert(lines.end(), stage.begin(), stage.end());
    lines.push_back(kAdoStageLine);
    lines.insert(lines.end(), stage.begin(), stage.end());
    lines.insert(lines.end(), {kEndLine, kSeparator});
    return lines;
}

bool AppendLine(const wchar_t* path, const std::string& line) {
    HANDLE file = CreateFileW(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    const std::string bytes = line + "\r\n";
    DWORD written = 0;
    const bool wrote = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                       written == bytes.size();
    return CloseHandle(file) && wrote;
}

}  // namespace

int main() {
    const std::vector<std::wstring> arguments = velkorin::bench::Arguments();
    if (arguments.size() != 1) {
        std::fprintf(stderr, "usage: bench_appender <file>\n");
        return 2;
    }
    const std::vector<std::string> lines = TranscriptLines();
    velkorin::bench::Stopwatch clock;
    for (const std::string& line : lines) {
        if (!AppendLine(arguments[0].c_str(), line)) {
            std::fprintf(stderr, "cannot append to the file, error %lu\n", GetLastError());
            return 1;
        }
    }
    const double seconds = clock.Seconds();
    std::printf("%.9f\n", seconds);
    return 0;
}
