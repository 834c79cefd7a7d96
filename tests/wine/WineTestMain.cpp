#include <gtest/gtest.h>

#include <cstring>

#include "wine/WineTestSupport.h"

namespace velkorin::wine {
namespace {
win32::Win32Process* g_process = nullptr;
}  // namespace

win32::Win32Process& Process() { return *g_process; }
bool ProcessMade() { return g_process != nullptr; }

}  // namespace velkorin::wine

// The process as the program has it (OLE on this one thread, the runtime's services, the visual-style
// module), for the whole run; with --before-start-up, as it is before the program's entry has made it.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (argc > 1 && std::strcmp(argv[1], "--before-start-up") == 0) return RUN_ALL_TESTS();
    velkorin::win32::Win32Process process;
    if (!process.OleReady()) return 2;
    velkorin::wine::g_process = &process;
    return RUN_ALL_TESTS();
}
