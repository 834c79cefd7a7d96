#pragma once

#include <gtest/gtest.h>

#include "fakes/RecordingThemePlatform.h"
#include "xptheme/mdXpThemeSupport.h"

namespace velkorin::fakes {

// A host test of the visual-style module: the module on the recording platform and, whatever path a
// test took, every device context, GDI object and visual-style handle given back by its end.
class ThemeModuleTest : public ::testing::Test {
protected:
    void TearDown() override {
        EXPECT_TRUE(platform.liveObjects.empty());
        EXPECT_TRUE(platform.liveDcs.empty());
        EXPECT_EQ(platform.openThemes, 0);
    }

    RecordingThemePlatform platform;
    mdXpThemeSupport module{platform};
};

}  // namespace velkorin::fakes
