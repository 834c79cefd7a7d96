// The exact operations, arguments and value kinds the test run sends to DAO and ADO.
#include <gtest/gtest.h>

#include <utility>

#include "fakes/ExpectedCalls.h"
#include "fakes/SelfTestHarness.h"

namespace velkorin {
namespace {

using fakes::SelfTestHarness;
using Records = std::vector<std::string>;

const std::string kQuery = "Text \"SELECT * FROM test ORDER BY [ID]\"";

TEST(TestRunCalls, SuccessfulRunSendsEachOperationOnceInOrder) {
    SelfTestHarness h;
    h.folder.path = "D:\\tools";
    h.run.Command1_Click();
    EXPECT_EQ(h.components.records, expected::FullRunCalls("D:\\tools\\test.mdb", expected::kRuntimeKinds));
}

TEST(TestRunCalls, FailedOpenClosesOnlyWhatExists) {
    SelfTestHarness h;
    h.components.FailStep("DAO.DBEngine.OpenDatabase", Failure(3024, "not found"));
    h.components.FailStep("ADO.Connection.Open", Failure(-2147467259, "not found"));
    h.run.Command1_Click();
    const Records expected = {
        "create DAO.DBEngine",
        "DAO.DBEngine.OpenDatabase(Text \"C:\\Program Files\\Velkorin\\test.mdb\", Boolean false, Boolean false, "
        "NotGiven)",
        // the DAO slots are empty: both closes fail without reaching a component
        "create ADO.Connection",
        "ADO.Connection.CursorLocation = Integer 3",
        "ADO.Connection.ConnectionString = Text \"Provider=Microsoft.Jet.OLEDB.4.0;Data Source=C:\\Program "
        "Files\\Velkorin\\test.mdb;\"",
        "ADO.Connection.Open(Text \"\", Text \"\", Text \"\", Integer -1)",
        "ADO.Connection.Close()",
        "release ADO.Connection",
    };
    EXPECT_EQ(h.components.records, expected);
}

TEST(TestRunCalls, FailedQueryClosesTheDatabaseStill) {
    SelfTestHarness h;
    h.components.FailStep("DAO.Database.OpenRecordset", Failure(3078, "no table"));
    h.run.Command1_Click();
    Records dao(h.components.records.begin(), h.components.records.begin() + 6);
    EXPECT_EQ(dao, (Records{"create DAO.DBEngine", dao[1], "new DAO.Database",
                            "DAO.Database.OpenRecordset(" + kQuery + ", NotGiven, NotGiven, NotGiven)",
                            "DAO.Database.Close()", "release DAO.Database"}));
}

TEST(TestRunCalls, SecondRunReusesTheEngine) {
    SelfTestHarness h;
    h.run.Command1_Click();
    h.components.records.clear();
    h.run.Command1_Click();
    EXPECT_EQ(h.components.records.front(),
              "DAO.DBEngine.OpenDatabase(Text \"C:\\Program Files\\Velkorin\\test.mdb\", Boolean false, "
              "Boolean false, NotGiven)");
    EXPECT_EQ(h.components.liveObjects, 1);  // the engine lives on
}

// A folder whose text would change how the connection string parses has its Data Source quoted;
// every other folder gives the plain string. DAO takes the path as it stands either way.
TEST(TestRunCalls, ConnectionStringQuotesOnlyAFolderThatWouldChangeItsMeaning) {
    const std::pair<std::string, std::string> rows[] = {
        {"D:\\tools", "D:\\tools\\test.mdb;"},
        {"D:\\it's = fine", "D:\\it's = fine\\test.mdb;"},
        {"D:\\a;Mode=Share Deny None", "\"D:\\a;Mode=Share Deny None\\test.mdb\";"},
        {"D:\\say \"hi\"", "\"D:\\say \"\"hi\"\"\\test.mdb\";"},
        {" D:\\lead", "\" D:\\lead\\test.mdb\";"},
        {"D:\\trail ", "\"D:\\trail \\test.mdb\";"},
    };
    for (const auto& [folder, source] : rows) {
        SelfTestHarness h;
        h.folder.path = folder;
        h.run.Command1_Click();
        const Records& calls = h.components.records;
        EXPECT_EQ(calls.at(1), "DAO.DBEngine.OpenDatabase(Text \"" + folder + "\\test.mdb\", Boolean false, "
                               "Boolean false, NotGiven)");
        EXPECT_EQ(calls.at(11), "ADO.Connection.ConnectionString = Text \"Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" +
                                    source + "\"");
    }
}

}  // namespace
}  // namespace velkorin
