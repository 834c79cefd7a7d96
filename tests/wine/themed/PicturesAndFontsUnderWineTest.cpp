// The runtime's picture and font objects on the real system: loading, rendering as the themed
// painter asks, and the GDI font a font object owns.
#include "wine/themed/FormsUnderWine.h"

namespace velkorin::themed {
namespace {

TEST(PicturesUnderWine, LoadFromResourcesAndFilesOrSayWhyNot) {
    ObjectRef bitmap = Picture(IDR_FRAMED_BMP).AsObject();
    ASSERT_TRUE(bitmap);
    EXPECT_NE(bitmap->Get("Handle").AsInteger(), 0);
    EXPECT_EQ(bitmap->Get("Type").AsInteger(), 1);      // PICTYPE_BITMAP
    EXPECT_EQ(bitmap->Get("Width").AsInteger(), 635);   // 24 pixels at 96 per inch, in HIMETRIC
    EXPECT_EQ(bitmap->Get("Height").AsInteger(), 635);
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
