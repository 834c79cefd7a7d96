// The self-test on real COM under Wine: against the stand-in components registered in the test
// prefix, and against Wine's own components, which cannot open a Jet database.
#include <gtest/gtest.h>

#include <algorithm>

#include "runtime/win32/ComFailure.h"
#include "fakes/ExpectedCalls.h"
#include "runtime/win32/TextConversion.h"
#include "runtime/Utf16.h"
#include "wine/WineTestSupport.h"

namespace velkorin::wine {
namespace {

using namespace expected;

std::string Folder() { return win32::WideToUtf8(AppFolder()); }

// The box and log.txt both hold exactly these lines after the three header lines.
void ExpectTranscriptAfterHeader(RealSelfTest& self, const Lines& body) {
    Lines box = SplitLines(self.text1.text, "\r\n");
    ASSERT_GE(box.size(), 3u) << self.text1.text;
    EXPECT_EQ(box[0], "Starting Test.");
    std::string date = self.services.dateTime.DateText();
    EXPECT_EQ(box[1].rfind("Date: " + date + " Time: ", 0), 0u) << box[1];
    EXPECT_GT(box[1].size(), ("Date: " + date + " Time: ").size());
    EXPECT_EQ(box[2], kSep);
    EXPECT_EQ(Lines(box.begin() + 3, box.end()), body);
    EXPECT_EQ(ReadBytes(AppFile(L"log.txt")), win32::Utf8ToAnsi(self.text1.text + "\r\n"));
    EXPECT_EQ(self.text1.selStart, static_cast<int32_t>(Utf16Length(self.text1.text)));
    EXPECT_TRUE(!self.slots.dbDao && !self.slots.rsDao && !self.slots.cnAdo && !self.slots.rsAdo);
}

class SelfTestUnderWine : public ::testing::Test {
protected:
    void SetUp() override {
        PlaceDatabase(L"test.mdb");
        RemoveFile(AppFile(L"log.txt"));
    }

    void ExpectTranscriptAfterHeader(const Lines& body) { wine::ExpectTranscriptAfterHeader(self, body); }

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

// One run on real COM: how each kind of failure travels from a component to the transcript.
struct RealComRow {
    const char* name;
    const wchar_t* database;  // the fixture placed as test.mdb; null: none
    const wchar_t* fail;      // the stand-in's failure switch, "step|code|description"; null: none
    Lines body;               // after the header; "{db}" is the database's path, "{E_FAIL}" the system's text
};

const std::string kNoFile = "Could not find file '{db}'.";
const std::string kNoTable = "The Microsoft Jet database engine cannot find the input table or query 'test'.  "
                             "Make sure it exists and that its name is spelled correctly.";
const std::string kLocked = "Table 'test' is exclusively locked by user 'Admin'.";
const std::string kNotSet = "91 - Object variable or With block variable not set";

// clang-format off
const RealComRow kRealComRows[] = {
    {"FullRun", L"test.mdb", nullptr, Concat({kDaoSuccess, kAdoSuccess, kEnd})},
    {"DatabaseMissing", nullptr, nullptr,
     Concat({OpenFails("DAO", "3024 - " + kNoFile), OpenFails("ADO", "-2147467259 - " + kNoFile), kEnd})},
    {"DatabaseWithoutTableTest", L"no_table.mdb", nullptr,
     Concat({QueryFails("DAO", "3078 - " + kNoTable), QueryFails("ADO", "-2147217865 - " + kNoTable), kEnd})},
    // A control-facility code shows the component's own number.
    {"ControlFacilityCode", L"test.mdb", L"DAO.DBEngine.OpenDatabase|0x800A0C4B|Unrecognized database format 'x.mdb'.",
     Concat({OpenFails("DAO", "3147 - Unrecognized database format 'x.mdb'."), kAdoSuccess, kEnd})},
    {"TopBitSetPrintsNegative", L"test.mdb", L"ADO.Connection.Open|0x80004005|[Microsoft][ODBC] General error",
     Concat({kDaoSuccess, OpenFails("ADO", "-2147467259 - [Microsoft][ODBC] General error"), kEnd})},
    {"EmptyDescriptionEndsWithTheSeparator", L"test.mdb", L"ADO.Recordset.Open|0x80040E14|",
     Concat({kDaoSuccess, QueryFails("ADO", "-2147217900 - "), kEnd})},
    // A code returned directly takes the component's text only where it offers one (IErrorInfo).
    {"ReturnedCodeWithErrorInfo", L"test.mdb", L"errorinfo:DAO.Database.OpenRecordset|0x80004005|Table 'test' is exclusively locked by user 'Admin'.",
     Concat({QueryFails("DAO", "-2147467259 - " + kLocked), kAdoSuccess, kEnd})},
    {"ReturnedCodeBare", L"test.mdb", L"bare:DAO.Database.OpenRecordset|0x80004005|Table 'test' is exclusively locked by user 'Admin'.",
     Concat({QueryFails("DAO", "-2147467259 - {E_FAIL}"), kAdoSuccess, kEnd})},
    // A control-facility code returned directly shows its low word, as it does through an exception.
    {"ReturnedControlFacilityCodeWithErrorInfo", L"test.mdb", L"errorinfo:DAO.Database.OpenRecordset|0x800A0BF2|Table 'test' is exclusively locked by user 'Admin'.",
     Concat({QueryFails("DAO", "3058 - " + kLocked), kAdoSuccess, kEnd})},
    {"ReturnedControlFacilityCodeBare", L"test.mdb", L"bare:DAO.Database.OpenRecordset|0x800A0BF2|Table 'test' is exclusively locked by user 'Admin'.",
     Concat({QueryFails("DAO", "3058 - Automation error 0x800A0BF2"), kAdoSuccess, kEnd})},
    // A component that cannot be created: the system's text for the engine, the empty slot's for ADO.
    {"EngineNotCreated", L"test.mdb", L"create DAO.DBEngine|0x80040154|",
     Concat({OpenFails("DAO", "-2147221164 - Class not registered"), kAdoSuccess, kEnd})},
    {"ConnectionNotCreated", L"test.mdb", L"create ADO.Connection|0x80040154|",
     Concat({kDaoSuccess, OpenFails("ADO", kNotSet), kEnd})},
    {"RecordsetNotCreated", L"test.mdb", L"create ADO.Recordset|0x8007000E|",
     Concat({kDaoSuccess, QueryFails("ADO", kNotSet), kEnd})},
    // A description with a backslash and a bar, carried as it is.
    {"OpenDatabaseControlFacility", L"test.mdb", L"DAO.DBEngine.OpenDatabase|0x800A0BD0|Could not find file 'A:\\x|y.mdb'.",
     Concat({OpenFails("DAO", "3024 - Could not find file 'A:\\x|y.mdb'."), kAdoSuccess, kEnd})},
    // A control-facility code whose low word is 0 must not read as success.
    {"ControlFacilityCodeWithLowWordZero", L"test.mdb", L"DAO.DBEngine.OpenDatabase|0x800A0000|no number",
     Concat({OpenFails("DAO", "-2147352567 - no number"), kAdoSuccess, kEnd})},
    {"OpenDatabaseEmptyDescription", L"test.mdb", L"DAO.DBEngine.OpenDatabase|0x80004005|",
     Concat({OpenFails("DAO", "-2147467259 - "), kAdoSuccess, kEnd})},
    {"OpenRecordsetControlFacilityEmptyDescription", L"test.mdb", L"DAO.Database.OpenRecordset|0x800A0BC3|",
     Concat({QueryFails("DAO", "3011 - "), kAdoSuccess, kEnd})},
    {"OpenRecordsetWholeCode", L"test.mdb", L"DAO.Database.OpenRecordset|0x80040E14|Syntax error in FROM clause.",
     Concat({QueryFails("DAO", "-2147217900 - Syntax error in FROM clause."), kAdoSuccess, kEnd})},
    // The later steps of the open succeed and leave this failure pending for the check.
    {"CursorLocationRefused", L"test.mdb", L"ADO.Connection.CursorLocation|0x800A0BB9|Arguments are of the wrong type.",
     Concat({kDaoSuccess, OpenFails("ADO", "3001 - Arguments are of the wrong type."), kEnd})},
    // Open then finds no provider, and its own failure is the one reported.
    {"ConnectionStringRefused", L"test.mdb", L"ADO.Connection.ConnectionString|0x80004005|refused",
     Concat({kDaoSuccess, OpenFails("ADO", "3706 - Provider cannot be found. It may not be properly installed."), kEnd})},
    {"ConnectionOpenControlFacility", L"test.mdb", L"ADO.Connection.Open|0x800A0E7A|No provider here.",
     Concat({kDaoSuccess, OpenFails("ADO", "3706 - No provider here."), kEnd})},
    {"ConnectionOpenEmptyDescription", L"test.mdb", L"ADO.Connection.Open|0x80004005|",
     Concat({kDaoSuccess, OpenFails("ADO", "-2147467259 - "), kEnd})},
    {"RecordsetOpenControlFacilityEmptyDescription", L"test.mdb", L"ADO.Recordset.Open|0x800A0E7D|",
     Concat({kDaoSuccess, QueryFails("ADO", "3709 - "), kEnd})},
    // A description that the ANSI code page holds only in part: whole in the box, '?' for the rest in log.txt.
    {"DescriptionOutsideTheCodePage", L"test.mdb", L"ADO.Recordset.Open|0x80040E37|Table 'test' introuvable \u2013 \u65e5\u672c",
     Concat({kDaoSuccess, QueryFails("ADO", "-2147217865 - Table 'test' introuvable \u2013 \u65e5\u672c"), kEnd})},
    // A failing close on the way out of a stage that succeeded shows nothing.
    {"DaoRecordsetCloseFails", L"test.mdb", L"DAO.Recordset.Close|0x800A0D5C|Object invalid or no longer set.",
     Concat({kDaoSuccess, kAdoSuccess, kEnd})},
    {"DaoDatabaseCloseFails", L"test.mdb", L"DAO.Database.Close|0x80004005|", Concat({kDaoSuccess, kAdoSuccess, kEnd})},
    {"AdoRecordsetCloseFails", L"test.mdb", L"ADO.Recordset.Close|0x800A0E78|Operation is not allowed when the object is closed.",
     Concat({kDaoSuccess, kAdoSuccess, kEnd})},
    {"AdoConnectionCloseFails", L"test.mdb", L"ADO.Connection.Close|0x80004005|", Concat({kDaoSuccess, kAdoSuccess, kEnd})},
};
// clang-format on

std::string Filled(std::string line) {
    const std::pair<std::string, std::string> fields[] = {
        {"{db}", Folder() + "\\test.mdb"}, {"{E_FAIL}", win32::FailureFromHresult(E_FAIL).Description()}};
    for (const auto& [field, value] : fields) {
        for (size_t at; (at = line.find(field)) != std::string::npos;) line.replace(at, field.size(), value);
    }
    return line;
}

TEST_F(StandInComponents, EachRowsTranscriptShowsWhatTheComponentsSaid) {
    for (const RealComRow& row : kRealComRows) {
        SCOPED_TRACE(row.name);
        RealSelfTest fresh;  // a run with no engine kept from the row before
        PlaceDatabase(row.database);
        RemoveFile(AppFile(L"log.txt"));
        standIn.ClearRecords();
        standIn.Fail(row.fail);
        fresh.run.Command1_Click();
        Lines body;
        for (const std::string& line : row.body) body.push_back(Filled(line));
        wine::ExpectTranscriptAfterHeader(fresh, body);
        if (std::string(row.name) == "DescriptionOutsideTheCodePage") {
            EXPECT_NE(ReadBytes(AppFile(L"log.txt")).find("??\r\n" + kSep), std::string::npos) << "no '?' in log.txt";
        }
        if (std::string(row.name) != "FullRun") continue;
        EXPECT_EQ(standIn.Records(), FullRunCalls(Filled("{db}"), kVariantKinds));  // each argument as COM carried it
        std::printf("Transcript with the stand-in components:\n%s\n", fresh.text1.text.c_str());
    }
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
