// A form's keyboard rules with real key input, row by row.
#include "wine/themed/FormsUnderWine.h"

namespace velkorin::themed {
namespace {

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
