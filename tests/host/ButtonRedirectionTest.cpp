// The button's subclass procedure, message by message, through the recording platform.
#include <gtest/gtest.h>

#include <memory>

#include "xptheme/ButtonRedirection.h"
#include "fakes/FakeControl.h"
#include "fakes/ThemeModuleTest.h"

namespace velkorin {
namespace {

using Calls = std::vector<std::string>;
constexpr WindowHandle kButton(0x40);

class NoScreen : public ScreenMetrics {
public:
    float TwipsPerPixelX() override { return 15.0f; }
};

const Calls kInvalidateSeq = {"GetClientRect(64)", "ValidateRect(64,null)", "OpenThemeData(64,BUTTON)",
                              "GetThemeBackgroundRegion(126,0,1,1,{0,0,83,35})", "CloseThemeData(126)",
                              "InvalidateRgn(64,256,no erase)", "DeleteObject(256)"};
const Calls kStylesQuery = {"IsAppThemed()", "IsThemeActive()", "GetThemeAppProperties()"};

Calls Join(std::initializer_list<Calls> parts) {
    Calls all;
    for (const Calls& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

class ButtonRedirection : public fakes::ThemeModuleTest {
protected:
    void SetUp() override { platform.visibleWindows.insert(kButton); }
    MessageResult Send(uint32_t message, MessageWParam wParam = 0, MessageLParam lParam = 0) {
        platform.calls.clear();
        return pvRedirectButton(module, screen, kButton, message, wParam, lParam, control);
    }
    std::string Default(uint32_t message) const {
        char text[64];
        std::snprintf(text, sizeof text, "DefSubclassProc(64,0x%04X,0,0)", message);
        return text;
    }

    NoScreen screen;
    std::shared_ptr<fakes::FakeControl> control = std::make_shared<fakes::FakeControl>();
};

TEST_F(ButtonRedirection, ThemedPaintIsAnsweredHereAndNeverReachesTheButton) {
    EXPECT_EQ(Send(0x000F), 0);
    EXPECT_EQ(platform.calls[3], "IsWindowVisible(64)");
    EXPECT_EQ(platform.calls[4], "SetPropA(64,Painted,1)");
    EXPECT_EQ(platform.calls[5], "BeginPaint(64)");
    EXPECT_EQ(platform.calls.back(), "EndPaint(64,256)");
    EXPECT_FALSE(platform.Called("DefSubclassProc"));
}

TEST_F(ButtonRedirection, PaintWithStylesOffOrHiddenGoesToTheButton) {
    platform.visibleWindows.clear();
    EXPECT_EQ(Send(0x000F), 0x5AB);
    EXPECT_EQ(platform.calls, Join({kStylesQuery, {"IsWindowVisible(64)", Default(0x000F)}}));
    platform.appThemed = 0;
    EXPECT_EQ(Send(0x000F), 0x5AB);
    EXPECT_EQ(platform.calls, (Calls{"IsAppThemed()", Default(0x000F)}));
    EXPECT_EQ(platform.properties.count({kButton, "Painted"}), 0u);
}

TEST_F(ButtonRedirection, MouseMoveTracksUntilHotAndInvalidatesUntilPainted) {
    EXPECT_EQ(Send(0x0200), 0x5AB);
    EXPECT_EQ(platform.calls, Join({{Default(0x0200)}, kStylesQuery,
                                    {"GetPropA(64,Hot)", "TrackMouseEvent(16,3,64,1)", "GetPropA(64,Painted)"},
                                    kInvalidateSeq}));
    platform.properties[{kButton, "Hot"}] = 1;
    platform.properties[{kButton, "Painted"}] = 1;
    Send(0x0200);
    EXPECT_EQ(platform.calls,
              Join({{Default(0x0200)}, kStylesQuery, {"GetPropA(64,Hot)", "GetPropA(64,Painted)"}}));
}

TEST_F(ButtonRedirection, HoverAndLeaveSetAndClearHot) {
    Send(0x02A1);
    EXPECT_EQ(platform.calls,
              Join({{Default(0x02A1)}, kStylesQuery, {"SetPropA(64,Hot,1)"}, kInvalidateSeq}));
    Send(0x02A3);
    EXPECT_EQ((platform.properties.at({kButton, "Hot"})), 0u);  // present, with the value 0
    Send(0x0201);
    EXPECT_EQ((platform.properties.at({kButton, "Hot"})), 1u);
    Send(0x0008);
    EXPECT_EQ((platform.properties.at({kButton, "Hot"})), 0u);
}

TEST_F(ButtonRedirection, EnableAndFocusRedrawOffDuringTheDefaultThenOn) {
    Send(0x000A);
    EXPECT_EQ(platform.calls, Join({kStylesQuery, {"IsWindowVisible(64)", "SendMessageA(64,0x000B,0,0)",
                                                   Default(0x000A), "SendMessageA(64,0x000B,1,0)",
                                                   "InvalidateRect(64,null,no erase)"}}));
    Send(0x0007);
    EXPECT_EQ(platform.calls, Join({kStylesQuery, {"IsWindowVisible(64)", "SendMessageA(64,0x000B,0,0)",
                                                   Default(0x0007), "SendMessageA(64,0x000B,1,0)"},
                                    kInvalidateSeq}));
    platform.visibleWindows.clear();  // hidden: redrawing never switched off, nothing invalidated
    Send(0x0007);
    EXPECT_EQ(platform.calls, Join({kStylesQuery, {"IsWindowVisible(64)", Default(0x0007)}}));
}

TEST_F(ButtonRedirection, ButtonUpInvalidatesButRightDownAndDoubleClickDoNothingMore) {
    Send(0x0205);
    EXPECT_EQ(platform.calls, Join({{Default(0x0205)}, kStylesQuery, kInvalidateSeq}));
    for (uint32_t message : {0x0204u, 0x0203u, 0x0100u}) {
        EXPECT_EQ(Send(message, 7, 9), 0x5AB);
        char expected[64];
        std::snprintf(expected, sizeof expected, "DefSubclassProc(64,0x%04X,7,9)", message);
        EXPECT_EQ(platform.calls, Calls{expected});  // no query of the styles at all
    }
}

TEST_F(ButtonRedirection, StylesOffEveryMessagePassesStraightThrough) {
    platform.missing = {"IsAppThemed"};  // no visual-style support on this system
    for (uint32_t message : {0x000Fu, 0x0007u, 0x000Au}) {  // asked before the default processing
        EXPECT_EQ(Send(message), 0x5AB);
        EXPECT_EQ(platform.calls, (Calls{"IsAppThemed()", Default(message)})) << message;
    }
    for (uint32_t message : {0x0200u, 0x0201u, 0x02A1u, 0x02A3u, 0x0202u}) {  // and after it
        EXPECT_EQ(Send(message), 0x5AB);
        EXPECT_EQ(platform.calls, (Calls{Default(message), "IsAppThemed()"})) << message;
    }
    EXPECT_TRUE(platform.traces.empty());
}

TEST_F(ButtonRedirection, NoRegionInvalidatesTheWholeClientArea) {
    platform.missing = {"OpenThemeData"};
    Send(0x0202);
    // the failure ends the invalidation step; it is reported and the result stays the default's
    EXPECT_EQ(platform.traces.size(), 1u);
    EXPECT_EQ(platform.calls.back(), "OpenThemeData(64,BUTTON)");
}

TEST_F(ButtonRedirection, FailingDefaultProcessingLeavesZeroAndStageThreeRuns) {
    for (const bool wholeLibrary : {false, true}) {  // the function missing, or all of comctl32.dll
        SCOPED_TRACE(wholeLibrary ? "comctl32.dll missing" : "DefSubclassProc missing");
        platform.properties.clear();
        platform.missing.clear();
        if (wholeLibrary) platform.missingLibraries = {"comctl32.dll"};
        else platform.missing = {"DefSubclassProc"};
        EXPECT_EQ(Send(0x0201), 0);
        EXPECT_EQ(platform.properties.at({kButton, "Hot"}), 1u);
    }
}

}  // namespace
}  // namespace velkorin
