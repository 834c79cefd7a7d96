// The keyboard as a user presses it: real key input, delivered to whatever has the focus.
#include <string>
#include <vector>

#include "wine/e2e/E2eSupport.h"
#include "wine/e2e/VelkorinTest.h"

namespace velkorin::e2e {
namespace {

struct KeyRow {
    const char* name;
    std::vector<Chord> keys;  // pressed with the focus where the window opens it: on Start Test
    int focus;                // 0 when the window is to be gone
    const wchar_t* box;
    size_t runs;
};

const KeyRow kRows[] = {
    {"TabFromStartTestToTheBox", {{VK_TAB}}, kText1Id, L"", 0},
    {"TabFromTheBoxWrapsToStartTest", {{VK_TAB}, {VK_TAB}}, kCommand1Id, L"", 0},
    {"ShiftTabFromStartTestWrapsToTheBox", {{VK_SHIFT, VK_TAB}}, kText1Id, L"", 0},
    {"ShiftTabFromTheBoxToStartTest", {{VK_TAB}, {VK_SHIFT, VK_TAB}}, kCommand1Id, L"", 0},
    // Each row ends with a key whose effect shows, so every key before it was handled.
    {"EscapeInTheBoxDoesNothing", {{VK_TAB}, {VK_ESCAPE}, {'X'}}, kText1Id, L"x", 0},
    {"EscapeOnStartTestDoesNothing", {{VK_ESCAPE}, {VK_TAB}}, kText1Id, L"", 0},
    {"EnterInTheBoxStartsANewLine", {{VK_TAB}, {'A'}, {VK_RETURN}, {'B'}}, kText1Id, L"a\r\nb", 0},
    {"SpaceOnStartTestRunsOnce", {{VK_SPACE}, {VK_TAB}}, kText1Id, nullptr, 1},
    {"EnterOnStartTestRunsOnce", {{VK_RETURN}, {VK_TAB}}, kText1Id, nullptr, 1},
    {"AltF4Closes", {{VK_MENU, VK_F4}}, 0, nullptr, 0},
};

class Keyboard : public VelkorinTest, public ::testing::WithParamInterface<KeyRow> {
protected:
    HWND Focus() const { return FocusOf(window_); }
    std::wstring Box() const { return WindowText(Control(kText1Id)).value_or(L"<no answer>"); }
};

TEST_P(Keyboard, KeyGoesWhereAFormSendsIt) {
    const KeyRow& row = GetParam();
    ASSERT_TRUE(WaitFor([&] { return Focus() == Control(kCommand1Id); })) << "the window opened without its focus";
    SetForegroundWindow(window_);
    ASSERT_TRUE(WaitFor([&] { return GetForegroundWindow() == window_; })) << "keys would go elsewhere";
    for (const Chord& chord : row.keys) Press(chord);

    if (row.focus == 0) {
        ASSERT_TRUE(velkorin_->WaitForExit(kDeadlineMs)) << "the window stayed";
        EXPECT_EQ(velkorin_->ExitCode(), 0u);
        return;
    }
    EXPECT_TRUE(WaitFor([&] { return Focus() == Control(row.focus); })) << "focus on " << Focus();
    if (row.box) {
        EXPECT_TRUE(WaitFor([&] { return Box() == row.box; })) << ToUtf8(Box());
    }
    if (row.runs > 0) {
        EXPECT_TRUE(WaitFor([&] { return EndsWith(Box(), kEndOfRun); })) << ToUtf8(Box());
    }
    EXPECT_EQ(Count(ReadBytes(File(L"log.txt")), std::string("Starting Test.")), row.runs);
    EXPECT_FALSE(velkorin_->WaitForExit(0)) << "the program ended";
    EXPECT_TRUE(IsWindowVisible(window_));
}

INSTANTIATE_TEST_SUITE_P(WineOwnComponents, Keyboard, ::testing::ValuesIn(kRows), [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace velkorin::e2e
