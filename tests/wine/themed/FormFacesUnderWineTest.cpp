// The classic face of the graphical style, drawn by the form runtime through owner drawing: captions,
// pictures, the set and the disabled look.
#include "wine/themed/FormsUnderWine.h"

namespace velkorin::themed {
namespace {

TEST_F(FormsUnderWine, GraphicalButtonDrawsItsClassicFaceThroughTheFrameAndTheForm) {
    auto frame = form->AddFrame(Placed(10, 10, 200, 120));
    auto button = form->AddButton(ButtonKind::Command, Placed(10, 20, 120, 80, button_style::kGraphical, frame,
                                                                 "Framed"));
    button->Put("Picture", Picture(IDR_FRAMED_BMP));
    button->Put("UseMaskColor", Value(true));
    button->Put("MaskColor", Value(static_cast<int32_t>(kMagenta)));
    button->Put("BackColor", Value(int32_t{0x00FFFF}));  // yellow, so the face is told from the rest

    Printed printed(button->Hwnd());  // the button asks its parent to draw it: WM_DRAWITEM
    const RECT all = printed.Client();
    const PixelBox green = BoxOf(printed.Pixels(), all, kGreen);
    const PixelBox blue = BoxOf(printed.Pixels(), all, kBlue);
    const PixelBox caption = BoxWhere(printed.Pixels(), all, IsDark);
    EXPECT_EQ(BoxOf(printed.Pixels(), all, kMagenta).count, 0) << "the picture's mask colour is left out";
    EXPECT_EQ(green.count, kFramedBlock * kFramedBlock / 2) << Describe(green);
    EXPECT_EQ(blue.count, kFramedBlock * kFramedBlock / 2) << Describe(blue);
    EXPECT_EQ(blue.top, green.bottom) << "upright: green above blue";
    EXPECT_NEAR(green.CentreX2(), all.right, 2) << "centred across";
    ASSERT_FALSE(caption.Empty());
    EXPECT_GT(caption.top, blue.bottom) << "the caption under the picture";
    EXPECT_LE(caption.bottom, all.bottom - 4);
    EXPECT_NEAR(caption.CentreX2(), all.right, 6);
    EXPECT_EQ(printed.At(all.right / 2, 5), RGB(255, 255, 0)) << "the face in its back colour";
    EXPECT_EQ(printed.At(all.right - 1, all.bottom - 1), GetSysColor(COLOR_3DDKSHADOW)) << "raised";
    EXPECT_EQ(printed.At(0, 0), GetSysColor(COLOR_3DLIGHT)) << "raised";
}

TEST_F(FormsUnderWine, SetCheckBoxLooksPushedWithItsDownPicture) {
    auto check = form->AddButton(ButtonKind::Check, Placed(10, 10, 80, 70, button_style::kGraphical, nullptr, "Check"));
    check->Put("Picture", Picture(IDR_CHECK_BMP));
    check->Put("DownPicture", Picture(IDR_CHECK_DOWN_BMP));
    check->Put("UseMaskColor", Value(true));
    check->Put("MaskColor", Value(static_cast<int32_t>(kMagenta)));

    Printed clear(check->Hwnd());
    EXPECT_EQ(BoxOf(clear.Pixels(), clear.Client(), kPurple).count, kSmallBlock * kSmallBlock);
    EXPECT_EQ(clear.At(0, 0), GetSysColor(COLOR_3DLIGHT));

    check->Put("Value", Value(int32_t{1}));
    Printed set(check->Hwnd());
    EXPECT_EQ(BoxOf(set.Pixels(), set.Client(), kTeal).count, kSmallBlock * kSmallBlock);
    EXPECT_EQ(BoxOf(set.Pixels(), set.Client(), kPurple).count, 0);
    EXPECT_EQ(set.At(0, 0), GetSysColor(COLOR_3DSHADOW)) << "sunken";
    EXPECT_EQ(set.At(79, 69), GetSysColor(COLOR_3DHILIGHT)) << "sunken";
}

TEST_F(FormsUnderWine, DisabledShowsItsDisabledPictureOrEmbossesItsPicture) {
    auto own = form->AddButton(ButtonKind::Command, Placed(10, 10, 80, 70, button_style::kGraphical));
    auto embossed = form->AddButton(ButtonKind::Command, Placed(100, 10, 80, 70, button_style::kGraphical));
    for (const auto& button : {own, embossed}) {
        button->Put("Picture", Picture(IDR_FRAMED_BMP));
        button->Put("MaskColor", Value(static_cast<int32_t>(kMagenta)));
        button->Put("UseMaskColor", Value(true));
        button->Put("Enabled", Value(false));
    }
    own->Put("DisabledPicture", Picture(IDR_DISABLED_BMP));

    Printed withOwn(own->Hwnd());
    const RECT inside = {4, 4, 76, 66};
    const PixelBox black = BoxOf(withOwn.Pixels(), inside, RGB(0, 0, 0));
    EXPECT_EQ(black.count, kDisabledBlock * kDisabledBlock) << "shown as it is: " << Describe(black);
    EXPECT_EQ(BoxOf(withOwn.Pixels(), inside, kGreen).count, 0);

    Printed withoutOwn(embossed->Hwnd());
    const PixelBox shadow = BoxOf(withoutOwn.Pixels(), inside, GetSysColor(COLOR_3DSHADOW));
    EXPECT_EQ(shadow.Width(), kFramedBlock) << Describe(shadow);
    EXPECT_EQ(shadow.Height(), kFramedBlock) << Describe(shadow);
    EXPECT_EQ(BoxOf(withoutOwn.Pixels(), inside, kGreen).count + BoxOf(withoutOwn.Pixels(), inside, kBlue).count, 0)
        << "embossed, not in its own colours";
}

}  // namespace
}  // namespace velkorin::themed
