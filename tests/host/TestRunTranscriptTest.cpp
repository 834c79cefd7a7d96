// The self-test's transcripts, in the box and in log.txt, for every way a run can go.
#include <gtest/gtest.h>

#include <algorithm>

#include "fakes/ExpectedTranscript.h"
#include "fakes/SelfTestHarness.h"

namespace velkorin {
namespace {

using fakes::BoxText;
using fakes::LogText;
using fakes::SelfTestHarness;
using fakes::SplitBox;
using namespace expected;

const std::string kDate = "Date: 07/12/2026 Time: 09:41:07";
const std::string kDaoDb = "C:\\Program Files\\Velkorin\\test.mdb";
const Lines kHeader = Header(kDate);

class TestRunTranscript : public ::testing::Test {
protected:
    static void ExpectTranscript(const SelfTestHarness& run, const Lines& lines) {
        EXPECT_EQ(SplitBox(run.text1.text), lines);
        EXPECT_EQ(run.text1.text, BoxText(lines));
        EXPECT_EQ(run.LogFile(), LogText(lines));
        EXPECT_EQ(run.text1.selStart, static_cast<int32_t>(run.text1.text.size()));
        EXPECT_TRUE(run.SlotsEmpty());
    }
    void ExpectTranscript(const Lines& lines) const { ExpectTranscript(h, lines); }
    SelfTestHarness h;
};

TEST_F(TestRunTranscript, FullSuccessWritesNineteenLines) {
    h.run.Command1_Click();
    Lines expected = Concat({kHeader, kDaoSuccess, kAdoSuccess, kEnd});
    ASSERT_EQ(expected.size(), 19u);
    ExpectTranscript(expected);
    // One yield after each line, after the DAO query and after both ADO open steps; three inside each line.
    EXPECT_EQ(h.loop.yields, 22 + 19 * 3);
    EXPECT_EQ((Lines{"date", "time"}), h.dateTime.reads);
    // Each line's log.txt and both stages' database paths are read while the run holds the folder.
    EXPECT_EQ(h.folder.readsWhileHeld, std::vector<bool>(19 + 2, true));
    EXPECT_EQ(h.folder.holds, 0);
}

TEST_F(TestRunTranscript, DatabaseAbsentFailsBothOpenSteps) {
    h.components.FailStep("DAO.DBEngine.OpenDatabase", Failure(3024, "Could not find file '" + kDaoDb + "'."));
    h.components.FailStep("ADO.Connection.Open", Failure(-2147467259, "Could not find file '" + kDaoDb + "'."));
    h.run.Command1_Click();
    Lines expected = Concat({kHeader, OpenFails("DAO", "3024 - Could not find file '" + kDaoDb + "'."),
                             OpenFails("ADO", "-2147467259 - Could not find file '" + kDaoDb + "'."), kEnd});
    ASSERT_EQ(expected.size(), 11u);
    ExpectTranscript(expected);
}

// Each row fails the steps it names and lists the stages' lines between the header and the end line.
// A failed step of the ADO open leaves its failure pending while the next steps run; the check after
// the open reports the one pending then. A close that fails on the way out of a stage shows nothing.
TEST_F(TestRunTranscript, EachRowsFailuresReadAsTheStepsThatMetThem) {
    const std::string table = "cannot find the input table 'test'";
    const std::string notSet = "91 - Object variable or With block variable not set";
    const Failure notRegistered(-2147221164, "Class not registered");
    const Failure closed(3704, "Operation is not allowed when the object is closed.");
    const struct {
        const char* name;
        std::vector<std::pair<const char*, Failure>> failures;
        Lines stages;
    } rows[] = {
        {"MissingTableFailsBothQuerySteps",
         {{"DAO.Database.OpenRecordset", Failure(3078, table)}, {"ADO.Recordset.Open", Failure(-2147217865, table)}},
         Concat({QueryFails("DAO", "3078 - " + table), QueryFails("ADO", "-2147217865 - " + table)})},
        {"MissingDaoEngineStillRunsAdoInFull", {{"create DAO.DBEngine", notRegistered}},
         Concat({OpenFails("DAO", "-2147221164 - Class not registered"), kAdoSuccess})},
        {"ConnectionNotCreatedFailsTheOpenThatUsesIt", {{"create ADO.Connection", notRegistered}},
         Concat({kDaoSuccess, OpenFails("ADO", notSet)})},
        {"RecordsetNotCreatedFailsTheQueryThatUsesIt", {{"create ADO.Recordset", notRegistered}},
         Concat({kDaoSuccess, QueryFails("ADO", notSet)})},
        {"NumbersPrintSignedAndDescriptionsAsGiven",
         {{"DAO.DBEngine.OpenDatabase", Failure(-2147467259, "")}, {"ADO.Recordset.Open", Failure(2147483647, "a - b")}},
         Concat({OpenFails("DAO", "-2147467259 - "), QueryFails("ADO", "2147483647 - a - b")})},
        {"CloseFailuresOnTheSuccessPathAreNotReported",
         {{"DAO.Recordset.Close", Failure(3420, "Object invalid or no longer set.")},
          {"DAO.Database.Close", Failure(3420, "Object invalid or no longer set.")},
          {"ADO.Recordset.Close", closed}, {"ADO.Connection.Close", closed}},
         Concat({kDaoSuccess, kAdoSuccess})},
        {"CursorLocationAlone", {{"ADO.Connection.CursorLocation", Failure(3001, "Arguments are of the wrong type.")}},
         Concat({kDaoSuccess, OpenFails("ADO", "3001 - Arguments are of the wrong type.")})},
        {"ConnectionStringThenOpen",
         {{"ADO.Connection.ConnectionString", Failure(-2147467259, "refused")},
          {"ADO.Connection.Open", Failure(3706, "Provider cannot be found.")}},
         Concat({kDaoSuccess, OpenFails("ADO", "3706 - Provider cannot be found.")})},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        SelfTestHarness harness;
        for (const auto& [step, failure] : row.failures) harness.components.FailStep(step, failure);
        harness.run.Command1_Click();
        ExpectTranscript(harness, Concat({kHeader, row.stages, kEnd}));
    }
}

TEST_F(TestRunTranscript, SecondRunShowsOnlyItselfButTheLogKeepsBoth) {
    h.run.Command1_Click();
    h.components.FailStep("ADO.Connection.Open", Failure(-2147467259, "Unspecified error"));
    h.run.Command1_Click();
    Lines second = Concat({kHeader, kDaoSuccess, OpenFails("ADO", "-2147467259 - Unspecified error"), kEnd});
    EXPECT_EQ(h.text1.text, BoxText(second));
    EXPECT_EQ(h.LogFile(), LogText(Concat({kHeader, kDaoSuccess, kAdoSuccess, kEnd, second})));
    EXPECT_EQ(std::count(h.components.records.begin(), h.components.records.end(), "create DAO.DBEngine"), 1);
    EXPECT_TRUE(h.SlotsEmpty());
}

TEST_F(TestRunTranscript, EngineThatCouldNotBeCreatedIsTriedAgainNextRun) {
    h.components.FailStep("create DAO.DBEngine", Failure(-2147221164, "Class not registered"));
    h.run.Command1_Click();
    h.components.FailStep("create DAO.DBEngine", Failure(-2147024770, "The specified module could not be found."));
    h.run.Command1_Click();
    EXPECT_EQ(SplitBox(h.text1.text)[4], "ERROR!: -2147024770 - The specified module could not be found.");
    EXPECT_EQ(std::count(h.components.records.begin(), h.components.records.end(), "create DAO.DBEngine"), 2);
}

TEST_F(TestRunTranscript, UnwritableLogIsNotReportedAsAStageFailure) {
    h.files.readOnlyFolders.insert(h.folder.path);
    h.run.Command1_Click();
    EXPECT_EQ(h.text1.text, BoxText(Concat({kHeader, kDaoSuccess, kAdoSuccess, kEnd})));
    EXPECT_EQ(h.files.files.count(h.LogPath()), 0u);
}

TEST_F(TestRunTranscript, ClickDuringARunIsIgnoredAndTheRunFinishesUndisturbed) {
    h.components.FailStep("DAO.Database.OpenRecordset", Failure(3078, "no table"));
    int nestedClicks = 0;
    h.loop.onYield = [&](int) {
        ++nestedClicks;
        h.run.Command1_Click();  // a click on "Start Test" delivered during this yield
    };
    h.run.Command1_Click();
    EXPECT_EQ(nestedClicks, 17 * 4 + 3);  // every yield of the 17-line run served the click
    ExpectTranscript(Concat({kHeader, QueryFails("DAO", "3078 - no table"), kAdoSuccess, kEnd}));
    EXPECT_EQ(std::count(h.components.records.begin(), h.components.records.end(), "create ADO.Connection"), 1);

    h.loop.onYield = nullptr;
    h.run.Command1_Click();  // and the next click after the run starts a run as usual
    EXPECT_EQ(SplitBox(h.text1.text).size(), 17u);
}

// Whichever step fails, the run ends with the end line, and all four slots are empty again.
class EveryFailingStep : public ::testing::TestWithParam<const char*> {};

TEST_P(EveryFailingStep, LeavesSlotsEmptyAndReleasesAllButTheEngine) {
    SelfTestHarness h;
    h.components.FailStep(GetParam(), Failure(-2147467259, "injected"));
    h.run.Command1_Click();
    Lines box = SplitBox(h.text1.text);
    ASSERT_GE(box.size(), 2u);
    EXPECT_EQ(box[box.size() - 2], kEnd.front());
    EXPECT_TRUE(h.SlotsEmpty());
    EXPECT_EQ(h.components.liveObjects, std::string(GetParam()) == "create DAO.DBEngine" ? 0 : 1);  // the engine
}

INSTANTIATE_TEST_SUITE_P(
    Steps, EveryFailingStep,
    ::testing::Values("create DAO.DBEngine", "DAO.DBEngine.OpenDatabase", "DAO.Database.OpenRecordset",
                      "DAO.Recordset.Close", "DAO.Database.Close", "create ADO.Connection",
                      "ADO.Connection.CursorLocation", "ADO.Connection.ConnectionString", "ADO.Connection.Open",
                      "create ADO.Recordset", "ADO.Recordset.Open", "ADO.Recordset.Close", "ADO.Connection.Close"));

}  // namespace
}  // namespace velkorin
