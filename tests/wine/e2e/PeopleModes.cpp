#include "wine/e2e/PeopleModes.h"

#include <fcntl.h>
#include <io.h>

#include <cstdio>

#include "wine/e2e/E2eSupport.h"
#include "wine/e2e/ScreenCapture.h"
#include "wine/e2e/VelkorinProcess.h"

namespace velkorin::e2e {

namespace {

int Fail(const char* what) {
    std::fprintf(stderr, "velkorin_e2e: %s\n", what);
    return 1;
}

}  // namespace

int RunDemo(const std::wstring& folder) {
    VelkorinProcess velkorin(folder + L"\\Velkorin.exe", folder);
    if (!velkorin.Started()) return Fail("cannot start Velkorin.exe in that folder");
    HWND window = velkorin.WaitForWindow();
    if (!window) return Fail("no Velkorin window within the deadline");
    PostMessageW(GetDlgItem(window, kCommand1Id), BM_CLICK, 0, 0);
    const std::wstring logPath = folder + L"\\log.txt";
    // The box starts empty, so its end line can only come from this run; log.txt may hold older runs too.
    std::wstring box;
    if (!WaitForRunToEnd(window, box, [&] { return EndsWith(ReadBytes(logPath), ToAnsi(kEndOfRun + L"\r\n")); })) {
        return Fail("the self-test did not end within the deadline");
    }
    const std::string log = ReadBytes(logPath);
    _setmode(_fileno(stdout), _O_BINARY);  // log.txt as read: no CR added before its LFs
    std::fwrite(log.data(), 1, log.size(), stdout);
    const std::wstring shotPath = folder + L"\\screenshot.bmp";
    const RECT screen = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    // The caller names the picture it makes of it: one line, the file a user opens.
    if (!ScreenCapture::Of(screen).SaveBmp(shotPath)) return Fail("cannot write the screenshot");
    std::fflush(stdout);
    PostMessageW(window, WM_CLOSE, 0, 0);
    if (!velkorin.WaitForExit(kDeadlineMs)) return Fail("Velkorin did not end after WM_CLOSE");
    return velkorin.ExitCode() == 0 ? 0 : Fail("Velkorin ended with a non-zero exit code");
}

int RunShow(const std::wstring& folder) {
    VelkorinProcess velkorin(folder + L"\\Velkorin.exe", folder);
    if (!velkorin.Started()) return Fail("cannot start Velkorin.exe in that folder");
    // The program ends when its window is closed.
    return velkorin.WaitForExit(INFINITE) ? static_cast<int>(velkorin.ExitCode()) : 1;
}

}  // namespace velkorin::e2e
