#pragma once

#include <string>
#include <vector>

#include "fakes/FakeRuntime.h"
#include "selftest/LogWriter.h"
#include "selftest/ModMain.h"
#include "selftest/TestRun.h"
#include "startup/Win32Process.h"
#include "wine/FileBytes.h"
#include "wine/WideStrings.h"

namespace velkorin::wine {

// The process the test program's entry made, once; not made in a run --before-start-up.
win32::Win32Process& Process();
bool ProcessMade();

// The self-test on the real Win32 services and real COM; only the log box is kept in memory.
struct RealSelfTest {
    win32::Win32Services& services = Process().Services();
    Runtime& runtime = services.runtime;
    fakes::FakeLogBox text1;
    LogWriter log{runtime, text1};
    ModMain slots;
    TestRun run{runtime, text1, log, slots};
};

// The folder of this test program: it plays the program folder, holding test.mdb and log.txt.
std::wstring AppFolder();
std::wstring AppFile(const wchar_t* name);
// Puts a copy of fixtures\<fixture> in place as test.mdb, or removes test.mdb when fixture is null.
void PlaceDatabase(const wchar_t* fixture);
void RemoveFile(const std::wstring& path);
std::vector<std::string> SplitLines(const std::string& text, const std::string& separator);

// The stand-in components' call record and failure switch, both read by them at every call.
class StandIn {
public:
    StandIn();
    ~StandIn();
    // "step|code|description", several joined by ";;"; null: every call succeeds.
    void Fail(const wchar_t* failures);
    std::vector<std::string> Records() const;
    void ClearRecords();

private:
    std::wstring recordPath_;
};

}  // namespace velkorin::wine
