// A click on "Start Test", end to end: the box's transcript, and log.txt beside the program.
#include <string>
#include <vector>

#include "wine/e2e/BoxLines.h"
#include "wine/e2e/E2eSupport.h"
#include "wine/e2e/VelkorinTest.h"

namespace velkorin::e2e {
namespace {

class SelfTestRun : public VelkorinTest {
protected:
    std::wstring Box() const { return WindowText(Control(kText1Id)).value_or(L""); }

    // "Start Test" ignores a click that comes while a run still yields to events, as it does after
    // its last line. So: click, and once the click is handled (a message posted after it is), see
    // whether a run began (box first, then log); if not, click again. Posted, not sent: the run
    // happens inside the click, and a sent message would wait for all of it.
    bool ClickStartTest() {
        const std::wstring boxBefore = Box();
        const size_t logBefore = ReadBytes(File(L"log.txt")).size();
        return WaitFor([&] {
            PostMessageW(Control(kCommand1Id), BM_CLICK, 0, 0);
            return PostedMessagesHandled(Control(kText1Id)) &&
                   (Box() != boxBefore || ReadBytes(File(L"log.txt")).size() != logBefore);
        });
    }

    // Clicks "Start Test" and returns the box once log.txt holds `runs` finished runs and the box one.
    std::wstring RunSelfTest(size_t runs) {
        dates_ = {ShortDate()};
        EXPECT_TRUE(ClickStartTest()) << "no run began";
        std::wstring box;
        const bool ended = WaitFor([&] {
            box = Box();
            const std::string log = ReadBytes(File(L"log.txt"));
            return Count(log, std::string("Done, Test Complete.\r\n")) == runs &&
                   Count(box, std::wstring(L"Starting Test.")) == 1 && EndsWith(box, kEndOfRun);
        });
        dates_.push_back(ShortDate());  // the run may pass midnight
        EXPECT_TRUE(ended) << "the run did not end within the deadline; the box holds:\n" << ToAnsi(box);
        return box;
    }

    // The date line holds the short date of the run and a time; the other lines are compared whole.
    void ExpectTranscript(const std::wstring& box, const std::vector<std::wstring>& expected) {
        std::vector<std::wstring> lines = BoxLines(box);
        ASSERT_GE(lines.size(), 2u) << ToAnsi(box);
        EXPECT_TRUE(IsDateLine(lines[1], dates_)) << ToAnsi(lines[1]) << " (today is " << ToAnsi(dates_.front()) << ")";
        lines[1] = L"<date line>";
        EXPECT_EQ(lines, expected) << "the box holds:\n" << ToAnsi(box);
    }

    std::vector<std::wstring> dates_;
};

using WineOwnComponentsSelfTest = SelfTestRun;
using StandInSelfTest = SelfTestRun;

TEST_F(WineOwnComponentsSelfTest, ReportsThatNeitherDaoNorAdoIsRegistered) {
    const std::wstring box = RunSelfTest(1);
    ExpectTranscript(box, ExpectedBoxLines(expected::Concat(
                              {expected::OpenFails("DAO", "-2147221164 - Class not registered"),
                               expected::OpenFails("ADO", "-2147319779 - Library not registered.")})));
    EXPECT_EQ(ReadBytes(File(L"log.txt")), ToAnsi(box) + "\r\n");
}

TEST_F(StandInSelfTest, ReportsEveryStepSuccessfulAndASecondRunReplacesTheBox) {
    const std::vector<std::wstring> fullRun =
        ExpectedBoxLines(expected::Concat({expected::kDaoSuccess, expected::kAdoSuccess}));
    const std::wstring first = RunSelfTest(1);
    ExpectTranscript(first, fullRun);
    EXPECT_EQ(ReadBytes(File(L"log.txt")), ToAnsi(first) + "\r\n");

    const std::wstring second = RunSelfTest(2);
    ExpectTranscript(second, fullRun);
    EXPECT_EQ(ReadBytes(File(L"log.txt")), ToAnsi(first) + "\r\n" + ToAnsi(second) + "\r\n");
}

}  // namespace
}  // namespace velkorin::e2e
