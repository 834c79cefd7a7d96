// Picture drawing through the real bindings: a bitmap and an icon with a transparent colour, and a
// disabled picture, drawn into a memory bitmap whose pixels are then read back.
#include <gtest/gtest.h>

#include <windows.h>

#include "wine/OlePictures.h"
#include "xptheme/PictureDrawing.h"
#include "xptheme/win32/NativeHandles.h"
#include "xptheme/win32/Win32ThemePlatform.h"

namespace velkorin::wine {
namespace {

constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kMagenta = RGB(255, 0, 255);

// A 32x32 target filled with blue, in a memory device context.
class Canvas {
public:
    Canvas() : screen_(GetDC(nullptr)), dc_(CreateCompatibleDC(screen_)), bitmap_(CreateCompatibleBitmap(screen_, 32, 32)) {
        previous_ = SelectObject(dc_, bitmap_);
        Fill(dc_, 0, 0, 32, 32, kBlue);
    }
    ~Canvas() {
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
        ReleaseDC(nullptr, screen_);
    }
    HDC Dc() const { return dc_; }
    COLORREF At(int x, int y) const { return GetPixel(dc_, x, y); }
    static void Fill(HDC dc, int x, int y, int w, int h, COLORREF color) {
        RECT r = {x, y, x + w, y + h};
        HBRUSH brush = CreateSolidBrush(color);
        FillRect(dc, &r, brush);
        DeleteObject(brush);
    }

private:
    HDC screen_, dc_;
    HBITMAP bitmap_;
    HGDIOBJ previous_ = nullptr;
};

// A 16x16 bitmap: the left half one colour, the right half red.
HBITMAP HalfAndRedBitmap(COLORREF left) {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 16, 16);
    HGDIOBJ previous = SelectObject(dc, bitmap);
    Canvas::Fill(dc, 0, 0, 8, 16, left);
    Canvas::Fill(dc, 8, 0, 8, 16, kRed);
    SelectObject(dc, previous);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return bitmap;
}

ObjectRef BitmapPicture() {
    PICTDESC description = {};
    description.cbSizeofstruct = sizeof description;
    description.picType = PICTYPE_BITMAP;
    description.bmp.hbitmap = HalfAndRedBitmap(kMagenta);
    return PictureOf(description);
}

// A 16x16 icon whose left half is transparent through its mask (black in its colour image, as icons
// have it) and whose right half is red.
ObjectRef IconPicture() {
    HBITMAP colour = HalfAndRedBitmap(RGB(0, 0, 0));
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP mask = CreateBitmap(16, 16, 1, 1, nullptr);
    HGDIOBJ previous = SelectObject(dc, mask);
    Canvas::Fill(dc, 0, 0, 8, 16, RGB(255, 255, 255));  // mask 1: transparent
    Canvas::Fill(dc, 8, 0, 8, 16, RGB(0, 0, 0));
    SelectObject(dc, previous);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    ICONINFO info = {TRUE, 0, 0, mask, colour};
    PICTDESC description = {};
    description.cbSizeofstruct = sizeof description;
    description.picType = PICTYPE_ICON;
    description.icon.hicon = CreateIconIndirect(&info);
    DeleteObject(mask);
    DeleteObject(colour);
    return PictureOf(description);
}

class PictureDrawingUnderWine : public ::testing::Test {
protected:
    win32::Win32ThemePlatform platform;
    mdXpThemeSupport module{platform};
    Canvas canvas;
};

TEST_F(PictureDrawingUnderWine, BitmapLeavesOutExactlyTheTransparentColour) {
    ObjectRef picture = BitmapPicture();
    ASSERT_TRUE(picture);
    pvDrawTransparentPicture(module, picture, win32::Wrapped<DcHandle>(canvas.Dc()), 8, 8, 16, 16, kMagenta,
                             0, 0, 0, 0);
    EXPECT_EQ(canvas.At(10, 10), kBlue);  // magenta half: left out
    EXPECT_EQ(canvas.At(20, 20), kRed);
    EXPECT_EQ(canvas.At(2, 2), kBlue);  // outside the picture: untouched
}

TEST_F(PictureDrawingUnderWine, IconsOwnTransparentPixelsAreLeftOut) {
    ObjectRef picture = IconPicture();
    ASSERT_TRUE(picture);
    pvDrawTransparentPicture(module, picture, win32::Wrapped<DcHandle>(canvas.Dc()), 8, 8, 16, 16,
                             RGB(0, 255, 0), 0, 0, 0, 0);
    EXPECT_EQ(canvas.At(10, 10), kBlue);  // the mask's transparent half keeps the pre-fill, then is left out
    EXPECT_EQ(canvas.At(20, 20), kRed);
}

TEST_F(PictureDrawingUnderWine, DisabledPictureIsEmbossed) {
    ObjectRef picture = BitmapPicture();
    ASSERT_TRUE(picture);
    pvDrawDisabledPicture(module, picture, win32::Wrapped<DcHandle>(canvas.Dc()), 8, 8, 16, 16, kMagenta);
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
    int shadowPixels = 0, redPixels = 0;
    for (int y = 8; y < 24; ++y) {
        for (int x = 8; x < 24; ++x) {
            shadowPixels += canvas.At(x, y) == shadow;
            redPixels += canvas.At(x, y) == kRed;
        }
    }
    EXPECT_GT(shadowPixels, 0);  // the platform's disabled look, not the picture's own colours
    EXPECT_EQ(redPixels, 0);
    EXPECT_EQ(canvas.At(10, 12), kBlue);  // transparent pixels count as background
}

}  // namespace
}  // namespace velkorin::wine
