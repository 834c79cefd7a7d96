// AddToLogs: the file line first, then the box, the caret at the end, and no failure left behind.
#include <gtest/gtest.h>

#include "fakes/SelfTestHarness.h"

namespace velkorin {
namespace {

using fakes::SelfTestHarness;

class AddToLogs : public ::testing::Test {
protected:
    SelfTestHarness h;
};

TEST_F(AddToLogs, FirstLineHasNoBreakBeforeItAndLaterLinesDo) {
    h.log.AddToLogs("one");
    EXPECT_EQ(h.text1.text, "one");
    EXPECT_EQ(h.text1.selStart, 3);
    h.log.AddToLogs("two");
    EXPECT_EQ(h.text1.text, "one\r\ntwo");
    EXPECT_EQ(h.text1.selStart, 8);
    EXPECT_EQ(h.LogFile(), "one\r\ntwo\r\n");
}

TEST_F(AddToLogs, EmptyMessages) {
    h.log.AddToLogs("");
    EXPECT_EQ(h.text1.text, "");
    EXPECT_EQ(h.LogFile(), "\r\n");
    h.log.AddToLogs("first");
    EXPECT_EQ(h.text1.text, "first");
    h.log.AddToLogs("");
    EXPECT_EQ(h.text1.text, "first\r\n");  // shown as an empty last line
    EXPECT_EQ(h.text1.selStart, 7);
    EXPECT_EQ(h.LogFile(), "\r\nfirst\r\n\r\n");
}

TEST_F(AddToLogs, ExistingLogIsAppendedToAndNeverTruncated) {
    h.files.files[h.LogPath()] = "earlier run\r\nno final break";
    h.log.AddToLogs("new");
    EXPECT_EQ(h.LogFile(), "earlier run\r\nno final breaknew\r\n");
}

TEST_F(AddToLogs, AbsentLogIsCreatedAtTheProgramFolder) {
    h.log.AddToLogs("x");
    EXPECT_EQ(h.files.appendedPaths, std::vector<std::string>{"C:\\Program Files\\Velkorin\\log.txt"});
}

TEST_F(AddToLogs, DriveRootGivesADoubledBackslash) {
    h.folder.path = "C:\\";
    h.log.AddToLogs("x");
    EXPECT_EQ(h.files.appendedPaths, std::vector<std::string>{"C:\\\\log.txt"});
}

TEST_F(AddToLogs, UnwritableFolderLosesOnlyTheFileLine) {
    h.files.readOnlyFolders.insert(h.folder.path);
    h.log.AddToLogs("still shown");
    EXPECT_EQ(h.files.files.count(h.LogPath()), 0u);
    EXPECT_EQ(h.text1.text, "still shown");
    EXPECT_EQ(h.text1.selStart, 11);
}

TEST_F(AddToLogs, UnreadableBoxStillShowsTheLine) {
    h.text1.text = "old";
    h.text1.failReads = true;
    h.log.AddToLogs("new");
    EXPECT_EQ(h.LogFile(), "new\r\n");
    EXPECT_EQ(h.text1.text, "new");
}

TEST_F(AddToLogs, CaretCountsUtf16Units) {
    h.log.AddToLogs("caf\xC3\xA9 \xF0\x9F\x98\x80");  // "café 😀": 5 + a surrogate pair
    EXPECT_EQ(h.text1.selStart, 7);
}

TEST_F(AddToLogs, YieldsThreeTimesWithTheFileClosedAtEveryYield) {
    std::vector<std::string> fileAtYield;
    std::vector<std::string> boxAtYield;
    h.loop.onYield = [&](int) {
        fileAtYield.push_back(h.LogFile());
        boxAtYield.push_back(h.text1.text);
    };
    h.log.AddToLogs("line");
    EXPECT_EQ(fileAtYield, (std::vector<std::string>{"", "line\r\n", "line\r\n"}));
    EXPECT_EQ(boxAtYield, (std::vector<std::string>{"", "", "line"}));
}

TEST_F(AddToLogs, NestedCallDuringAYieldWritesWholeLines) {
    bool nested = false;
    h.loop.onYield = [&](int) {
        if (nested) return;
        nested = true;
        h.log.AddToLogs("inner");
    };
    h.log.AddToLogs("outer");
    EXPECT_EQ(h.LogFile(), "inner\r\nouter\r\n");
    EXPECT_EQ(h.text1.text, "inner\r\nouter");
}

}  // namespace
}  // namespace velkorin
