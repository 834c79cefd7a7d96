#include <gtest/gtest.h>
#include <windows.h>

#include "startup/Win32Process.h"

// The process as a program has it, for the pictures and forms of the in-process checks.
int main(int argc, char** argv) {
    // Our own desktop window first, so Wine starts its desktop process for us, not inside a test's job.
    GetDesktopWindow();
    velkorin::win32::Win32Process process;
    if (!process.OleReady()) return 2;
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
