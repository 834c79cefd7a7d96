// The fault matrix: one row a case, each run on a real Velkorin.exe in a program folder of its own.
// Whatever a row breaks, the program must stay up, show no window of its own but FrmMain, end its
// run with "Done, Test Complete." and a separator, say what failed in the box and, wherever it can
// write, in log.txt, and leave log.txt's earlier bytes as they were.
// The rows are what only a whole process shows: real files in their states, log.txt and its folder,
// clicks during a run. How each component step's failure reads is pinned in-process, on real COM
// (SelfTestUnderWineTest.cpp) and against the fakes (TestRunTranscriptTest.cpp); one injected row
// here proves that the program carries such a failure to its box and log.txt.
#include <string>
#include <vector>

#include "wine/e2e/BoxLines.h"
#include "wine/e2e/E2eSupport.h"
#include "wine/e2e/FaultMatrix.h"

namespace velkorin::e2e {
namespace {

using Db = Database;
using Log = LogFile;
using Mid = MidRun;

using expected::OpenFails;
using expected::QueryFails;

const expected::Lines kDaoOk = expected::kDaoSuccess;
const expected::Lines kAdoOk = expected::kAdoSuccess;
expected::Lines DaoOpen(const std::string& error) { return OpenFails("DAO", error); }
expected::Lines DaoQuery(const std::string& error) { return QueryFails("DAO", error); }
expected::Lines AdoOpen(const std::string& error) { return OpenFails("ADO", error); }
expected::Lines AdoQuery(const std::string& error) { return QueryFails("ADO", error); }

// What the stand-in components say about real files, as Jet would.
const std::string kNoFile = "Could not find file '{db}'.";
const std::string kBadFormat = "Unrecognized database format '{db}'.";
const std::string kLocked = "Database '{db}' is exclusively locked.";
const std::string kNoTable = "The Microsoft Jet database engine cannot find the input table or query 'test'.  "
                             "Make sure it exists and that its name is spelled correctly.";

// clang-format off
const FaultRow kRows[] = {
    // name                               test.mdb              log.txt and folder          STANDIN_FAIL, during the run
    //   the DAO stage's lines and the ADO stage's, on a line of their own where a stage fails
    {"FullRun",                            Db::Real,             Log::Writable,              nullptr, Mid::None, kDaoOk, kAdoOk},

    {"FolderReadOnly",                     Db::Real,             Log::FolderReadOnly,        nullptr, Mid::None, kDaoOk, kAdoOk},
    {"LogReadOnly",                        Db::Real,             Log::ReadOnly,              nullptr, Mid::None, kDaoOk, kAdoOk},
    {"LogHeldForTheWholeRun",              Db::Real,             Log::HeldWholeRun,          nullptr, Mid::None, kDaoOk, kAdoOk},
    {"LogHeldUntilTheDaoStageEnds",        Db::Real,             Log::HeldUntilDaoSeparator, nullptr, Mid::None, kDaoOk, kAdoOk},
    {"LogHardLinkToAFileElsewhere",        Db::Real,             Log::HardLinkElsewhere,     nullptr, Mid::None, kDaoOk, kAdoOk},
    {"LogReadOnlyDatabaseMissing",         Db::Missing,          Log::ReadOnly,              nullptr, Mid::None,
     DaoOpen("3024 - " + kNoFile), AdoOpen("-2147467259 - " + kNoFile)},

    {"DatabaseMissing",                    Db::Missing,          Log::Writable,              nullptr, Mid::None,
     DaoOpen("3024 - " + kNoFile), AdoOpen("-2147467259 - " + kNoFile)},
    {"DatabaseDamaged",                    Db::Damaged,          Log::Writable,              nullptr, Mid::None,
     DaoOpen("3343 - " + kBadFormat), AdoOpen("-2147467259 - " + kBadFormat)},
    {"DatabaseWithoutTableTest",           Db::WithoutTableTest, Log::Writable,              nullptr, Mid::None,
     DaoQuery("3078 - " + kNoTable), AdoQuery("-2147217865 - " + kNoTable)},
    {"DatabaseHeldExclusively",            Db::HeldExclusively,  Log::Writable,              nullptr, Mid::None,
     DaoOpen("3006 - " + kLocked), AdoOpen("-2147467259 - " + kLocked)},
    {"DatabaseZeroBytesLong",              Db::ZeroBytes,        Log::Writable,              nullptr, Mid::None,
     DaoOpen("3343 - " + kBadFormat), AdoOpen("-2147467259 - " + kBadFormat)},

    // A failure injected into a member call of each stage, as an exception with a code and a
    // description: a control-facility code (0x800Axxxx) shows as its low word, any other code whole.
    {"BothStagesFail",                     Db::Real,             Log::Writable,
     L"DAO.DBEngine.OpenDatabase|0x800A0BD0|first;;ADO.Recordset.Open|0x80004005|second", Mid::None,
     DaoOpen("3024 - first"), AdoQuery("-2147467259 - second")},

    // "Start Test" twice and the link once each, handled at the run's next yield: the run goes on alone.
    {"ClicksWhileTheRunIsInProgress",      Db::Real,             Log::Writable,              nullptr, Mid::Clicks, kDaoOk, kAdoOk},
};
// clang-format on

size_t CountLines(const std::string& bytes) {
    size_t lines = 0;
    for (size_t at = bytes.find("\r\n"); at != std::string::npos; at = bytes.find("\r\n", at + 2)) ++lines;
    return lines;
}

TEST_P(FaultMatrix, EndsCompleteWithTheRowsLinesInBoxAndLog) {
    const FaultRow& row = GetParam();
    const std::wstring box = RunSelfTest();

    EXPECT_FALSE(velkorin_->WaitForExit(0)) << "the program ended, exit code " << velkorin_->ExitCode();
    EXPECT_EQ(windowsAtPause_, std::vector<std::wstring>()) << "windows of the program while its run stood still";
    EXPECT_EQ(OtherWindows(), std::vector<std::wstring>()) << "windows of the program after its run";
    EXPECT_EQ(BoxWithoutDate(box), ExpectedBox()) << "the box holds:\n" << ToUtf8(box);

    heldLog_.reset();
    const std::string log = ReadBytes(File(L"log.txt")), earlier = EarlierLog();
    ASSERT_EQ(log.substr(0, earlier.size()), earlier) << "log.txt's earlier bytes changed";
    EXPECT_EQ(log.substr(earlier.size()), ExpectedLogGain(BoxLines(box)));
    if (row.log == Log::HardLinkElsewhere) {
        EXPECT_EQ(ReadBytes(Elsewhere()), earlier) << "the file elsewhere changed";
    }
    EXPECT_EQ(GetFileAttributesW(File(L"log.txt").c_str()) != INVALID_FILE_ATTRIBUTES, row.log != Log::FolderReadOnly)
        << "log.txt there after the run";

    if (row.midRun == MidRun::Clicks) {
        // Each link click launched the page's handler once; all of them have ended.
        EXPECT_TRUE(WaitFor([&] { return velkorin_->Counts().active == 1; })) << "a URL handler did not end";
        EXPECT_EQ(velkorin_->Counts().total, 3u) << "processes in the program's job";
        EXPECT_EQ(CountLines(ReadBytes(File(L"urls.txt"))), 2u);
    }
}

INSTANTIATE_TEST_SUITE_P(StandIn, FaultMatrix, ::testing::ValuesIn(kRows),
                         [](const ::testing::TestParamInfo<FaultRow>& info) { return std::string(info.param.name); });

}  // namespace

void PrintTo(const FaultRow& row, std::ostream* out) { *out << row.name; }

}  // namespace velkorin::e2e
