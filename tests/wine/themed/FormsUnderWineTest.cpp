// The form runtime's controls on the real window system, in this process: their collection and
// kinds, properties and failures, option groups and clicks routed through frames, the classic face
// of the graphical style drawn through owner drawing, pictures, fonts, the keyboard (real key
// input), and the order in which windows and control objects go, out of memory too.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <string>

#include "fakes/FailureNumber.h"
#include "wine/e2e/E2eSupport.h"
#include "runtime/win32/Win32EventLoop.h"
#include "runtime/win32/ScopedHandles.h"
#include "runtime/win32/forms/Form.h"
#include "wine/WideStrings.h"
#include "runtime/win32/forms/PictureLoading.h"
#include "wine/themed/PixelRegions.h"
#include "runtime/win32/TextConversion.h"
#include "wine/themed/FailingAllocation.h"
#include "wine/themed/FormPieces.h"
#include "wine/themed/ThemedWindowLayout.h"
#include "wine/themed/ThemedWindowResources.h"

namespace velkorin::themed {
namespace {

using fakes::NumberOf;
using win32::ClientDc;
using win32::GdiObject;
using win32::SelectionGuard;
using win32::forms::ButtonControl;
using win32::forms::ButtonKind;
using win32::forms::ControlArgs;
using win32::forms::Form;
using win32::forms::FormArgs;
using win32::forms::FrameControl;
using win32::MemoryDc;
namespace button_style = win32::forms::button_style;

Value Picture(int id) { return Value(win32::forms::LoadPictureResource(GetModuleHandleW(nullptr), id)); }

RECT ClientOf(HWND hwnd) {
    RECT client = {};
    GetClientRect(hwnd, &client);
    return client;
}

// A window printed into a canvas the size of its client area.
class Printed : public MagentaCanvas {
public:
    explicit Printed(HWND hwnd) : MagentaCanvas(ClientOf(hwnd).right, ClientOf(hwnd).bottom), client_(ClientOf(hwnd)) {
        SendMessageW(hwnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(Dc()), PRF_CLIENT);
    }
    const RECT& Client() const { return client_; }

private:
    RECT client_;
};

class FormsUnderWine : public ::testing::Test {
protected:
    void SetUp() override {
        FormArgs args;
        args.caption = "Forms under Wine";
        args.left = 500;
        args.top = 300;
        form = Form::Create(args);
    }
    void Show() { form->Show(); }
    std::shared_ptr<Form> form;
};

TEST_F(FormsUnderWine, ControlsComeInCreationOrderEachWithItsOwnKind) {
    auto frame = form->AddFrame(Placed(10, 10, 150, 100));
    auto command = form->AddButton(ButtonKind::Command, Placed(10, 20, 80, 30, button_style::kGraphical, frame));
    auto option = form->AddButton(ButtonKind::Option, Placed(170, 10, 80, 20));
    auto check = form->AddButton(ButtonKind::Check, Placed(170, 40, 80, 20));

    const ControlCollection& controls = form->Controls();
    ASSERT_EQ(controls, (ControlCollection{frame, command, option, check}));
    const char* kinds[] = {control_kind::kFrame, control_kind::kCommandButton, control_kind::kOptionButton,
                           control_kind::kCheckBox};
    for (size_t i = 0; i < controls.size(); ++i) {
        for (size_t k = 0; k < 4; ++k) EXPECT_EQ(controls[i]->IsKindOf(kinds[k]), i == k) << i << " " << kinds[k];
    }
    EXPECT_TRUE(frame->IsKindOf("{33ad4ee9-6699-11cf-b70c-00aa0060d393}"));  // identifiers ignore case

    wchar_t className[64] = L"";
    GetClassNameW(frame->Hwnd(), className, 64);
    EXPECT_STREQ(className, FrameControl::kClassName);
    EXPECT_EQ(GetParent(command->Hwnd()), frame->Hwnd());  // inside the frame's window
    EXPECT_EQ(GetParent(option->Hwnd()), form->Hwnd());
    EXPECT_EQ(command->Get("hWnd").AsInteger(), HandleToLong(command->Hwnd()));
    EXPECT_EQ(command->Get("Style").AsInteger(), 1);
    EXPECT_EQ(option->Get("Style").AsInteger(), 0);
    EXPECT_EQ(GetWindowLongW(command->Hwnd(), GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
    // A control inside a frame still belongs to the form.
    EXPECT_EQ(command->Get("Parent").AsObject().get(), form.get());
    EXPECT_EQ(frame->Get("Parent").AsObject().get(), form.get());
    EXPECT_EQ(form->Get("hWnd").AsInteger(), HandleToLong(form->Hwnd()));
}

TEST_F(FormsUnderWine, MissingMembersAre438AndFixedOnesRefuseWrites) {
    auto frame = form->AddFrame(Placed(10, 10, 150, 100));
    auto check = form->AddButton(ButtonKind::Check, Placed(170, 40, 80, 20, button_style::kGraphical));
    EXPECT_EQ(NumberOf([&] { check->Get("Default"); }), 438);  // only command buttons have it
    EXPECT_EQ(NumberOf([&] { frame->Get("Picture"); }), 438);
    EXPECT_EQ(NumberOf([&] { check->Call("Refresh", {}); }), 438);
    EXPECT_EQ(NumberOf([&] { form->Get("Text"); }), 438);
    EXPECT_EQ(NumberOf([&] { check->Put("Style", Value(int32_t{0})); }), 383);
    EXPECT_EQ(NumberOf([&] { check->Put("hWnd", Value(int32_t{0})); }), 383);
    EXPECT_EQ(NumberOf([&] { check->Put("Picture", Value("a.bmp")); }), 13);
    EXPECT_EQ(NumberOf([&] { check->Put("Font", Value()); }), 380);
    EXPECT_EQ(check->Get("MaskColor").AsInteger(), 0xC0C0C0);
    EXPECT_EQ(static_cast<uint32_t>(check->Get("BackColor").AsInteger()), 0x8000000Fu);
}

TEST_F(FormsUnderWine, SettingAnOptionClearsOnlyTheOthersOfItsContainer) {
    auto frame = form->AddFrame(Placed(10, 10, 150, 100));
    auto graphical = form->AddButton(ButtonKind::Option, Placed(170, 10, 80, 30, button_style::kGraphical));
    auto standard = form->AddButton(ButtonKind::Option, Placed(170, 50, 80, 20));
    auto framed = form->AddButton(ButtonKind::Option, Placed(10, 20, 80, 20, button_style::kStandard, frame));
    Show();
    framed->Put("Value", Value(true));

    SendMessageW(graphical->Hwnd(), BM_CLICK, 0, 0);
    EXPECT_TRUE(graphical->Get("Value").AsBoolean());
    EXPECT_FALSE(standard->Get("Value").AsBoolean());
    EXPECT_TRUE(framed->Get("Value").AsBoolean()) << "another container keeps its own choice";

    SendMessageW(standard->Hwnd(), BM_CLICK, 0, 0);
    EXPECT_FALSE(graphical->Get("Value").AsBoolean());
    EXPECT_TRUE(standard->Get("Value").AsBoolean());
    EXPECT_EQ(SendMessageW(standard->Hwnd(), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_TRUE(framed->Get("Value").AsBoolean());

    graphical->Put("Value", Value(true));  // written, the same rule
    EXPECT_FALSE(standard->Get("Value").AsBoolean());
    EXPECT_EQ(SendMessageW(standard->Hwnd(), BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

TEST_F(FormsUnderWine, ClickOnACheckBoxInAFrameTogglesItAndRaisesClick) {
    auto frame = form->AddFrame(Placed(10, 10, 150, 100));
    auto graphical = form->AddButton(ButtonKind::Check, Placed(10, 20, 80, 30, button_style::kGraphical, frame));
    auto standard = form->AddButton(ButtonKind::Check, Placed(10, 60, 80, 20, button_style::kStandard, frame));
    int clicks = 0;
    graphical->SetClickHandler([&] { ++clicks; });
    Show();

    SendMessageW(graphical->Hwnd(), BM_CLICK, 0, 0);  // the frame hands the command on to the form
    EXPECT_EQ(graphical->Get("Value"), Value(int32_t{1}));
    EXPECT_EQ(clicks, 1);
    SendMessageW(graphical->Hwnd(), BM_CLICK, 0, 0);
    EXPECT_EQ(graphical->Get("Value"), Value(int32_t{0}));
    EXPECT_EQ(clicks, 2);

    SendMessageW(standard->Hwnd(), BM_CLICK, 0, 0);
    EXPECT_EQ(standard->Get("Value"), Value(int32_t{1}));
    EXPECT_EQ(SendMessageW(standard->Hwnd(), BM_GETCHECK, 0, 0), BST_CHECKED);
    standard->Put("Value", Value(false));
    EXPECT_EQ(SendMessageW(standard->Hwnd(), BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

TEST_F(FormsUnderWine, CommandButtonValueIsTrueOnlyWhileItsClickRuns) {
    auto button = form->AddButton(ButtonKind::Command, Placed(10, 10, 80, 30));
    std::vector<bool> seen;
    button->SetClickHandler([&] {
        seen.push_back(button->Get("Value").AsBoolean());
        if (seen.size() == 1) {
            button->Put("Value", Value(true));  // a click inside the click
            seen.push_back(button->Get("Value").AsBoolean());  // the outer one still runs
        }
    });
    Show();
    SendMessageW(button->Hwnd(), BM_CLICK, 0, 0);
    button->Put("Value", Value(true));  // setting it clicks
    button->Put("Value", Value(false));  // and clearing it does nothing
    EXPECT_EQ(seen, (std::vector<bool>{true, true, true, true}));
    EXPECT_FALSE(button->Get("Value").AsBoolean());
}

TEST_F(FormsUnderWine, OneDefaultButtonPerForm) {
    auto first = form->AddButton(ButtonKind::Command, Placed(10, 10, 80, 30));
    auto second = form->AddButton(ButtonKind::Command, Placed(10, 50, 80, 30, button_style::kGraphical));
    first->Put("Default", Value(true));
    EXPECT_EQ(GetWindowLongW(first->Hwnd(), GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
    second->Put("Default", Value(true));
    EXPECT_FALSE(first->Get("Default").AsBoolean());
    EXPECT_TRUE(second->Get("Default").AsBoolean());
    EXPECT_EQ(GetWindowLongW(first->Hwnd(), GWL_STYLE) & BS_TYPEMASK, BS_PUSHBUTTON);
    EXPECT_EQ(GetWindowLongW(second->Hwnd(), GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW) << "owner drawing stays";
}

TEST_F(FormsUnderWine, EnabledAndCaptionReachTheWindow) {
    auto button = form->AddButton(ButtonKind::Command, Placed(10, 10, 80, 30, button_style::kGraphical));
    button->Put("Enabled", Value(false));
    EXPECT_FALSE(IsWindowEnabled(button->Hwnd()));
    EXPECT_FALSE(button->Get("Enabled").AsBoolean());
    button->Put("Enabled", Value(int32_t{-1}));
    EXPECT_TRUE(IsWindowEnabled(button->Hwnd()));
    button->Put("Caption", Value("Stra\xC3\x9F" "e"));  // UTF-8 in, UTF-16 in the window
    wchar_t text[16] = L"";
    GetWindowTextW(button->Hwnd(), text, 16);
    EXPECT_STREQ(text, L"Stra\u00DFe");
    EXPECT_EQ(button->Get("Caption").AsText(), "Stra\xC3\x9F" "e");
}

TEST_F(FormsUnderWine, ActiveControlIsTheControlWithTheFocus) {
    auto frame = form->AddFrame(Placed(10, 10, 150, 100));
    auto framed = form->AddButton(ButtonKind::Command, Placed(10, 20, 80, 30, button_style::kGraphical, frame));
    auto other = form->AddButton(ButtonKind::Command, Placed(170, 10, 80, 30));
    Show();
    SetFocus(framed->Hwnd());
    EXPECT_EQ(form->Get("ActiveControl").AsObject().get(), framed.get());
    SetFocus(other->Hwnd());
    EXPECT_EQ(form->Get("ActiveControl").AsObject().get(), other.get());
    SetFocus(form->Hwnd());
    EXPECT_EQ(NumberOf([&] { form->Get("ActiveControl"); }), 91);
}

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

// Out of memory at each allocation in turn while a form is made: none leaves its window behind,
// whose messages would reach a freed object.
TEST(FormsOutOfMemory, AFormThatCannotBeMadeLeavesNoWindow) {
    FormArgs args;
    args.name = "OutOfMemory";
    int failed = 0;
    for (long allocation = 0; allocation < 1000; ++allocation) {
        std::shared_ptr<Form> made;
        FailAllocationAfter(allocation);
        try {
            made = Form::Create(args);
        } catch (...) {
            ++failed;
        }
        FailAllocationAfter(-1);
        if (made) break;
        ASSERT_EQ(FindWindowW(L"VelkorinOutOfMemory", nullptr), nullptr) << "allocation " << allocation;
    }
    EXPECT_GT(failed, 0);
}

// What a subclass of a control's window sees of its control object as the window goes.
struct DestroyWatch {
    std::weak_ptr<FormControl> object;
    bool destroyed = false;
    bool objectAlive = false;
};

LRESULT CALLBACK WatchDestroy(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
    auto* watch = reinterpret_cast<DestroyWatch*>(data);
    if (message == WM_DESTROY) {
        watch->destroyed = true;
        watch->objectAlive = !watch->object.expired();
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

TEST_F(FormsUnderWine, WindowsGoBeforeTheControlObjects) {
    auto frame = form->AddFrame(Placed(10, 10, 150, 100));
    auto button = form->AddButton(ButtonKind::Command, Placed(10, 20, 80, 30, button_style::kGraphical, frame));
    const HWND hwnd = button->Hwnd();
    DestroyWatch watch;
    watch.object = button;
    ASSERT_TRUE(SetWindowSubclass(hwnd, &WatchDestroy, 1, reinterpret_cast<DWORD_PTR>(&watch)));
    frame.reset();
    button.reset();
    EXPECT_FALSE(watch.object.expired()) << "the form keeps its controls";
    form.reset();
    EXPECT_TRUE(watch.destroyed);
    EXPECT_TRUE(watch.objectAlive) << "the object outlived its window";
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_TRUE(watch.object.expired());
}

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

TEST_F(FormsUnderWine, TextBoxLabelAndImageByNameWithTheirEventsPointersAndTabOrder) {
    auto box = form->AddTextBox(Placed(10, 10, 200, 80));
    auto label = form->AddLabel(Placed(10, 100, 40, 15, button_style::kStandard, nullptr, "A link"),
                                win32::forms::label_alignment::kCenter);
    auto image = form->AddImage(Placed(10, 130, 32, 32));
    for (FormControlRef control : ControlCollection{box, label, image}) {
        EXPECT_FALSE(control->IsKindOf(control_kind::kFrame) || control->IsKindOf(control_kind::kCommandButton));
    }

    // A text box: its text whole, the caret, multi-line with a vertical scroll bar.
    box->Put("Text", Value("one"));
    box->Put("Text", Value("one\r\ntwo"));  // an extension: added at the end
    EXPECT_EQ(box->Get("Text").AsText(), "one\r\ntwo");
    box->Put("SelStart", Value(int32_t{3}));
    EXPECT_EQ(box->Get("SelStart").AsInteger(), 3);
    EXPECT_TRUE(box->Get("MultiLine").AsBoolean());
    const LONG boxStyle = GetWindowLongW(box->Hwnd(), GWL_STYLE);
    EXPECT_TRUE((boxStyle & ES_MULTILINE) && (boxStyle & WS_VSCROLL) && !(boxStyle & WS_HSCROLL));
    EXPECT_EQ(NumberOf([&] { box->Put("MultiLine", Value(false)); }), 383);
    EXPECT_EQ(NumberOf([&] { box->Put("SelStart", Value(int32_t{-1})); }), 380);
    EXPECT_EQ(NumberOf([&] { box->Get("Caption"); }), 438);

    // A label: centred, sized to its caption on request.
    EXPECT_EQ(label->Get("Alignment").AsInteger(), 2);
    EXPECT_TRUE(GetWindowLongW(label->Hwnd(), GWL_STYLE) & SS_CENTER);
    EXPECT_EQ(NumberOf([&] { label->Put("Alignment", Value(int32_t{0})); }), 383);
    label->Put("AutoSize", Value(true));
    RECT fitted = {};
    {
        ClientDc dc(label->Hwnd());
        SelectionGuard font(dc.Get(), reinterpret_cast<HFONT>(SendMessageW(label->Hwnd(), WM_GETFONT, 0, 0)));
        DrawTextW(dc.Get(), L"A link", -1, &fitted, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    }
    RECT now = {};
    GetClientRect(label->Hwnd(), &now);
    EXPECT_EQ(now.right, fitted.right);
    EXPECT_EQ(now.bottom, fitted.bottom);

    // The custom pointer, only when the pointer is 99.
    const HCURSOR hand = LoadCursorW(nullptr, IDC_HAND);
    image->Put("MouseIcon", Value(win32::forms::PictureFromIcon(hand, false)));
    EXPECT_EQ(image->Cursor(), nullptr);
    image->Put("MousePointer", Value(int32_t{99}));
    EXPECT_EQ(image->Cursor(), hand);
    EXPECT_EQ(NumberOf([&] { image->Put("MousePointer", Value(int32_t{5})); }), 380);
    const Value picture = Picture(IDR_OPTION_ICO);
    image->Put("Picture", picture);
    EXPECT_EQ(image->Get("Picture").AsObject(), picture.AsObject());

    // Clicks on a label and an image run their Click events.
    int labelClicks = 0, imageClicks = 0;
    label->SetClickHandler([&] { ++labelClicks; });
    image->SetClickHandler([&] { ++imageClicks; });
    for (HWND clicked : {label->Hwnd(), image->Hwnd()}) {
        SendMessageW(clicked, WM_LBUTTONDOWN, MK_LBUTTON, 0);
        SendMessageW(clicked, WM_LBUTTONUP, 0, 0);
    }
    EXPECT_EQ(labelClicks, 1);
    EXPECT_EQ(imageClicks, 1);

    // The first control in tab order that takes the focus has it when the form shows.
    form = nullptr;
    FormArgs args;
    args.caption = "Tab order";
    auto ordered = Form::Create(args);
    ControlArgs first = Placed(10, 10, 80, 30), second = Placed(10, 50, 200, 80), label0 = Placed(10, 140, 50, 15);
    first.tabIndex = 1;
    second.tabIndex = 2;
    label0.tabIndex = 0;
    auto later = ordered->AddButton(ButtonKind::Command, first);
    auto earlier = ordered->AddTextBox(second);
    ordered->AddLabel(label0);
    ordered->Show();
    EXPECT_EQ(GetFocus(), later->Hwnd()) << "the label has the lowest tab index but takes no focus";
    EXPECT_EQ(GetNextDlgTabItem(ordered->Hwnd(), later->Hwnd(), FALSE), earlier->Hwnd());
}

// Keys on a form with three tab stops: a graphical command button (tab index 0), a standard one in
// a frame made before both (1) and a multi-line text box (2), the box made first.
struct KeyRow {
    const char* name;
    int defaultStop;  // the button that is the form's default; -1 none
    int start;        // the stop with the focus before the keys
    std::vector<e2e::Chord> keys;
    std::vector<int> focus;  // the stop with the focus after each chord
    int clicks[2];           // of the two buttons
    const wchar_t* box;
};

const KeyRow kKeyRows[] = {
    {"TabRunsIntoTheFrameOutAndAround", -1, 0, {{VK_TAB}, {VK_TAB}, {VK_TAB}}, {1, 2, 0}, {0, 0}, L""},
    {"ShiftTabRunsBack", -1, 0, {{VK_SHIFT, VK_TAB}, {VK_SHIFT, VK_TAB}, {VK_SHIFT, VK_TAB}}, {2, 1, 0}, {0, 0}, L""},
    {"EnterClicksAFocusedGraphicalButton", -1, 0, {{VK_RETURN}}, {0}, {1, 0}, L""},
    {"EnterInTheBoxClicksTheDefault", 1, 2, {{VK_RETURN}}, {2}, {0, 1}, L""},
    {"EnterOnAnotherButtonClicksThatOne", 1, 0, {{VK_RETURN}}, {0}, {1, 0}, L""},
    {"CtrlEnterInTheBoxTypesANewLine", 1, 2, {{VK_CONTROL, VK_RETURN}, {'X'}}, {2, 2}, {0, 0}, L"\r\nx"},
};

void PrintTo(const KeyRow& row, std::ostream* out) { *out << row.name; }

class FormKeys : public FormsUnderWine, public ::testing::WithParamInterface<KeyRow> {
protected:
    // Lets the runtime's event loop take every message waiting, the keys just pressed among them.
    static bool Settle() {
        return e2e::WaitFor([] {
            win32::Win32EventLoop().DoEvents();
            return HIWORD(GetQueueStatus(QS_ALLINPUT)) == 0;
        });
    }
};

TEST_P(FormKeys, KeyGoesWhereTheFormSendsIt) {
    const KeyRow& row = GetParam();
    ControlArgs boxArgs = Placed(170, 10, 100, 80), graphical = Placed(10, 10, 80, 30, button_style::kGraphical);
    boxArgs.tabIndex = 2;
    graphical.tabIndex = 0;
    auto box = form->AddTextBox(boxArgs);
    auto frame = form->AddFrame(Placed(10, 60, 150, 70));
    ControlArgs framed = Placed(10, 20, 80, 30, button_style::kStandard, frame);
    framed.tabIndex = 1;
    auto first = form->AddButton(ButtonKind::Command, graphical);
    auto second = form->AddButton(ButtonKind::Command, framed);
    const HWND stops[] = {first->Hwnd(), second->Hwnd(), box->Hwnd()};
    int clicks[2] = {};
    first->SetClickHandler([&] { ++clicks[0]; });
    second->SetClickHandler([&] { ++clicks[1]; });
    if (row.defaultStop >= 0) (row.defaultStop ? second : first)->Put("Default", Value(true));
    Show();
    SetForegroundWindow(form->Hwnd());
    ASSERT_TRUE(e2e::WaitFor([&] { return GetForegroundWindow() == form->Hwnd(); })) << "keys would go elsewhere";
    ASSERT_EQ(GetFocus(), stops[0]) << "the first tab stop has the focus when the form shows";
    SetFocus(stops[row.start]);
    for (size_t i = 0; i < row.keys.size(); ++i) {
        e2e::Press(row.keys[i]);
        ASSERT_TRUE(Settle());
        EXPECT_EQ(GetFocus(), stops[row.focus[i]]) << "after chord " << i;
    }
    EXPECT_EQ(clicks[0], row.clicks[0]);
    EXPECT_EQ(clicks[1], row.clicks[1]);
    EXPECT_EQ(box->Get("Text").AsText(), win32::WideToUtf8(row.box));
}

INSTANTIATE_TEST_SUITE_P(Wine, FormKeys, ::testing::ValuesIn(kKeyRows),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace velkorin::themed
