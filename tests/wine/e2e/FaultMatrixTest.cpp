// The fault matrix: one row a case, each run on a real Velkorin.exe in a program folder of its own.
// Whatever a row breaks, the program must stay up, show no window of its own but FrmMain, end its
// run with "Done, Test Complete." and a separator, say what failed in the box and, wherever it can
// write, in log.txt, and leave log.txt's earlier bytes as they were.
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

std::wstring Stage(const wchar_t* via) { return std::wstring(L"Connecting To Test.mdb using ") + via + L"..."; }
WideLines Succeeds(const wchar_t* via) {
    return {Stage(via), L"--Successful", L"Opening Table...", L"--Successful", L"Closing connection to the database.",
            L"--Successful", kSeparator};
}
WideLines OpenFails(const wchar_t* via, const std::wstring& error) {
    return {Stage(via), L"ERROR!: " + error, kSeparator};
}
WideLines QueryFails(const wchar_t* via, const std::wstring& error) {
    return {Stage(via), L"--Successful", L"Opening Table...", L"ERROR!: " + error, kSeparator};
}

const WideLines kDaoOk = Succeeds(L"DAO");
const WideLines kAdoOk = Succeeds(L"ADO");
WideLines DaoOpen(const std::wstring& error) { return OpenFails(L"DAO", error); }
WideLines DaoQuery(const std::wstring& error) { return QueryFails(L"DAO", error); }
WideLines AdoOpen(const std::wstring& error) { return OpenFails(L"ADO", error); }
WideLines AdoQuery(const std::wstring& error) { return QueryFails(L"ADO", error); }

// What the stand-in components say about real files, as Jet would.
const std::wstring kNoFile = L"Could not find file '{db}'.";
const std::wstring kBadFormat = L"Unrecognized database format '{db}'.";
const std::wstring kLocked = L"Database '{db}' is exclusively locked.";
const std::wstring kNoTable = L"The Microsoft Jet database engine cannot find the input table or query 'test'.  "
                              L"Make sure it exists and that its name is spelled correctly.";
const std::wstring kNoProvider = L"Provider cannot be found. It may not be properly installed.";
// The runtime's own failure for a call through an empty object slot.
const std::wstring kNotSet = L"91 - Object variable or With block variable not set";

// A failure injected into a member call reaches the program as an exception with a code and a
// description: a control-facility code (0x800Axxxx) shows as its low word, any other code whole
// (negative). A failed creation gives the program the code alone, and it adds the system's text.
// clang-format off
const FaultRow kRows[] = {
    // name                               test.mdb              log.txt and folder          STANDIN_FAIL, during the run
    //   the DAO stage's lines,           the ADO stage's lines
    {"FullRun",                            Db::Real,             Log::Writable,              nullptr, Mid::None,
     kDaoOk, kAdoOk},

    {"FolderReadOnly",                     Db::Real,             Log::FolderReadOnly,        nullptr, Mid::None,
     kDaoOk, kAdoOk},
    {"LogReadOnly",                        Db::Real,             Log::ReadOnly,              nullptr, Mid::None,
     kDaoOk, kAdoOk},
    {"LogHeldForTheWholeRun",              Db::Real,             Log::HeldWholeRun,          nullptr, Mid::None,
     kDaoOk, kAdoOk},
    {"LogHeldUntilTheDaoStageEnds",        Db::Real,             Log::HeldUntilDaoSeparator, nullptr, Mid::None,
     kDaoOk, kAdoOk},
    {"LogReadOnlyDatabaseMissing",         Db::Missing,          Log::ReadOnly,              nullptr, Mid::None,
     DaoOpen(L"3024 - " + kNoFile), AdoOpen(L"-2147467259 - " + kNoFile)},

    {"DatabaseMissing",                    Db::Missing,          Log::Writable,              nullptr, Mid::None,
     DaoOpen(L"3024 - " + kNoFile), AdoOpen(L"-2147467259 - " + kNoFile)},
    {"DatabaseDamaged",                    Db::Damaged,          Log::Writable,              nullptr, Mid::None,
     DaoOpen(L"3343 - " + kBadFormat), AdoOpen(L"-2147467259 - " + kBadFormat)},
    {"DatabaseWithoutTableTest",           Db::WithoutTableTest, Log::Writable,              nullptr, Mid::None,
     DaoQuery(L"3078 - " + kNoTable), AdoQuery(L"-2147217865 - " + kNoTable)},
    {"DatabaseHeldExclusively",            Db::HeldExclusively,  Log::Writable,              nullptr, Mid::None,
     DaoOpen(L"3006 - " + kLocked), AdoOpen(L"-2147467259 - " + kLocked)},
    {"DatabaseZeroBytesLong",              Db::ZeroBytes,        Log::Writable,              nullptr, Mid::None,
     DaoOpen(L"3343 - " + kBadFormat), AdoOpen(L"-2147467259 - " + kBadFormat)},

    {"DaoEngineNotCreated",                Db::Real,             Log::Writable,
     L"create DAO.DBEngine|0x80040154|", Mid::None,
     DaoOpen(L"-2147221164 - Class not registered"), kAdoOk},
    {"DaoOpenDatabaseControlFacility",     Db::Real,             Log::Writable,
     L"DAO.DBEngine.OpenDatabase|0x800A0BD0|Could not find file 'A:\\x|y.mdb'.", Mid::None,
     DaoOpen(L"3024 - Could not find file 'A:\\x|y.mdb'."), kAdoOk},
    {"DaoOpenDatabaseEmptyDescription",    Db::Real,             Log::Writable,
     L"DAO.DBEngine.OpenDatabase|0x80004005|", Mid::None,
     DaoOpen(L"-2147467259 - "), kAdoOk},
    // A control-facility code whose low word is 0 must not read as success.
    {"DaoOpenDatabaseControlFacilityZero", Db::Real,             Log::Writable,
     L"DAO.DBEngine.OpenDatabase|0x800A0000|no number", Mid::None,
     DaoOpen(L"-2147352567 - no number"), kAdoOk},
    {"DaoOpenRecordsetEmptyDescription",   Db::Real,             Log::Writable,
     L"DAO.Database.OpenRecordset|0x800A0BC3|", Mid::None,
     DaoQuery(L"3011 - "), kAdoOk},
    {"DaoOpenRecordsetWholeCode",          Db::Real,             Log::Writable,
     L"DAO.Database.OpenRecordset|0x80040E14|Syntax error in FROM clause.", Mid::None,
     DaoQuery(L"-2147217900 - Syntax error in FROM clause."), kAdoOk},
    {"DaoRecordsetCloseFails",             Db::Real,             Log::Writable,
     L"DAO.Recordset.Close|0x800A0D5C|Object invalid or no longer set.", Mid::None,
     kDaoOk, kAdoOk},
    {"DaoDatabaseCloseFails",              Db::Real,             Log::Writable,
     L"DAO.Database.Close|0x80004005|", Mid::None,
     kDaoOk, kAdoOk},

    {"AdoConnectionNotCreated",            Db::Real,             Log::Writable,
     L"create ADO.Connection|0x80040154|", Mid::None,
     kDaoOk, AdoOpen(kNotSet)},
    // The later steps of the open succeed and leave this failure pending for the check.
    {"AdoCursorLocationRefused",           Db::Real,             Log::Writable,
     L"ADO.Connection.CursorLocation|0x800A0BB9|Arguments are of the wrong type.", Mid::None,
     kDaoOk, AdoOpen(L"3001 - Arguments are of the wrong type.")},
    // Open then finds no provider, and its own failure is the one reported.
    {"AdoConnectionStringRefused",         Db::Real,             Log::Writable,
     L"ADO.Connection.ConnectionString|0x80004005|refused", Mid::None,
     kDaoOk, AdoOpen(L"3706 - " + kNoProvider)},
    {"AdoOpenControlFacility",             Db::Real,             Log::Writable,
     L"ADO.Connection.Open|0x800A0E7A|No provider here.", Mid::None,
     kDaoOk, AdoOpen(L"3706 - No provider here.")},
    {"AdoOpenEmptyDescription",            Db::Real,             Log::Writable,
     L"ADO.Connection.Open|0x80004005|", Mid::None,
     kDaoOk, AdoOpen(L"-2147467259 - ")},
    {"AdoRecordsetNotCreated",             Db::Real,             Log::Writable,
     L"create ADO.Recordset|0x8007000E|", Mid::None,
     kDaoOk, AdoQuery(kNotSet)},
    {"AdoRecordsetOpenEmptyDescription",   Db::Real,             Log::Writable,
     L"ADO.Recordset.Open|0x800A0E7D|", Mid::None,
     kDaoOk, AdoQuery(L"3709 - ")},
    // A description that the ANSI code page holds only in part: '?' in log.txt, whole in the box.
    {"AdoRecordsetOpenWholeCode",          Db::Real,             Log::Writable,
     L"ADO.Recordset.Open|0x80040E37|Table 'test' introuvable \u2013 \u65e5\u672c", Mid::None,
     kDaoOk, AdoQuery(L"-2147217865 - Table 'test' introuvable \u2013 \u65e5\u672c")},
    {"AdoRecordsetCloseFails",             Db::Real,             Log::Writable,
     L"ADO.Recordset.Close|0x800A0E78|Operation is not allowed when the object is closed.", Mid::None,
     kDaoOk, kAdoOk},
    {"AdoConnectionCloseFails",            Db::Real,             Log::Writable,
     L"ADO.Connection.Close|0x80004005|", Mid::None,
     kDaoOk, kAdoOk},
    {"BothStagesFail",                     Db::Real,             Log::Writable,
     L"DAO.DBEngine.OpenDatabase|0x800A0BD0|first;;ADO.Recordset.Open|0x80004005|second", Mid::None,
     DaoOpen(L"3024 - first"), AdoQuery(L"-2147467259 - second")},

    // "Start Test" twice and the link once each, handled at the run's next yield: the run goes on alone.
    {"ClicksWhileTheRunIsInProgress",      Db::Real,             Log::Writable,              nullptr, Mid::Clicks,
     kDaoOk, kAdoOk},
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

    DWORD exitCode = 0;
    EXPECT_FALSE(velkorin_->WaitForExit(0, exitCode)) << "the program ended, exit code " << exitCode;
    EXPECT_EQ(windowsAtPause_, std::vector<std::wstring>()) << "windows of the program while its run stood still";
    EXPECT_EQ(OtherWindows(), std::vector<std::wstring>()) << "windows of the program after its run";
    EXPECT_EQ(BoxWithoutDate(box), ExpectedBox()) << "the box holds:\n" << ToUtf8(box);

    heldLog_.reset();
    const std::string log = ReadBytes(File(L"log.txt")), earlier = EarlierLog();
    ASSERT_EQ(log.substr(0, earlier.size()), earlier) << "log.txt's earlier bytes changed";
    EXPECT_EQ(log.substr(earlier.size()), ExpectedLogGain(BoxLines(box)));
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
