// The buttons' "Hot" and "Painted" flags, and the frame's subclass procedure.
#include <gtest/gtest.h>

#include <type_traits>

#include "xptheme/ButtonState.h"
#include "xptheme/FrameRedirection.h"
#include "fakes/ThemeModuleTest.h"

namespace velkorin {
namespace {

using Calls = std::vector<std::string>;
constexpr WindowHandle kButton(0x2A0);
constexpr WindowHandle kOtherButton(0x2A1);
constexpr WindowHandle kFrame(0x30);
// A handle of one kind is never taken for another, nor a bare number for a handle.
static_assert(!std::is_convertible_v<DcHandle, WindowHandle> && !std::is_convertible_v<std::uintptr_t, WindowHandle>);

using ButtonStateFlags = fakes::ThemeModuleTest;

TEST_F(ButtonStateFlags, NeverWrittenReadsFalse) {
    EXPECT_FALSE(pvGetHot(platform, kButton));
    EXPECT_FALSE(pvGetPainted(platform, kButton));
    EXPECT_EQ(platform.calls, (Calls{"GetPropA(672,Hot)", "GetPropA(672,Painted)"}));
}

TEST_F(ButtonStateFlags, FalseIsKeptAsZeroAndTrueAsOne) {
    pvSetHot(platform, kButton, true);
    EXPECT_TRUE(pvGetHot(platform, kButton));
    pvSetHot(platform, kButton, false);
    EXPECT_EQ((platform.properties.at({kButton, "Hot"})), 0u);
    EXPECT_FALSE(pvGetHot(platform, kButton));
    pvSetPainted(platform, kButton, true);
    EXPECT_EQ(platform.calls, (Calls{"SetPropA(672,Hot,1)", "GetPropA(672,Hot)", "SetPropA(672,Hot,0)",
                                     "GetPropA(672,Hot)", "SetPropA(672,Painted,1)"}));
}

TEST_F(ButtonStateFlags, AnyOtherValueWrittenBySomeoneElseReadsTrue) {
    platform.properties[{kButton, "Hot"}] = 7;
    platform.properties[{kButton, "Painted"}] = static_cast<PropertyValue>(-1);
    EXPECT_TRUE(pvGetHot(platform, kButton));
    EXPECT_TRUE(pvGetPainted(platform, kButton));
    EXPECT_FALSE(pvGetHot(platform, kOtherButton));  // each window has its own flags
}

TEST_F(ButtonStateFlags, VisibilityAndMissingFunctionsGoToTheCaller) {
    platform.visibleWindows.insert(kButton);
    EXPECT_TRUE(pvIsVisible(platform, kButton));
    EXPECT_FALSE(pvIsVisible(platform, kOtherButton));
    platform.missing.insert("GetPropA");
    EXPECT_THROW(pvGetHot(platform, kButton), Failure);
}

using FrameRedirection = fakes::ThemeModuleTest;

TEST_F(FrameRedirection, PrintClientAndMouseLeaveGoToTheDefaultWindowProcedure) {
    EXPECT_EQ(pvRedirectFrame(module, kFrame, 0x0318, 0x1234, 4), 0xDEF);
    EXPECT_EQ(pvRedirectFrame(module, kFrame, 0x02A3, 0, 0), 0xDEF);
    EXPECT_EQ(platform.calls, (Calls{"DefWindowProcA(48,0x0318,4660,4)", "DefWindowProcA(48,0x02A3,0,0)"}));
}

TEST_F(FrameRedirection, EverythingElseGoesDownTheChainUnchanged) {
    for (uint32_t message : {0x000Fu, 0x0014u, 0x0200u, 0x02A1u}) {
        platform.calls.clear();
        EXPECT_EQ(pvRedirectFrame(module, kFrame, message, 9, -9), 0x5AB);
        char expected[64];
        std::snprintf(expected, sizeof expected, "DefSubclassProc(48,0x%04X,9,-9)", message);
        EXPECT_EQ(platform.calls, Calls{expected});
    }
    platform.appThemed = 0;  // styles off: the routing is the same
    EXPECT_EQ(pvRedirectFrame(module, kFrame, 0x0318, 0, 0), 0xDEF);
    EXPECT_TRUE(platform.traces.empty());
}

TEST_F(FrameRedirection, AFailingCallIsReportedAndAnswersZero) {
    platform.missing.insert("DefSubclassProc");
    platform.missing.insert("DefWindowProcA");
    EXPECT_EQ(pvRedirectFrame(module, kFrame, 0x000F, 0, 0), 0);
    EXPECT_EQ(pvRedirectFrame(module, kFrame, 0x0318, 0, 0), 0);
    ASSERT_EQ(platform.traces.size(), 2u);
    EXPECT_EQ(platform.traces[0].rfind("mdXpThemeSupport.pvRedirectFrame: 453 ", 0), 0u);
}

}  // namespace
}  // namespace velkorin
