#include "driver/Figures.h"

#include <cstdlib>
#include <optional>

#include "common/Arguments.h"
#include "common/BenchTable.h"
#include "common/Stopwatch.h"
#include "selftest/LogLines.h"
#include "wine/launcher/ChildProcess.h"

namespace velkorin::bench {

namespace {

using launcher::ChildProcess;

constexpr UINT kAskTimeoutMs = 5000;
std::wstring Widened(const char* ascii) { return std::wstring(ascii, ascii + std::char_traits<char>::length(ascii)); }
const std::wstring kEndOfRun = Widened(log_lines::kEndLine) + L"\r\n" + Widened(log_lines::kSeparator);

bool EndsWithEndOfRun(const std::wstring& text) {
    return text.size() >= kEndOfRun.size() &&
           text.compare(text.size() - kEndOfRun.size(), kEndOfRun.size(), kEndOfRun) == 0;
}

// The 19 lines of a fully successful run, none of them an error line.
bool FullySuccessful(const std::wstring& box) {
    size_t lines = 1;
    for (size_t at = box.find(L"\r\n"); at != std::wstring::npos; at = box.find(L"\r\n", at + 2)) ++lines;
    return lines == 19 && box.find(L"ERROR!") == std::wstring::npos;
}

struct RunResult {
    double seconds = -1.0;  // negative: the run never ended
    std::wstring box;
};

// Starts the program, waits until it idles in its message loop, clicks "Start Test" and watches the
// box: its length is polled every millisecond and its text read only when the length changes.
RunResult TimeOneRun(const std::wstring& exe) {
    DeleteFileW((FolderOf(exe) + L"\\log.txt").c_str());
    RunResult result;
    ChildProcess child({exe, L"", FolderOf(exe), {}, nullptr, kCloseDeadlineMs});
    HWND window = child.WaitForWindow(kFrmMainClass, kDeadlineMs, 1);
    if (!window) return result;
    WaitForInputIdle(child.Process(), kDeadlineMs);
    HWND command1 = GetDlgItem(window, kCommand1Id);
    HWND text1 = GetDlgItem(window, kText1Id);
    size_t seen = static_cast<size_t>(-1);
    Stopwatch clock;
    PostMessageW(command1, BM_CLICK, 0, 0);
    while (clock.Seconds() * 1000.0 < kDeadlineMs) {
        // Asked with a timeout: the program answers only while its run yields to events.
        const std::optional<size_t> length = launcher::OtherWindowTextLength(text1, kAskTimeoutMs);
        const double at = clock.Seconds();
        if (length && *length != seen) {
            seen = *length;
            std::optional<std::wstring> text = launcher::OtherWindowText(text1, kAskTimeoutMs);
            if (text && EndsWithEndOfRun(*text)) {
                result = {at, *text};
                break;
            }
        }
        Sleep(1);
    }
    child.Close(window);
    return result;
}

// Runs a console program to its end and returns what it wrote to its standard output; nothing
// when it cannot start, exits with a failure, or is still running deadlineMs after its output closed.
std::optional<std::string> RunForOutput(const std::wstring& exe, const std::wstring& arguments, DWORD deadlineMs) {
    SECURITY_ATTRIBUTES inheritable = {sizeof inheritable, nullptr, TRUE};
    HANDLE read = nullptr, write = nullptr;
    if (!CreatePipe(&read, &write, &inheritable, 0)) return std::nullopt;
    win32::UniqueHandle readEnd(read), writeEnd(write);
    SetHandleInformation(readEnd.get(), HANDLE_FLAG_INHERIT, 0);
    ChildProcess child({exe, arguments, FolderOf(exe), {}, writeEnd.get(), kCloseDeadlineMs});
    writeEnd.reset();  // the child's copy is the only writer now: reading ends when it exits
    if (!child.Started()) return std::nullopt;
    std::string output;
    char buffer[256];
    DWORD count = 0;
    while (ReadFile(readEnd.get(), buffer, sizeof buffer, &count, nullptr) && count) output.append(buffer, count);
    if (!child.WaitForExit(deadlineMs) || child.ExitCode() != 0) return std::nullopt;
    return output;
}

// Seconds bench_appender took for its 19 lines; negative when it failed.
double TimeAppends(const std::wstring& appenderExe) {
    const std::wstring file = FolderOf(appenderExe) + L"\\baseline-log.txt";
    DeleteFileW(file.c_str());
    const std::optional<std::string> output = RunForOutput(appenderExe, L"\"" + file + L"\"", kDeadlineMs);
    return output ? std::strtod(output->c_str(), nullptr) : -1.0;
}

}  // namespace

void RunFigure(const std::wstring& velkorinExe, const std::wstring& appenderExe, int repetitions) {
    TimeAppends(appenderExe);  // warm-up
    TimeOneRun(velkorinExe);
    Samples appends, runs;
    std::string failure;
    for (int i = 0; i < repetitions; ++i) {
        const double baseline = TimeAppends(appenderExe);
        const RunResult run = TimeOneRun(velkorinExe);
        if (baseline <= 0) failure = "the appender failed";
        if (run.seconds < 0) failure = "a run never ended";
        if (run.seconds >= 0 && !FullySuccessful(run.box)) failure = "a run was not 19 successful lines";
        if (baseline > 0 && run.seconds >= 0) {
            appends.Add(baseline);
            runs.Add(run.seconds);
        }
    }
    const Samples ratios = Ratios(appends, runs);
    TableRow row;
    row.figure = "full run against the stand-in, 19 lines (click until the last separator is in the box; context)";
    row.baseline = "19 appends, file opened and closed for each: " + FormatDuration(appends.Median());
    row.program = "Velkorin.exe: " + FormatDuration(runs.Median());
    row.ratio = FormatRatio(ratios.Median());
    row.spread = FormatSpread(ratios);
    row.goal = "-";
    row.met = failure.empty() ? "-" : "**no** (" + failure + ")";
    PrintRow(row);
}

}  // namespace velkorin::bench
