// The logo and the link label open the maker's page through the shell, once a click, and nothing else.
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

TEST_F(WineOwnComponentsLinks, EachClickOpensTheMakerPageOnceAndShowsNoWindowOfItsOwn) {
    size_t clicks = 0;
    for (int id : {kImage2Id, kLabel4Id, kImage2Id}) {
        SCOPED_TRACE(id);
        const DWORD launchedBefore = velkorin_->Counts().total;
        PostClick(Control(id));
        ++clicks;
        // Once the click is handled, whatever it launched is in the job; wait for that to finish.
        ASSERT_TRUE(PostedMessagesHandled(Control(kText1Id)));
        ASSERT_TRUE(WaitFor([&] { return velkorin_->Counts().active == 1; })) << "the URL handler did not end";
        EXPECT_EQ(velkorin_->Counts().total - launchedBefore, 1u) << "processes launched by one click";
        const std::vector<std::string> lines = RecordedLines(ReadBytes(File(L"urls.txt")));
        ASSERT_EQ(lines.size(), clicks);
        EXPECT_NE(lines.back().find("https://www.facebook.com/Orlaquist"), std::string::npos) << lines.back();
        EXPECT_EQ(VisibleTopLevelWindows(velkorin_->Id()), std::vector<HWND>{window_});
    }
}

}  // namespace
}  // namespace velkorin::e2e
