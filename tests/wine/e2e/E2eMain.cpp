#include <gtest/gtest.h>
#include <windows.h>

#include <shellapi.h>  // after windows.h, which it needs

#include <string>

#include "wine/e2e/PeopleModes.h"
#include "wine/e2e/SmokeMode.h"

// velkorin_e2e [gtest options]      the end-to-end tests
// velkorin_e2e --demo <folder>      one run of the self-test, for people (make run)
// velkorin_e2e --show <folder>      the program, until the user closes it
// velkorin_e2e --smoke <folder>     one start, two runs, one close (the emulated 32-bit Wine)
int main(int argc, char** argv) {
    // Our own desktop window first, so Wine starts its desktop process for us, not inside a test's job.
    GetDesktopWindow();
    int wideCount = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &wideCount);
    if (wide && wideCount == 3) {  // wide arguments: the folder may hold any characters
        const std::wstring mode = wide[1], folder = wide[2];
        LocalFree(wide);
        if (mode == L"--demo") return velkorin::e2e::RunDemo(folder);
        if (mode == L"--show") return velkorin::e2e::RunShow(folder);
        if (mode == L"--smoke") return velkorin::e2e::RunSmoke(folder);
    } else if (wide) {
        LocalFree(wide);
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
