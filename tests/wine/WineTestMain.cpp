#include <gtest/gtest.h>

#include "wine/ComScope.h"

// COM lives on this one thread for the whole run, as it does in the program.
int main(int argc, char** argv) {
    velkorin::win32::ComScope com;
    if (FAILED(com.Result())) return 2;
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
