// The logo and the link label open the maker's page through the shell, once a click (a press and a
// release on the control), and nothing else.
#include <string>
#include <vector>

#include "wine/e2e/E2eSupport.h"
#include "wine/e2e/VelkorinTest.h"

namespace velkorin::e2e {
namespace {

using WineOwnComponentsLinks = VelkorinTest;

std::vector<std::string> RecordedLines(const std::string& bytes) {
    std::vector<std::string> lines;
    for (size_t start = 0, end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(bytes.substr(start, end - start));
    }
    return lines;
}

enum class Mouse { Click, PressMoveOffRelease, PressAndHold, ReleaseOver };

struct LinkRow {
    int id;
    Mouse mouse;
    size_t pages;  // opened by this row
};

const LinkRow kLinkRows[] = {
    {kImage2Id, Mouse::Click, 1},
    {kLabel4Id, Mouse::Click, 1},
    {kImage2Id, Mouse::PressMoveOffRelease, 0},
    {kLabel4Id, Mouse::PressMoveOffRelease, 0},
    {kLabel4Id, Mouse::PressAndHold, 0},  // nothing while the button is down
    {kLabel4Id, Mouse::ReleaseOver, 1},   // the held press ends on the label
    {kImage2Id, Mouse::Click, 1},
};

TEST_F(WineOwnComponentsLinks, EachClickOpensTheMakerPageOnceAndShowsNoWindowOfItsOwn) {
    size_t pages = 0;
    for (const LinkRow& row : kLinkRows) {
        SCOPED_TRACE(::testing::Message() << "control " << row.id << ", row " << (&row - kLinkRows));
        const DWORD launchedBefore = velkorin_->Counts().total;
        const HWND control = Control(row.id);
        if (row.mouse != Mouse::ReleaseOver) PostPress(control);
        if (row.mouse == Mouse::Click || row.mouse == Mouse::ReleaseOver) PostRelease(control, CentreOf(control));
        if (row.mouse == Mouse::PressMoveOffRelease) PostRelease(control, {-20, CentreOf(control).y});
        pages += row.pages;
        // Once the click is handled, whatever it launched is in the job; wait for that to finish.
        ASSERT_TRUE(PostedMessagesHandled(Control(kText1Id)));
        ASSERT_TRUE(WaitFor([&] { return velkorin_->Counts().active == 1; })) << "the URL handler did not end";
        EXPECT_EQ(velkorin_->Counts().total - launchedBefore, row.pages) << "processes launched";
        const std::vector<std::string> lines = RecordedLines(ReadBytes(File(L"urls.txt")));
        ASSERT_EQ(lines.size(), pages);
        if (pages > 0) {
            EXPECT_NE(lines.back().find("https://www.facebook.com/Orlaquist"), std::string::npos) << lines.back();
        }
        EXPECT_EQ(VisibleTopLevelWindows(velkorin_->Id()), std::vector<HWND>{window_});
    }
}

}  // namespace
}  // namespace velkorin::e2e
