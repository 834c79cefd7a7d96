// Drawing rectangles, transparent pictures and disabled pictures: the platform calls in order, the
// failure rules, and every resource given back.
#include <gtest/gtest.h>

#include <memory>

#include "fakes/FakePicture.h"
#include "xptheme/PictureDrawing.h"
#include "fakes/ThemeModuleTest.h"

namespace velkorin {
namespace {

using Calls = std::vector<std::string>;
constexpr DcHandle kTarget(77);
constexpr uint32_t kMagenta = 0xFF00FF;

class PictureDrawing : public fakes::ThemeModuleTest {
protected:
    std::shared_ptr<fakes::FakePicture> Picture(int32_t handle, int32_t type) {
        return std::make_shared<fakes::FakePicture>(handle, type);
    }
    std::vector<std::string> Traces() const { return platform.traces; }
};

TEST_F(PictureDrawing, RectangleIsFilledAndItsBrushDeleted) {
    pvDrawRect(module, kTarget, 2, 3, 10, 0, 0x123456);
    EXPECT_EQ(platform.calls, (Calls{"CreateSolidBrush(0x123456)", "FillRect(77,{2,3,12,3},256)", "DeleteObject(256)"}));
}

TEST_F(PictureDrawing, OverflowingEdgeStaysZeroAndTheFillStillRuns) {
    pvDrawRect(module, kTarget, INT32_MAX, 1, 1, 1, 0);
    EXPECT_EQ(platform.calls[1], "FillRect(77,{2147483647,1,0,2},256)");
    EXPECT_EQ(Traces(), Calls{"mdXpThemeSupport.pvDrawRect: 6 Overflow\n"});
}

TEST_F(PictureDrawing, IconGoesThroughABufferPrefilledWithTheTransparentColour) {
    auto icon = Picture(0x4321, 3);
    pvDrawTransparentPicture(module, icon, kTarget, 5, 6, 16, 24, kMagenta, 0, 0, 0, 0);
    EXPECT_EQ(platform.calls, (Calls{
                                  "GetDC(0)",
                                  "CreateCompatibleDC(256)",
                                  "CreateCompatibleBitmap(256,16,24)",
                                  "SelectObject(257,258)",
                                  "CreateSolidBrush(0xFF00FF)",
                                  "FillRect(257,{0,0,16,24},259)",
                                  "DeleteObject(259)",
                                  "DrawStateA(257,17185,0,0,16,24,0x3)",
                                  "TransparentBlt(77,5,6,16,24,257,0,0,16,24,0xFF00FF)",
                                  "SelectObject(257,1)",
                                  "DeleteObject(258)",
                                  "DeleteDC(257)",
                                  "ReleaseDC(0,256)",
                              }));
    EXPECT_EQ(icon->reads["Type"], 1);
    EXPECT_TRUE(Traces().empty());
}

TEST_F(PictureDrawing, BitmapIsDrawnWithoutPrefillAndOtherTypesNotAtAll) {
    pvDrawTransparentPicture(module, Picture(0x99, 1), kTarget, 0, 0, 8, 8, kMagenta, 1, 2, 4, 4);
    EXPECT_EQ(platform.calls[4], "DrawStateA(257,153,0,0,4,4,0x4)");
    EXPECT_EQ(platform.calls[5], "TransparentBlt(77,0,0,8,8,257,1,2,4,4,0xFF00FF)");

    platform.calls.clear();
    auto metafile = Picture(0x99, 4);
    pvDrawTransparentPicture(module, metafile, kTarget, 0, 0, 8, 8, kMagenta, 0, 0, 0, 0);
    EXPECT_EQ(platform.calls.size(), 9u);  // buffer, transfer, clean-up: nothing drawn into it
    EXPECT_EQ(metafile->reads["Type"], 2);  // read once for each test
}

TEST_F(PictureDrawing, NoPictureOrAnEmptyOneTakesNothing) {
    pvDrawTransparentPicture(module, nullptr, kTarget, 0, 0, 8, 8, 0, 0, 0, 0, 0);
    pvDrawTransparentPicture(module, Picture(0, 1), kTarget, 0, 0, 8, 8, 0, 0, 0, 0, 0);
    pvDrawDisabledPicture(module, nullptr, kTarget, 0, 0, 8, 8, 0);
    pvDrawDisabledPicture(module, Picture(0, 3), kTarget, 0, 0, 8, 8, 0);
    EXPECT_TRUE(platform.calls.empty());
}

TEST_F(PictureDrawing, FailedReadsFollowTheBranchTheyGuard) {
    auto picture = Picture(0x50, 1);
    picture->Queue("Handle", std::nullopt);  // step 1: reported, nothing drawn
    pvDrawTransparentPicture(module, picture, kTarget, 0, 0, 8, 8, 0, 0, 0, 0, 0);
    EXPECT_TRUE(platform.calls.empty());

    picture->Queue("Type", std::nullopt);  // the icon test: the icon branch runs
    pvDrawTransparentPicture(module, picture, kTarget, 0, 0, 8, 8, 0, 0, 0, 0, 0);
    EXPECT_EQ(platform.calls[7], "DrawStateA(257,80,0,0,8,8,0x3)");

    platform.calls.clear();
    picture->Queue("Type", Value(int32_t{7}));  // not an icon,
    picture->Queue("Type", std::nullopt);       // then the bitmap test fails: the bitmap branch runs
    picture->Queue("Handle", Value(int32_t{0x50}));
    picture->Queue("Handle", std::nullopt);  // the handle for DrawStateA: the buffer keeps what it had
    pvDrawTransparentPicture(module, picture, kTarget, 0, 0, 8, 8, 0, 0, 0, 0, 0);
    EXPECT_EQ(platform.calls[4], "TransparentBlt(77,0,0,8,8,261,0,0,8,8,0x000000)");
    EXPECT_EQ(Traces(), (Calls{"mdXpThemeSupport.pvDrawTransparentPicture: 481 Invalid picture\n",
                               "mdXpThemeSupport.pvDrawTransparentPicture: 481 Invalid picture\n",
                               "mdXpThemeSupport.pvDrawTransparentPicture: 481 Invalid picture\n",
                               "mdXpThemeSupport.pvDrawTransparentPicture: 481 Invalid picture\n"}));
}

TEST_F(PictureDrawing, DisabledPictureIsEmbossedFromAWhiteBuffer) {
    pvDrawDisabledPicture(module, Picture(0x4321, 3), kTarget, 10, 20, 16, 16, kMagenta);
    const Calls expected = {
        "GetDC(0)", "CreateCompatibleDC(256)", "CreateCompatibleBitmap(256,16,16)", "SelectObject(257,258)",
        "CreateSolidBrush(0xFFFFFF)", "FillRect(257,{0,0,16,16},259)", "DeleteObject(259)",
        // the picture itself, transparently, into the white buffer
        "GetDC(0)", "CreateCompatibleDC(260)", "CreateCompatibleBitmap(260,16,16)", "SelectObject(261,262)",
        "CreateSolidBrush(0xFF00FF)", "FillRect(261,{0,0,16,16},263)", "DeleteObject(263)",
        "DrawStateA(261,17185,0,0,16,16,0x3)", "TransparentBlt(257,0,0,16,16,261,0,0,16,16,0xFF00FF)",
        "SelectObject(261,1)", "DeleteObject(262)", "DeleteDC(261)", "ReleaseDC(0,260)",
        // then the buffer, selected nowhere, embossed onto the target
        "SelectObject(257,1)", "DrawStateA(77,258,10,20,16,16,0x24)", "DeleteObject(258)", "DeleteDC(257)",
        "ReleaseDC(0,256)"};
    EXPECT_EQ(platform.calls, expected);
}

TEST_F(PictureDrawing, MissingPlatformFunctionStillGivesEverythingBack) {
    // A failing transfer, and a failing selection: taking and giving back are both reported, and the
    // bitmap, the memory device context and the screen's device context still go back.
    const struct {
        const char* missing;
        size_t reports;
        const char* trace;
    } rows[] = {
        {"TransparentBlt", 1, "453 Can't find DLL entry point TransparentBlt in msimg32\n"},
        {"SelectObject", 2, "453 Can't find DLL entry point SelectObject in gdi32\n"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.missing);
        platform.missing = {row.missing};
        platform.traces.clear();
        pvDrawTransparentPicture(module, Picture(0x99, 1), kTarget, 0, 0, 8, 8, 0, 0, 0, 0, 0);
        EXPECT_EQ(Traces(), Calls(row.reports, std::string("mdXpThemeSupport.pvDrawTransparentPicture: ") + row.trace));
    }
}

}  // namespace
}  // namespace velkorin
