// The test prefix's handler for http and https addresses, in place of a web browser: appends its
// whole command line (UTF-8) and CR LF to the file named by URL_RECORD, so the end-to-end driver
// sees which address the program asked the shell to open, and how often.
#include <windows.h>

#include "wine/e2e/E2eSupport.h"
#include "runtime/win32/ScopedHandles.h"

using namespace velkorin::e2e;

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    const std::wstring path = EnvironmentVariable(L"URL_RECORD");
    if (path.empty()) return 2;
    const std::string line = ToUtf8(GetCommandLineW()) + "\r\n";
    // Append-only access puts each line whole at the end, even when two recorders run at once.
    velkorin::win32::UniqueHandle file = velkorin::win32::OwnFile(CreateFileW(
        path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS, 0, nullptr));
    DWORD written = 0;
    const bool ok = file && WriteFile(file.get(), line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    return ok && written == line.size() ? 0 : 3;
}
