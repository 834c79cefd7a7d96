// FrmMain's layout: the designed twips land on the expected pixels, and the font's size.
#include <gtest/gtest.h>

#include "runtime/Units.h"
#include "ui/FormLayout.h"

namespace velkorin {
namespace {

TEST(FormLayout, ControlsLandOnTheirPixelsAtNinetySixDpi) {
    const double tpp = TwipsPerPixel(96);
    ASSERT_EQ(tpp, 15.0);
    const PixelRect expected[] = {{4, 46, 319, 239}, {240, 290, 83, 35}, {50, 300, 16, 16},
                                  {68, 302, 156, 12}, {4, 292, 32, 32}, {4, 6, 319, 35}};
    ASSERT_EQ(std::size(frm_main::kControls), std::size(expected));
    for (size_t i = 0; i < std::size(expected); ++i) {
        EXPECT_EQ(ToPixels(frm_main::kControls[i], tpp), expected[i]) << frm_main::kControls[i].name;
    }
    EXPECT_EQ(TwipsToPixels(frm_main::kClientWidthTwips, tpp), 327);
    EXPECT_EQ(TwipsToPixels(frm_main::kClientHeightTwips, tpp), 329);
}

TEST(FormLayout, OtherDensitiesScaleToTheNearestPixel) {
    const double tpp = TwipsPerPixel(120);  // 12 twips per pixel
    EXPECT_EQ(ToPixels(frm_main::kControls[1], tpp), (PixelRect{300, 363, 104, 44}));
    EXPECT_EQ(TwipsPerPixel(0), 15.0);
    EXPECT_EQ(TwipsToPixels(100, 0.0), 0);
}

TEST(FormLayout, FontHeightFollowsTheScreenDensity) {
    EXPECT_EQ(units::FontHeightPixels(frm_main::kFontPoints, 96), -9);
    EXPECT_EQ(units::FontHeightPixels(frm_main::kFontPoints, 120), -11);
    EXPECT_EQ(units::FontHeightPixels(frm_main::kFontPoints, 144), -14);
}

TEST(FormLayout, TabOrderStartsAtTheDescriptionThenTheButton) {
    const char* byTab[4] = {};
    for (const ControlLayout& c : frm_main::kControls) {
        if (c.tabIndex >= 0) byTab[c.tabIndex] = c.name;
    }
    EXPECT_STREQ(byTab[0], "Label1");
    EXPECT_STREQ(byTab[1], "Command1");
    EXPECT_STREQ(byTab[2], "Text1");
    EXPECT_STREQ(byTab[3], "Label4");
}

TEST(FormLayout, ScreenReadersMeetTheBoxNamedByTheSentenceAboveItTheButtonAndTwoLinks) {
    using R = AccessibleRole;
    const std::pair<std::optional<R>, const char*> expected[] = {  // role, named by; in layout order
        {R::Text, "Label1"}, {R::PushButton, "Command1"}, {R::Link, "Label4"},
        {R::Link, "Label4"}, {std::nullopt, "Image1"},    {std::nullopt, "Label1"}};
    ASSERT_EQ(std::size(frm_main::kControls), std::size(expected));
    for (size_t i = 0; i < std::size(expected); ++i) {
        EXPECT_EQ(AccessibleRoleOf(frm_main::kControls[i]), expected[i].first) << frm_main::kControls[i].name;
        EXPECT_STREQ(AccessibleNameSourceOf(frm_main::kControls[i]), expected[i].second);
    }
    EXPECT_STREQ(DefaultActionName(R::Link), L"Jump");
    EXPECT_STREQ(DefaultActionName(R::PushButton), L"Press");
    EXPECT_EQ(DefaultActionName(R::Text), nullptr);
}

}  // namespace
}  // namespace velkorin
