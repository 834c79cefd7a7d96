// Themed painting of a graphical button: the calls of a paint, the state table, the picture's place,
// the failure rules and the resources given back.
#include <gtest/gtest.h>

#include <memory>

#include "xptheme/ButtonPainting.h"
#include "fakes/FakeControl.h"
#include "fakes/FakePicture.h"
#include "fakes/ThemeModuleTest.h"

namespace velkorin {
namespace {

using Calls = std::vector<std::string>;
using fakes::FakeControl;
using fakes::FakePicture;
constexpr WindowHandle kButton(0x40);
constexpr DcHandle kDc(0x50);

class FixedScreen : public ScreenMetrics {
public:
    float TwipsPerPixelX() override { return twipsPerPixel; }
    float twipsPerPixel = 15.0f;
};

class ButtonPainting : public fakes::ThemeModuleTest {
protected:
    void SetUp() override {
        font->properties["hFont"] = Value(int32_t{0xF0});
        form->properties["ActiveControl"] = Value(ObjectRef(other));
        other->properties["Default"] = Value(false);
        button->properties = {{"Value", Value(false)}, {"Default", Value(false)}, {"Parent", Value(ObjectRef(form))},
                              {"Enabled", Value(true)}, {"Caption", Value("OK")}, {"Font", Value(ObjectRef(font))},
                              {"Picture", Value(ObjectRef(picture))}, {"DownPicture", Value(ObjectRef(downPicture))},
                              {"DisabledPicture", Value(ObjectRef(disabledPicture))}, {"UseMaskColor", Value(true)},
                              {"MaskColor", Value(int32_t{0xFF00FF})},
                              {"BackColor", Value(static_cast<int32_t>(0x8000000F))}};  // the system's button face
        platform.focusWindow = WindowHandle(0x99);
    }
    void TearDown() override {
        ThemeModuleTest::TearDown();
        EXPECT_FALSE(platform.selected[kDc]);  // the caption's font was selected back
    }
    void Paint() { pvDrawButton(module, screen, kButton, kDc, button); }
    // The state the face was drawn in.
    std::string FaceState() const { return (*platform.CallsOf("DrawThemeBackground").at(0))["state"]; }
    std::string DrawnPictureHandle() const {
        const auto drawn = platform.CallsOf("DrawStateA");
        return drawn.empty() ? "none" : (*drawn[0])["image"];
    }

    FixedScreen screen;
    std::shared_ptr<FakeControl> button = std::make_shared<FakeControl>();
    std::shared_ptr<FakeControl> form = std::make_shared<FakeControl>();
    std::shared_ptr<FakeControl> other = std::make_shared<FakeControl>();
    std::shared_ptr<FakeControl> font = std::make_shared<FakeControl>();
    std::shared_ptr<FakePicture> picture = std::make_shared<FakePicture>(101, 3);
    std::shared_ptr<FakePicture> downPicture = std::make_shared<FakePicture>(102, 3);
    std::shared_ptr<FakePicture> disabledPicture = std::make_shared<FakePicture>(103, 3);
};

TEST_F(ButtonPainting, FullPaintWithCaptionAndPicture) {
    Paint();
    const Calls expected = {
        "SendMessageA(64,0x00F2,0,0)",
        "GetPropA(64,Hot)",
        "GetFocus()",
        "GetClientRect(64)",
        "OpenThemeData(64,BUTTON)",
        "GetThemeBackgroundRegion(126,80,1,1,{0,0,83,35})",
        "ExtSelectClipRgn(80,256,4)",
        "DrawThemeParentBackground(64,80,{0,0,83,35})",
        "ExtSelectClipRgn(80,0,5)",
        "DeleteObject(256)",
        "DrawThemeBackground(126,80,1,1,{0,0,83,35},{0,0,83,35})",
        "GetThemeBackgroundContentRect(126,80,1,1,{0,0,83,35})",
        "SelectObject(80,240)",
        "DrawTextA(80,OK,-1,{3,3,80,32},0x410)",
        // with a picture the caption sits at the bottom: top = 32 - 16 + 1
        "DrawThemeText(126,80,1,1,OK,-1,0x11,0,{3,17,80,32})",
        "SelectObject(80,0)",
        "CloseThemeData(126)",
        // the picture, 16 by 16, centred in 3..80 by 3..17: left (77-16)/2+3 = 33.5 -> 34, top (14-16)/2+3 = 2
        "GetDC(0)", "CreateCompatibleDC(257)", "CreateCompatibleBitmap(257,16,16)", "SelectObject(258,259)",
        "CreateSolidBrush(0xFF00FF)", "FillRect(258,{0,0,16,16},260)", "DeleteObject(260)",
        "DrawStateA(258,101,0,0,16,16,0x3)", "TransparentBlt(80,34,2,16,16,258,0,0,16,16,0xFF00FF)",
        "SelectObject(258,1)", "DeleteObject(259)", "DeleteDC(258)", "ReleaseDC(0,257)",
    };
    EXPECT_EQ(platform.calls, expected);
    EXPECT_TRUE(platform.traces.empty());
}

TEST_F(ButtonPainting, NeitherCaptionNorPicture) {
    button->properties["Caption"] = Value("");
    picture->Set("Handle", Value(int32_t{0}));
    Paint();
    EXPECT_EQ(platform.calls.back(), "CloseThemeData(126)");
    EXPECT_EQ(std::count(button->reads.begin(), button->reads.end(), "Font"), 0);  // no font selected
}

TEST_F(ButtonPainting, CaptionWithoutAPictureIsCentredVertically) {
    picture->Set("Handle", Value(int32_t{0}));
    platform.textHeight = 12;  // measured bottom 15: top = (32 - 15) / 2 + 2 = 10.5 -> 10
    Paint();
    EXPECT_EQ(platform.calls[14], "DrawThemeText(126,80,1,1,OK,-1,0x11,0,{3,10,80,25})");
}

struct StateCase {
    const char* name;
    bool enabled, hot, held, value, focused, isDefault;
    bool activeIsTextBox;
    int state;
    const char* picture;       // handle of the picture drawn
    const char* pictureReads;  // the picture properties read, in order
};

class ButtonStates : public ButtonPainting, public ::testing::WithParamInterface<StateCase> {};

TEST_P(ButtonStates, FirstMatchWins) {
    const StateCase& c = GetParam();
    button->properties["Enabled"] = Value(c.enabled);
    button->properties["Value"] = Value(c.value);
    button->properties["Default"] = Value(c.isDefault);
    if (c.hot) platform.properties[{kButton, "Hot"}] = 1;
    platform.buttonState = (c.held ? 0x4 : 0) | (c.focused ? 0x8 : 0);
    if (c.activeIsTextBox) other->properties.erase("Default");
    Paint();
    EXPECT_EQ(FaceState(), std::to_string(c.state));
    EXPECT_EQ(platform.CallsOf("DrawThemeBackground").at(0)->Text(), "DrawThemeBackground(126,80,1," +
              FaceState() + ",{0,0,83,35},{0,0,83,35})");
    std::string handle = c.enabled ? DrawnPictureHandle() : "embossed";
    if (!c.enabled) {
        // The disabled picture goes through the white buffer: its handle is drawn inside.
        EXPECT_TRUE(platform.Called("DrawStateA", {{"image", c.picture}, {"x", "0"}, {"y", "0"}})) << c.name;
    } else {
        EXPECT_EQ(handle, c.picture) << c.name;
    }
    EXPECT_EQ(std::count(platform.calls.begin(), platform.calls.end(), "DrawFocusRect(80,{3,3,80,32})"),
              c.focused ? 1 : 0);
    std::string pictureReads;
    for (const std::string& name : button->reads) {
        if (name.find("Picture") != std::string::npos) pictureReads += (pictureReads.empty() ? "" : ",") + name;
    }
    EXPECT_EQ(pictureReads, c.pictureReads) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Table, ButtonStates,
    ::testing::Values(StateCase{"Disabled", false, true, true, true, true, true, false, 4, "103", "DisabledPicture,Picture"},
                      StateCase{"HotAndHeldDownIsPressed", true, true, true, false, false, false, false, 3, "102", "DownPicture,Picture"},
                      StateCase{"HotWithValueTrueShowsTheDownPicture", true, true, false, true, false, false, false, 2, "102", "DownPicture,Picture"},
                      StateCase{"Hot", true, true, false, false, false, false, false, 2, "101", "Picture"},
                      StateCase{"ValueTrueNotHot", true, false, false, true, false, false, false, 3, "102", "DownPicture,Picture"},
                      StateCase{"Focused", true, false, false, false, true, false, false, 5, "101", "Picture"},
                      StateCase{"DefaultFocusInATextBox", true, false, false, false, false, true, true, 5, "101", "Picture"},
                      StateCase{"DefaultFocusOnAnotherButton", true, false, false, false, false, true, false, 1, "101", "Picture"},
                      StateCase{"Normal", true, false, false, false, false, false, false, 1, "101", "Picture"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ButtonPainting, DownPictureWithoutAnImageFallsBackToThePicture) {
    button->properties["Value"] = Value(true);
    downPicture->Set("Handle", Value(int32_t{0}));
    Paint();
    EXPECT_EQ(DrawnPictureHandle(), "101");
}

TEST_F(ButtonPainting, PictureSizesAndCentringRoundHalfToEven) {
    EXPECT_EQ(pvHimetricToPixels(847, 15.0f), 32);
    EXPECT_EQ(pvHimetricToPixels(423, 15.0f), 16);
    EXPECT_THROW(pvHimetricToPixels(847, 0.0f), Failure);
    // Free width 5 from a left edge of 3 -> 5.5 -> 6; from 4 -> 6.5 -> 6.
    button->properties["Caption"] = Value("");
    for (int32_t contentLeft : {3, 4}) {
        platform.calls.clear();
        platform.contentRect = {contentLeft, 3, contentLeft + 21, 19};
        Paint();
        EXPECT_TRUE(platform.Called("TransparentBlt", {{"destination", "80"}, {"x", "6"}})) << contentLeft;
    }
}

TEST_F(ButtonPainting, RenderedWithoutMaskAndEmbossedWhenDisabledWhateverTheMaskSetting) {
    button->properties["UseMaskColor"] = Value(false);
    button->properties["Caption"] = Value("");
    Paint();
    // Centred in the content rectangle 3..80 by 3..32: left 33.5 -> 34, top 9.5 -> 10, drawn from 10 + 16.
    EXPECT_EQ(picture->renders, Calls{"Render(80,34,26,16,-16,0,0,423,423,0)"});

    button->properties["Enabled"] = Value(false);
    disabledPicture->Set("Handle", Value(int32_t{0}));
    platform.calls.clear();
    Paint();
    EXPECT_EQ(platform.CallsOf("DrawStateA", {{"dc", "80"}, {"flags", "0x24"}}).at(0),
              &platform.calls[platform.calls.size() - 4]);
    EXPECT_TRUE(platform.Called("CreateSolidBrush", {{"color", "0xFF00FF"}}));  // MaskColor, UseMaskColor or not
}

TEST_F(ButtonPainting, BackColorOnlyWhenTheParentBackgroundFails) {
    Paint();
    EXPECT_EQ(std::count(button->reads.begin(), button->reads.end(), "BackColor"), 0);
    platform.parentBackgroundResult = 1;
    platform.calls.clear();
    Paint();
    EXPECT_EQ(platform.calls[8], "GetSysColor(15)");  // the back colour names a system colour
    EXPECT_TRUE(platform.Called("FillRect", {{"dc", "80"}, {"rect", "{0,0,83,35}"}}));
}

TEST_F(ButtonPainting, FailuresAreReportedAndPaintingGoesOn) {
    button->failing = {"Enabled", "UseMaskColor", "Default", "Value"};
    Paint();
    // Enabled unreadable: the disabled branch; later the enabled branch and, with no mask setting,
    // the transparent drawing. Default fails silently; Value is reported.
    EXPECT_EQ(FaceState(), "4");
    EXPECT_EQ(platform.traces.size(), 4u);
    for (const std::string& trace : platform.traces) EXPECT_EQ(trace.rfind("mdXpThemeSupport.pvDrawButton: 380", 0), 0u);
    EXPECT_EQ(DrawnPictureHandle(), "103");
}

TEST_F(ButtonPainting, UnreadablePicturesMeanNoPicture) {
    button->failing = {"Picture"};  // choosing the picture fails: it stays none
    Paint();
    EXPECT_EQ(DrawnPictureHandle(), "none");
    EXPECT_EQ(platform.calls[14], "DrawThemeText(126,80,1,1,OK,-1,0x11,0,{3,10,80,26})");  // placed as without one

    platform.calls.clear();
    platform.traces.clear();
    button->failing.clear();
    picture->Queue("Handle", std::nullopt);  // the chosen picture's handle: the picture becomes none
    Paint();
    EXPECT_EQ(DrawnPictureHandle(), "none");
    EXPECT_EQ(platform.traces.size(), 1u);
}

TEST_F(ButtonPainting, UnreadableCaptionRunsTheCaptionStepsEachReported) {
    button->failing = {"Caption"};
    Paint();
    // the length test, the measuring and the drawing each fail; the font is still put back
    EXPECT_EQ(platform.traces.size(), 3u);
    EXPECT_TRUE(platform.Called("SelectObject", {{"dc", "80"}, {"object", "240"}}));
    EXPECT_FALSE(platform.Called("DrawThemeText"));
}

TEST_F(ButtonPainting, ZeroTwipsPerPixelLeavesThePictureSizeZero) {
    screen.twipsPerPixel = 0.0f;
    button->properties["Caption"] = Value("");
    Paint();
    EXPECT_EQ(platform.traces.size(), 2u);  // width and height
    EXPECT_TRUE(platform.Called("CreateCompatibleBitmap", {{"width", "0"}, {"height", "0"}}));
}

TEST_F(ButtonPainting, MissingThemeLibraryStillCleansUp) {
    for (const char* f : {"OpenThemeData", "GetThemeBackgroundRegion", "DrawThemeParentBackground",
                          "DrawThemeBackground", "GetThemeBackgroundContentRect", "DrawThemeText", "CloseThemeData"}) {
        platform.missing.insert(f);
    }
    Paint();
    EXPECT_EQ(platform.traces.size(), 7u);
    EXPECT_EQ(platform.openThemes, 0);
}

}  // namespace
}  // namespace velkorin
