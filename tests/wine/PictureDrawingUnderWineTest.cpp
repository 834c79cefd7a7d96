// Picture drawing through the real bindings: a bitmap and an icon with a transparent colour, and a
// disabled picture, drawn into a memory bitmap whose pixels are then read back.
#include <gtest/gtest.h>

#include <windows.h>

#include "runtime/win32/ScopedHandles.h"
#include "wine/OlePictures.h"
#include "xptheme/PictureDrawing.h"
#include "xptheme/win32/NativeHandles.h"
#include "xptheme/win32/Win32ThemePlatform.h"

namespace velkorin::wine {
namespace {

constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kMagenta = RGB(255, 0, 255);

void Fill(HDC dc, int x, int y, int w, int h, COLORREF color) {
    const RECT r = {x, y, x + w, y + h};
    FillRect(dc, &r, win32::GdiObject<HBRUSH>(CreateSolidBrush(color)).get());
}

// A 32x32 target filled with blue, in a memory device context.
class Canvas {
public:
    Canvas() { Fill(dc_.Get(), 0, 0, 32, 32, kBlue); }
    HDC Dc() const { return dc_.Get(); }
    COLORREF At(int x, int y) const { return GetPixel(dc_.Get(), x, y); }

private:
    win32::ClientDc screen_{nullptr};
    win32::MemoryDc dc_{screen_.Get()};
    win32::GdiObject<HBITMAP> bitmap_{CreateCompatibleBitmap(screen_.Get(), 32, 32)};
    win32::SelectionGuard selected_{dc_.Get(), bitmap_.get()};
};

// Paints into `bitmap`, selected for the call into a memory device context of its own.
template <class Paint>
void PaintInto(HBITMAP bitmap, Paint paint) {
    win32::MemoryDc dc(win32::ClientDc(nullptr).Get());
    win32::SelectionGuard selected(dc.Get(), bitmap);
    paint(dc.Get());
}

// A 16x16 bitmap: the left half one colour, the right half red.
HBITMAP HalfAndRedBitmap(COLORREF left) {
    HBITMAP bitmap = CreateCompatibleBitmap(win32::ClientDc(nullptr).Get(), 16, 16);
    PaintInto(bitmap, [&](HDC dc) {
        Fill(dc, 0, 0, 8, 16, left);
        Fill(dc, 8, 0, 8, 16, kRed);
    });
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
    const win32::GdiObject<HBITMAP> colour(HalfAndRedBitmap(RGB(0, 0, 0)));
    const win32::GdiObject<HBITMAP> mask(CreateBitmap(16, 16, 1, 1, nullptr));
    PaintInto(mask.get(), [](HDC dc) {
        Fill(dc, 0, 0, 8, 16, RGB(255, 255, 255));  // mask 1: transparent
        Fill(dc, 8, 0, 8, 16, RGB(0, 0, 0));
    });
    ICONINFO info = {TRUE, 0, 0, mask.get(), colour.get()};
    PICTDESC description = {};
    description.cbSizeofstruct = sizeof description;
    description.picType = PICTYPE_ICON;
    description.icon.hicon = CreateIconIndirect(&info);
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
