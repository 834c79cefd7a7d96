// Visual-style detection and the one-time common-controls set-up, through the recording platform.
#include <gtest/gtest.h>

#include "fakes/ThemeModuleTest.h"

namespace velkorin {
namespace {

using Calls = std::vector<std::string>;

class VisualStyleDetection : public fakes::ThemeModuleTest {
protected:
    // Whether the set-up counts as made: a further call asks the platform nothing.
    bool SetUpMade() {
        const size_t before = platform.calls.size();
        try {
            module.InitVisualStyles();
        } catch (const Failure&) {
        }
        return platform.calls.size() == before;
    }
};

TEST_F(VisualStyleDetection, SetUpWithVersionSixLoadsTheShellThenRegistersTheClasses) {
    module.InitVisualStyles();
    EXPECT_EQ(platform.calls,
              (Calls{"DllGetVersion(20,0,0,0,0)", "LoadLibraryA(shell32.dll)", "InitCommonControlsEx(8,0x200)"}));
    EXPECT_TRUE(SetUpMade());
}

TEST_F(VisualStyleDetection, SetUpIsMadeOnceEvenWhenVersionFiveFoundNothingToDo) {
    platform.comctlMajor = 5;
    module.InitVisualStyles();
    EXPECT_EQ(platform.calls, (Calls{"DllGetVersion(20,0,0,0,0)"}));
    EXPECT_TRUE(SetUpMade());
    platform.comctlMajor = 6;
    module.InitVisualStyles();
    EXPECT_EQ(platform.calls.size(), 1u);
}

TEST_F(VisualStyleDetection, VersionSixAndLaterCountAndTheAnswerIsNeverCached) {
    for (uint32_t major : {5u, 6u, 7u, 0u}) {
        platform.comctlMajor = major;
        EXPECT_EQ(module.IsComCtl6Loaded(), major >= 6) << major;
    }
    EXPECT_EQ(platform.calls.size(), 4u);
    EXPECT_TRUE(platform.traces.empty());
}

TEST_F(VisualStyleDetection, VersionCallThatFailsQuietlyLeavesTheRecordZeroed) {
    platform.versionCallFills = false;
    EXPECT_FALSE(module.IsComCtl6Loaded());
    EXPECT_TRUE(platform.traces.empty());  // nothing was raised, so nothing is reported
}

TEST_F(VisualStyleDetection, MissingVersionFunctionIsReportedOncePerCallAndMeansNo) {
    platform.missing.insert("DllGetVersion");
    EXPECT_FALSE(module.IsComCtl6Loaded());
    EXPECT_FALSE(module.IsComCtl6Loaded());
    EXPECT_EQ(platform.traces,
              (Calls{"mdXpThemeSupport.IsComCtl6Loaded: 453 Can't find DLL entry point DllGetVersion in comctl32.dll\n",
                     "mdXpThemeSupport.IsComCtl6Loaded: 453 Can't find DLL entry point DllGetVersion in comctl32.dll\n"}));
    module.InitVisualStyles();
    EXPECT_TRUE(SetUpMade());
    EXPECT_EQ(platform.calls, (Calls(3, "DllGetVersion(20,0,0,0,0)")));
}

TEST_F(VisualStyleDetection, FailedSetUpStepLeavesTheFlagForTheCallerToIgnore) {
    platform.missing.insert("InitCommonControlsEx");
    EXPECT_THROW(module.InitVisualStyles(), Failure);
    EXPECT_FALSE(SetUpMade());
}

TEST_F(VisualStyleDetection, ActiveOnlyWhenThemedActiveAndAllowedForControls) {
    EXPECT_TRUE(module.IsVisualStyleActive());
    EXPECT_EQ(platform.calls, (Calls{"IsAppThemed()", "IsThemeActive()", "GetThemeAppProperties()"}));

    platform.calls.clear();
    platform.appProperties = 0x1 | 0x4;  // non-client and web content, but not controls
    EXPECT_FALSE(module.IsVisualStyleActive());
    platform.appProperties = 0x2;
    EXPECT_TRUE(module.IsVisualStyleActive());
}

TEST_F(VisualStyleDetection, ActiveStopsAtTheFirstCallThatDecides) {
    platform.appThemed = 0;
    EXPECT_FALSE(module.IsVisualStyleActive());
    EXPECT_EQ(platform.calls, (Calls{"IsAppThemed()"}));

    platform.calls.clear();
    platform.appThemed = 1;
    platform.themeActive = 0;
    EXPECT_FALSE(module.IsVisualStyleActive());
    EXPECT_EQ(platform.calls, (Calls{"IsAppThemed()", "IsThemeActive()"}));
}

TEST_F(VisualStyleDetection, MissingThemeLibraryMeansNotActiveWithoutAReport) {
    for (const char* function : {"IsAppThemed", "IsThemeActive", "GetThemeAppProperties"}) {
        fakes::RecordingThemePlatform missingOne;
        missingOne.missing.insert(function);
        mdXpThemeSupport passive(missingOne);
        EXPECT_FALSE(passive.IsVisualStyleActive()) << function;
        EXPECT_TRUE(missingOne.traces.empty()) << function;
    }
    platform.missingLibraries.insert("uxtheme");  // a system without visual-style support at all
    EXPECT_FALSE(module.IsVisualStyleActive());
    EXPECT_EQ(platform.calls, (Calls{"IsAppThemed()"}));
    EXPECT_TRUE(platform.traces.empty());
}

TEST_F(VisualStyleDetection, ReporterWithoutADebugChannelStillSwallowsTheFailure) {
    platform.missing.insert("OutputDebugStringA");
    platform.missing.insert("DllGetVersion");
    EXPECT_NO_THROW(EXPECT_FALSE(module.IsComCtl6Loaded()));
}

}  // namespace
}  // namespace velkorin
