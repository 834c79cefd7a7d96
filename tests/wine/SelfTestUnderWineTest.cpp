// The self-test on real COM under Wine: against the stand-in components registered in the test
// prefix, and against Wine's own components, which cannot open a Jet database.
#include <gtest/gtest.h>

#include <algorithm>

#include "runtime/win32/ComFailure.h"
#include "fakes/ExpectedTranscript.h"
#include "runtime/win32/TextConversion.h"
#include "runtime/Utf16.h"
#include "wine/WineTestSupport.h"

namespace velkorin::wine {
namespace {

using namespace expected;

std::string Folder() { return win32::WideToUtf8(AppFolder()); }

class SelfTestUnderWine : public ::testing::Test {
protected:
    void SetUp() override {
        PlaceDatabase(L"test.mdb");
        RemoveFile(AppFile(L"log.txt"));
    }

    // The box and log.txt both hold exactly these lines after the three header lines.
    void ExpectTranscriptAfterHeader(const Lines& body) {
        Lines box = SplitLines(self.text1.text, "\r\n");
        ASSERT_GE(box.size(), 3u) << self.text1.text;
        EXPECT_EQ(box[0], "Starting Test.");
        std::string date = self.dateTime.DateText();
        EXPECT_EQ(box[1].rfind("Date: " + date + " Time: ", 0), 0u) << box[1];
        EXPECT_GT(box[1].size(), ("Date: " + date + " Time: ").size());
        EXPECT_EQ(box[2], kSep);
        EXPECT_EQ(Lines(box.begin() + 3, box.end()), body);
        EXPECT_EQ(ReadBytes(AppFile(L"log.txt")), win32::Utf8ToAnsi(self.text1.text + "\r\n"));
        EXPECT_EQ(self.text1.selStart, static_cast<int32_t>(Utf16Length(self.text1.text)));
        EXPECT_TRUE(!self.slots.dbDao && !self.slots.rsDao && !self.slots.cnAdo && !self.slots.rsAdo);
    }

    RealSelfTest self;
};

// --- Wine's own components: no DAO at all, and an ADO that cannot be driven late-bound.

using WineOwnComponents = SelfTestUnderWine;

TEST_F(WineOwnComponents, ReportTheMissingEngineAndTheUnusableConnection) {
    self.run.Command1_Click();
    Lines box = SplitLines(self.text1.text, "\r\n");
    ASSERT_EQ(box.size(), 11u) << self.text1.text;
    // Wine's Connection exists, but its type library is not registered: every named call fails, and
    // the open step reports it.
    ExpectTranscriptAfterHeader(Concat({OpenFails("DAO", "-2147221164 - Class not registered"),
                                        OpenFails("ADO", "-2147319779 - Library not registered."), kEnd}));
    std::printf("Transcript with Wine's own components:\n%s\n", self.text1.text.c_str());
}

// --- The stand-in components, registered machine-wide in the test prefix.

class StandInComponents : public SelfTestUnderWine {
protected:
    StandIn standIn;
};

TEST_F(StandInComponents, FullRunWritesNineteenLinesAndSendsEveryArgumentWithItsType) {
    self.run.Command1_Click();
    ExpectTranscriptAfterHeader(Concat({kDaoSuccess, kAdoSuccess, kEnd}));
    const std::string db = Folder() + "\\test.mdb";
    const std::string query = "VT_BSTR \"SELECT * FROM test ORDER BY [ID]\"";
    const std::string notGiven = "VT_ERROR 0x80020004";
    const Lines expected = {
        "create DAO.DBEngine",
        "DAO.DBEngine.OpenDatabase(VT_BSTR \"" + db + "\", VT_BOOL false, VT_BOOL false, " + notGiven + ")",
        "new DAO.Database",
        "DAO.Database.OpenRecordset(" + query + ", " + notGiven + ", " + notGiven + ", " + notGiven + ")",
        "new DAO.Recordset",
        "DAO.Recordset.Close()",
        "DAO.Database.Close()",
        "release DAO.Recordset",
        "release DAO.Database",
        "create ADO.Connection",
        "ADO.Connection.CursorLocation = VT_I4 3",
        "ADO.Connection.ConnectionString = VT_BSTR \"Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + db + ";\"",
        "ADO.Connection.Open(VT_BSTR \"\", VT_BSTR \"\", VT_BSTR \"\", VT_I4 -1)",
        "create ADO.Recordset",
        "ADO.Recordset.Open(" + query + ", VT_DISPATCH ADO.Connection, VT_I4 2, VT_I4 3, VT_I4 -1)",
        "ADO.Recordset.Close()",
        "ADO.Connection.Close()",
        "release ADO.Recordset",
        "release ADO.Connection",
    };
    EXPECT_EQ(standIn.Records(), expected);
    std::printf("Transcript with the stand-in components:\n%s\n", self.text1.text.c_str());
}

TEST_F(StandInComponents, AbsentDatabaseFailsBothOpenSteps) {
    PlaceDatabase(nullptr);
    self.run.Command1_Click();
    const std::string missing = "Could not find file '" + Folder() + "\\test.mdb'.";
    ExpectTranscriptAfterHeader(
        Concat({OpenFails("DAO", "3024 - " + missing), OpenFails("ADO", "-2147467259 - " + missing), kEnd}));
}

TEST_F(StandInComponents, DatabaseWithoutTheTableFailsBothQuerySteps) {
    PlaceDatabase(L"no_table.mdb");
    self.run.Command1_Click();
    Lines box = SplitLines(self.text1.text, "\r\n");
    ASSERT_EQ(box.size(), 15u) << self.text1.text;
    EXPECT_EQ(box[6].rfind("ERROR!: 3078 - ", 0), 0u) << box[6];
    EXPECT_EQ(box[11].rfind("ERROR!: -2147217865 - ", 0), 0u) << box[11];
    ExpectTranscriptAfterHeader(
        Concat({QueryFails("DAO", box[6].substr(8)), QueryFails("ADO", box[11].substr(8)), kEnd}));
}

TEST_F(StandInComponents, ControlFacilityFailureShowsTheComponentsOwnNumber) {
    standIn.Fail(L"DAO.DBEngine.OpenDatabase", L"0x800A0C4B", L"Unrecognized database format 'x.mdb'.");
    self.run.Command1_Click();
    ExpectTranscriptAfterHeader(
        Concat({OpenFails("DAO", "3147 - Unrecognized database format 'x.mdb'."), kAdoSuccess, kEnd}));
}

TEST_F(StandInComponents, FailureCodeWithTheTopBitSetPrintsNegative) {
    standIn.Fail(L"ADO.Connection.Open", L"0x80004005", L"[Microsoft][ODBC] General error");
    self.run.Command1_Click();
    ExpectTranscriptAfterHeader(
        Concat({kDaoSuccess, OpenFails("ADO", "-2147467259 - [Microsoft][ODBC] General error"), kEnd}));
}

TEST_F(StandInComponents, EmptyDescriptionEndsTheLineWithTheSeparator) {
    standIn.Fail(L"ADO.Recordset.Open", L"0x80040E14", L"");
    self.run.Command1_Click();
    ExpectTranscriptAfterHeader(Concat({kDaoSuccess, QueryFails("ADO", "-2147217900 - "), kEnd}));
}

TEST_F(StandInComponents, CodeReturnedDirectlyTakesTheComponentsTextOnlyWhereItOffersOne) {
    const std::string locked = "Table 'test' is exclusively locked by user 'Admin'.";
    const std::string systemText = win32::FailureFromHresult(E_FAIL).Description();
    struct Row {
        const wchar_t* delivery;
        const wchar_t* code;
        std::string line;  // the control facility's code shows its low word, as it does through an exception
    } const rows[] = {{L"errorinfo:", L"0x80004005", "-2147467259 - " + locked},
                      {L"bare:", L"0x80004005", "-2147467259 - " + systemText},
                      {L"errorinfo:", L"0x800A0BF2", "3058 - " + locked},
                      {L"bare:", L"0x800A0BF2", "3058 - Automation error 0x800A0BF2"}};
    for (const Row& row : rows) {
        SCOPED_TRACE(win32::WideToUtf8(std::wstring(row.delivery) + row.code));
        standIn.Fail(std::wstring(row.delivery) + L"DAO.Database.OpenRecordset", row.code,
                     L"Table 'test' is exclusively locked by user 'Admin'.");
        self.run.Command1_Click();
        ExpectTranscriptAfterHeader(Concat({QueryFails("DAO", row.line), kAdoSuccess, kEnd}));
        RemoveFile(AppFile(L"log.txt"));
    }
}

TEST_F(StandInComponents, EngineThatCannotBeCreatedIsReportedWithTheSystemsText) {
    standIn.Fail(L"create DAO.DBEngine", L"0x80040154", L"");
    self.run.Command1_Click();
    ExpectTranscriptAfterHeader(
        Concat({OpenFails("DAO", "-2147221164 - Class not registered"), kAdoSuccess, kEnd}));
}

TEST_F(StandInComponents, ConnectionThatCannotBeCreatedShowsAsTheOpenStepsFailure) {
    standIn.Fail(L"create ADO.Connection", L"0x80040154", L"");
    self.run.Command1_Click();
    ExpectTranscriptAfterHeader(
        Concat({kDaoSuccess, OpenFails("ADO", "91 - Object variable or With block variable not set"), kEnd}));
}

TEST_F(StandInComponents, SecondRunReusesTheEngineAndTheLogKeepsBothRuns) {
    self.run.Command1_Click();
    std::string first = self.text1.text;
    self.run.Command1_Click();
    Lines records = standIn.Records();
    EXPECT_EQ(std::count(records.begin(), records.end(), "create DAO.DBEngine"), 1);
    EXPECT_EQ(SplitLines(self.text1.text, "\r\n").size(), 19u);
    EXPECT_EQ(ReadBytes(AppFile(L"log.txt")), first + "\r\n" + self.text1.text + "\r\n");
}

}  // namespace
}  // namespace velkorin::wine
