#include "wine/e2e/SmokeMode.h"

#include <cstdio>

#include "wine/e2e/E2eSupport.h"
#include "wine/e2e/VelkorinProcess.h"

namespace velkorin::e2e {

namespace {

int Fail(const char* what) {
    std::fprintf(stderr, "velkorin_e2e --smoke: %s\n", what);
    return 1;
}

// Clicks "Start Test" and waits until log.txt has grown by a whole run; returns the box's text.
bool RunOnce(HWND window, const std::wstring& logPath, std::wstring& box) {
    const size_t before = ReadBytes(logPath).size();
    PostMessageW(GetDlgItem(window, kCommand1Id), BM_CLICK, 0, 0);
    return WaitForRunToEnd(window, box, [&] {
        const std::string log = ReadBytes(logPath);
        return log.size() > before && EndsWith(log, ToAnsi(kEndOfRun + L"\r\n"));
    });
}

void PrintRun(const char* title, const std::wstring& box) {
    std::printf("%s\n%s\n", title, ToUtf8(box).c_str());
    std::fflush(stdout);
}

}  // namespace

int RunSmoke(const std::wstring& folder) {
    VelkorinProcess velkorin(folder + L"\\Velkorin.exe", folder);
    if (!velkorin.Started()) return Fail("cannot start Velkorin.exe in that folder");
    HWND window = velkorin.WaitForWindow();
    if (!window) return Fail("no Velkorin window within the deadline");
    std::printf("window open\n");
    std::fflush(stdout);

    const std::wstring logPath = folder + L"\\log.txt";
    std::wstring box;
    if (!RunOnce(window, logPath, box)) {
        return Fail("the first run did not end (the program ended, or the deadline passed)");
    }
    PrintRun("run 1:", box);

    std::printf("waiting for the stand-in\n");
    std::fflush(stdout);
    const std::wstring ready = folder + L"\\standin-ready";
    if (!WaitFor([&] { return GetFileAttributesW(ready.c_str()) != INVALID_FILE_ATTRIBUTES; })) {
        return Fail("the stand-in was not registered within the deadline");
    }
    if (!RunOnce(window, logPath, box)) {
        return Fail("the second run did not end (the program ended, or the deadline passed)");
    }
    PrintRun("run 2:", box);

    PostMessageW(window, WM_CLOSE, 0, 0);
    if (!velkorin.WaitForExit(kDeadlineMs)) return Fail("Velkorin did not end after WM_CLOSE");
    const DWORD exitCode = velkorin.ExitCode();
    std::printf("closed, exit code %lu\n", static_cast<unsigned long>(exitCode));
    return exitCode == 0 ? 0 : 1;
}

}  // namespace velkorin::e2e
