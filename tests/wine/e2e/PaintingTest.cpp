// What FrmMain shows on the screen: the logo with its see-through corners, the link colour, the icon.
#include "wine/e2e/E2eSupport.h"
#include "wine/e2e/ScreenCapture.h"
#include "wine/e2e/VelkorinTest.h"

namespace velkorin::e2e {
namespace {

using WineOwnComponentsPainting = VelkorinTest;

TEST_F(WineOwnComponentsPainting, ShowsTheLogoTheLinkColourAndTheIcon) {
    const RECT logo = RectInParent(Control(kImage2Id));
    const RECT link = RectInParent(Control(kLabel4Id));
    const RECT icon = RectInParent(Control(kImage1Id));
    const RECT intro = RectInParent(Control(kLabel1Id));
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
    constexpr COLORREF kLogoBlue = RGB(59, 89, 152);
    constexpr COLORREF kWhite = RGB(255, 255, 255);
    ScreenCapture shot;
    auto cornersSeeThrough = [&] {
        return shot.At(logo.left, logo.top) == face && shot.At(logo.right - 1, logo.top) == face &&
               shot.At(logo.left, logo.bottom - 1) == face && shot.At(logo.right - 1, logo.bottom - 1) == face;
    };
    const int iconPixels = (icon.right - icon.left) * (icon.bottom - icon.top);
    // The window paints after it shows: capture until everything is there, or the deadline.
    WaitFor([&] {
        shot = ScreenCapture::OfClientArea(window_);
        return shot.CountOf(logo, kLogoBlue) && shot.CountOf(logo, kWhite) && cornersSeeThrough() &&
               shot.CountOf(link, highlight) && shot.CountOf(icon, face) < iconPixels;
    });
    ASSERT_TRUE(shot.Valid()) << "the screen could not be captured";
    EXPECT_TRUE(shot.SaveBmp(ScreenshotPath()));
    EXPECT_GT(shot.CountOf(logo, kLogoBlue), 0);
    EXPECT_GT(shot.CountOf(logo, kWhite), 0);
    EXPECT_TRUE(cornersSeeThrough()) << "corners " << std::hex << shot.At(logo.left, logo.top) << " "
                                     << shot.At(logo.right - 1, logo.bottom - 1) << ", window background " << face;
    EXPECT_GT(shot.CountOf(link, highlight), 0) << "no link text in the highlight colour " << std::hex << highlight;
    EXPECT_EQ(shot.CountOf(intro, highlight), 0) << "only the link has the highlight colour";
    EXPECT_LT(shot.CountOf(icon, face), iconPixels) << "no program icon drawn";
}

}  // namespace
}  // namespace velkorin::e2e
