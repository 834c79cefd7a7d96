#include <gtest/gtest.h>
#include <windows.h>

#include "wine/ComScope.h"

// COM on this one thread for the pictures of the in-process checks, as a program has it.
int main(int argc, char** argv) {
    // Our own desktop window first, so Wine starts its desktop process for us, not inside a test's job.
    GetDesktopWindow();
    velkorin::win32::ComScope com;
    if (FAILED(com.Result())) return 2;
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
