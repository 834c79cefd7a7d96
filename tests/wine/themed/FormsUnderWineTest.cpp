// The form runtime's controls on the real window system, in this process: their collection and
// kinds, properties and failures, option groups and clicks routed through frames, and the order in
// which windows and control objects go, out of memory too.
#include "wine/themed/FormsUnderWine.h"

#include "runtime/win32/forms/WindowLink.h"

namespace velkorin::themed {
namespace {

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
    // A frame's window is its own object's: describing it fails and leaves it so.
    EXPECT_EQ(NumberOf([&] { frame->Describe(AccessibleRole::Link, nullptr); }), 5);
    EXPECT_EQ(win32::forms::LinkedObject<FrameControl>(frame->Hwnd()), frame.get());
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

}  // namespace
}  // namespace velkorin::themed
