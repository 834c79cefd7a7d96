#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "fakes/ExpectedTranscript.h"
#include "runtime/win32/ScopedHandles.h"
#include "wine/e2e/VelkorinTest.h"

namespace velkorin::e2e {

using WideLines = std::vector<std::wstring>;

// What test.mdb is when "Start Test" is clicked.
enum class Database { Real, Missing, Damaged, WithoutTableTest, ZeroBytes, HeldExclusively };
// How log.txt and the program folder stand during the run. HardLinkElsewhere: log.txt is a second
// name of a file outside the folder, as someone who can write the folder could leave it.
enum class LogFile { Writable, ReadOnly, FolderReadOnly, HeldWholeRun, HeldUntilDaoSeparator, HardLinkElsewhere };
// What the user does while the run stands at the end of its DAO stage: nothing, or click
// "Start Test" twice and the link's logo and label once each.
enum class MidRun { None, Clicks };

// One case of the fault matrix: how the program folder is prepared, what the stand-in components
// are told to fail, and the box's lines that the two stages must write. "{db}" in a line stands for
// the path of test.mdb in the program folder.
struct FaultRow {
    const char* name;
    Database database;
    LogFile log;
    const wchar_t* standInFail;  // STANDIN_FAIL, "step|0xHRESULT|description", or nullptr
    MidRun midRun;
    expected::Lines dao;  // from the stage line to the stage's separator
    expected::Lines ado;
};

// Failures name the row, not its bytes.
void PrintTo(const FaultRow& row, std::ostream* out);

// A fresh program folder per row, laid out as the row says, with earlier bytes in log.txt, and
// Velkorin.exe started with the row's stand-in failure.
class FaultMatrix : public VelkorinTest, public ::testing::WithParamInterface<FaultRow> {
protected:
    void SetUp() override;
    void TearDown() override;
    // The folder as the row wants it: test.mdb, log.txt, and what cannot be written.
    void PrepareFolder() override;

    // Clicks "Start Test", does the row's part at the end of the DAO stage, and returns the box
    // once the run has ended and the program is idle again.
    std::wstring RunSelfTest();
    // What log.txt holds before the run; a read-only folder holds no log.txt at all.
    std::string EarlierLog() const;
    // The box the row expects, its date line as "<date line>".
    WideLines ExpectedBox() const;
    // The bytes log.txt must have gained: the box's lines that came after log.txt could be written.
    std::string ExpectedLogGain(const WideLines& box) const;
    // Every top-level window of the program other than FrmMain, visible or not, but the system's own.
    std::vector<std::wstring> OtherWindows() const;

    std::wstring Elsewhere() const { return folder_ + L".elsewhere.txt"; }  // beside the folder, not in it

    std::vector<std::wstring> unwritable_;  // made unwritable, in that order
    win32::UniqueHandle heldLog_, heldDatabase_;   // opened without sharing, as another program would
    std::vector<std::wstring> windowsAtPause_;
};

}  // namespace velkorin::e2e
