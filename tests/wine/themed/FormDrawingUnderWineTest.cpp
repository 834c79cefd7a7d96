// What the form runtime draws on the real system: the classic face of the graphical style through
// owner drawing (captions, pictures, the set and the disabled look), its picture objects (loading,
// rendering as the themed painter asks) and the GDI font a font object owns.
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

TEST(PicturesUnderWine, LoadFromResourcesAndFilesOrSayWhyNot) {
    ObjectRef bitmap = Picture(IDR_FRAMED_BMP).AsObject();
    ASSERT_TRUE(bitmap);
    EXPECT_NE(bitmap->Get("Handle").AsInteger(), 0);
    EXPECT_EQ(bitmap->Get("Type").AsInteger(), 1);      // PICTYPE_BITMAP
    EXPECT_EQ(bitmap->Get("Width").AsInteger(), 635);   // 24 pixels at 96 per inch, in HIMETRIC
    EXPECT_EQ(bitmap->Get("Height").AsInteger(), 635);
    BITMAPINFOHEADER info = {sizeof info, 2, 1, 1, 24, BI_RGB, 0, 0, 0, 0, 0};  // 2 x 1: width and height apart
    BITMAPFILEHEADER file = {0x4D42, sizeof file + sizeof info + 8, 0, 0, sizeof file + sizeof info};
    const std::string wide = std::string(reinterpret_cast<char*>(&file), sizeof file) +
                             std::string(reinterpret_cast<char*>(&info), sizeof info) + std::string(8, '\0');
    ObjectRef twoByOne = win32::forms::LoadPictureBytes(wide.data(), wide.size());
    EXPECT_EQ(twoByOne->Get("Width").AsInteger() * 10 / twoByOne->Get("Height").AsInteger(), 20);
    ObjectRef icon = Picture(IDR_OPTION_ICO).AsObject();
    ASSERT_TRUE(icon);
    EXPECT_EQ(icon->Get("Type").AsInteger(), 3);  // PICTYPE_ICON
    EXPECT_EQ(NumberOf([] { Picture(999); }), 326);

    wchar_t folder[MAX_PATH] = L"";
    GetTempPathW(MAX_PATH, folder);
    const std::wstring good = std::wstring(folder) + L"velkorin-picture ü.bmp";
    const std::wstring bad = std::wstring(folder) + L"velkorin-not-a-picture.bmp";
    HRSRC found = FindResourceW(nullptr, MAKEINTRESOURCEW(IDR_CHECK_BMP), MAKEINTRESOURCEW(10));
    ASSERT_TRUE(found);
    const char* bytes = static_cast<const char*>(LockResource(LoadResource(nullptr, found)));
    ASSERT_TRUE(wine::WriteBytes(good, std::string(bytes, SizeofResource(nullptr, found))));
    ASSERT_TRUE(wine::WriteBytes(bad, "no picture here"));
    ObjectRef loaded = win32::forms::LoadPictureFile(win32::WideToUtf8(good));  // any characters in the path
    EXPECT_EQ(loaded->Get("Type").AsInteger(), 1);
    EXPECT_EQ(NumberOf([&] { win32::forms::LoadPictureFile(win32::WideToUtf8(bad)); }), 481);
    const std::string nowhere = win32::WideToUtf8(std::wstring(folder) + L"nowhere.bmp");
    EXPECT_EQ(NumberOf([&] { win32::forms::LoadPictureFile(nowhere); }), 53);
    DeleteFileW(good.c_str());
    DeleteFileW(bad.c_str());
}

// "Render" late-bound, with the arguments the themed painter gives it: from the bottom edge with a
// negative height, the whole picture in HIMETRIC. Wine's IPictureDisp refuses the call when it comes
// the way late-bound methods are invoked; the runtime's picture objects take it all the same.
TEST(PicturesUnderWine, RenderTakesTheThemedPaintersArguments) {
    ObjectRef picture = Picture(IDR_FRAMED_BMP).AsObject();
    ClientDc screen(nullptr);
    MemoryDc memory(screen.Get());
    GdiObject<HBITMAP> bitmap(CreateCompatibleBitmap(screen.Get(), kPictureSize, kPictureSize));
    SelectionGuard select(memory.Get(), bitmap.get());
    const Value dc = win32::forms::HandleValue(memory.Get());
    const Value zero(int32_t{0});
    picture->Call("Render", {dc, zero, Value(int32_t{kPictureSize}), Value(int32_t{kPictureSize}),
                             Value(int32_t{-kPictureSize}), zero, zero, picture->Get("Width"), picture->Get("Height"),
                             zero});
    EXPECT_EQ(GetPixel(memory.Get(), 12, 6), kGreen) << "upright: green on top";
    EXPECT_EQ(GetPixel(memory.Get(), 12, 17), kBlue);
    EXPECT_EQ(GetPixel(memory.Get(), 1, 1), kMagenta);
    EXPECT_EQ(NumberOf([&] { picture->Call("Render", {dc}); }), 450);
}

TEST(FontsUnderWine, FontObjectOwnsItsGdiFont) {
    auto font = win32::forms::FontObject::Create("Tahoma", 8, true);
    LOGFONTW description = {};
    // "hFont" carries the handle's 32 bits; widened again it must still name the same font.
    HFONT handle = win32::forms::FontHandleOf(*font);
    ASSERT_EQ(HandleToLong(handle), HandleToLong(font->Handle()));
    ASSERT_EQ(GetObjectW(handle, sizeof description, &description), static_cast<int>(sizeof description));
    EXPECT_STREQ(description.lfFaceName, L"Tahoma");
    EXPECT_EQ(description.lfWeight, FW_BOLD);
    EXPECT_EQ(font->Get("Name").AsText(), "Tahoma");
    EXPECT_EQ(font->Get("Size").AsDouble(), 8.0);
    EXPECT_TRUE(font->Get("Bold").AsBoolean());
    EXPECT_EQ(NumberOf([&] { font->Put("Bold", Value(false)); }), 383);
    EXPECT_NE(win32::forms::FontObject::MessageFont()->Handle(), nullptr);
}

}  // namespace
}  // namespace velkorin::themed
