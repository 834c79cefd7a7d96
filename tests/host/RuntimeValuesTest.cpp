// The runtime's neutral pieces: values and their conversions, failure numbers, folders, lengths,
// the keyboard rules of a form, properties by name and the buttons' value rules, and the build's
// own checks.
#include <gtest/gtest.h>

#include <cassert>

#include "fakes/FailureNumber.h"
#include "runtime/AnsweredSizeText.h"
#include "runtime/ButtonRules.h"
#include "runtime/ComErrors.h"
#include "runtime/ErrorScope.h"
#include "runtime/KeyboardRules.h"
#include "runtime/ProgramFolder.h"
#include "runtime/RegisteredMessage.h"
#include "runtime/PropertyTable.h"
#include "runtime/Rounding.h"
#include "runtime/Utf16.h"
#include "runtime/Value.h"

namespace velkorin {
namespace {

using fakes::NumberOf;

TEST(Values, ConvertAsAutomationClientsDo) {
    EXPECT_EQ(Value(true).AsInteger(), -1);
    EXPECT_EQ(Value(false).AsInteger(), 0);
    EXPECT_EQ(Value(2.5).AsInteger(), 2);
    EXPECT_EQ(Value(3.5).AsInteger(), 4);
    EXPECT_EQ(Value(-2.5).AsInteger(), -2);
    EXPECT_EQ(Value("12").AsInteger(), 12);
    EXPECT_TRUE(Value(int32_t{7}).AsBoolean());
    EXPECT_TRUE(Value("True").AsBoolean());
    EXPECT_EQ(Value(int32_t{-5}).AsText(), "-5");
    EXPECT_EQ(Value(true).AsText(), "True");
    EXPECT_EQ(Value().AsObject(), nullptr);
    EXPECT_EQ(Value().AsText(), "");
}

TEST(Values, ImpossibleConversionsAreTypeMismatchOrOverflow) {
    EXPECT_EQ(NumberOf([] { Value("abc").AsInteger(); }), 13);
    EXPECT_EQ(NumberOf([] { Value::NotGiven().AsText(); }), 13);
    EXPECT_EQ(NumberOf([] { Value(int32_t{1}).AsObject(); }), 13);
    EXPECT_EQ(NumberOf([] { Value(3e10).AsInteger(); }), 6);
    EXPECT_EQ(NumberOf([] { RoundHalfEvenToInt32(2147483647.5); }), 6);
    EXPECT_EQ(RoundHalfEvenToInt32(-2147483648.4), INT32_MIN);
}

TEST(Values, KindsAreKeptApartForComponents) {
    EXPECT_EQ(Value::NotGiven().GetKind(), Value::Kind::NotGiven);
    EXPECT_EQ(Value().GetKind(), Value::Kind::Empty);
    EXPECT_FALSE(Value(int32_t{0}) == Value(false));
    EXPECT_EQ(Describe(Value("a")), "Text \"a\"");
    EXPECT_EQ(Describe(Value(int32_t{-1})), "Integer -1");
    EXPECT_EQ(Describe(Value(false)), "Boolean false");
    EXPECT_EQ(Describe(Value(0.5)), "Double 0.5");
}

TEST(ErrorScopeRule, FailedStepIsAbandonedAndTheNextRuns) {
    ErrorScope err;
    std::vector<int> ran;
    err.Step([&] {
        ran.push_back(1);
        throw Failure(3024, "first");
    });
    err.Step([&] { ran.push_back(2); });
    EXPECT_EQ(ran, (std::vector<int>{1, 2}));
    EXPECT_EQ(err.Number(), 3024);  // a step that succeeds leaves the pending error as it was
    err.Step([] { throw Failure(-1, "second"); });
    EXPECT_EQ(err.Number(), -1);
    EXPECT_EQ(err.Description(), "second");
    err.ClearNumber();
    EXPECT_FALSE(err.Failed());
    err.Step([] { throw std::runtime_error("bug"); });
    EXPECT_EQ(err.Number(), 51);
}

TEST(FailureNumbers, ControlFacilityCodesShowTheirLowWord) {
    EXPECT_EQ(FailureNumberFromCode(0x800A0BD0u), 3024);
    EXPECT_EQ(FailureNumberFromCode(0x80040154u), -2147221164);
    EXPECT_EQ(FailureNumberFromCode(0x80004005u), -2147467259);
    EXPECT_EQ(FailureNumberFromCode(0x000A0001u), 0x000A0001);
    EXPECT_EQ(FallbackComErrorText(0x80040154u), "Class not registered");
    EXPECT_EQ(FallbackComErrorText(0x8002801Du), "Library not registered.");
    EXPECT_EQ(FallbackComErrorText(0x80041234u), "Automation error 0x80041234");
}

// A message that could not be registered (0) is not WM_NULL's twin: WM_NULL never runs its action.
static_assert(!IsRegisteredMessage(0, 0) && IsRegisteredMessage(0xC123, 0xC123) && !IsRegisteredMessage(0, 0xC123));

TEST(ProgramFolderPath, TrailingBackslashOnlyAtADriveRoot) {
    EXPECT_EQ(FolderOfModulePath("C:\\app\\Velkorin.exe"), "C:\\app");
    EXPECT_EQ(FolderOfModulePath("C:\\Velkorin.exe"), "C:\\");
    EXPECT_EQ(FolderOfModulePath("\\\\server\\share\\tools\\Velkorin.exe"), "\\\\server\\share\\tools");
    EXPECT_EQ(FolderOfModulePath("Velkorin.exe"), "");
}

TEST(Utf16Units, CountSurrogatePairsAsTwo) {
    EXPECT_EQ(Utf16Length(""), 0u);
    EXPECT_EQ(Utf16Length("abc"), 3u);
    EXPECT_EQ(Utf16Length("\xC3\xA9\xE2\x82\xAC"), 2u);  // é€
    EXPECT_EQ(Utf16Length("\xF0\x9F\x98\x80"), 2u);
}

TEST(AnsweredSizeText, TakesTheSizeThePlatformAsksForWhateverTheLength) {
    // As the platform's date and time functions do: no buffer answers the size, null included; a
    // buffer too small, or a failure, answers 0. A row fails at no call (0), the size (1) or the fill (2).
    struct Row {
        std::string text;
        int failingCall;
    } const rows[] = {{"07/12/2026", 0}, {std::string(300, 'x'), 0}, {"", 0}, {"x", 1}, {"x", 2}};
    for (const Row& row : rows) {
        const int needed = static_cast<int>(row.text.size()) + 1;
        std::vector<int> sizes;
        const auto text = TextOfAnsweredSize<char>([&](char* buffer, int size) {
            sizes.push_back(size);
            if (static_cast<int>(sizes.size()) == row.failingCall || size < (buffer ? needed : 0)) return 0;
            if (buffer) std::copy(row.text.c_str(), row.text.c_str() + needed, buffer);
            return needed;
        });
        SCOPED_TRACE(row.text.size());
        EXPECT_EQ(text, row.failingCall ? std::nullopt
                                        : std::optional<std::vector<char>>({row.text.begin(), row.text.end()}));
        EXPECT_EQ(sizes, row.failingCall == 1 ? std::vector<int>{0} : (std::vector<int>{0, needed}));
    }
}

TEST(FormKeys, TabEscapeAndEnterWithAndWithoutADefaultButton) {
    using K = FocusedKind;
    using A = KeyAction;
    const std::pair<KeyPress, A> rows[] = {  // key, shift, control, repeat, focus, default button: action
        {{virtual_key::kTab, false, false, false, K::TextBox, false}, A::FocusNext},  // out of the log box
        {{virtual_key::kTab, true, false, false, K::CommandButton, false}, A::FocusPrevious},
        {{virtual_key::kTab, false, true, false, K::TextBox, false}, A::FocusNext},
        {{virtual_key::kEscape, false, false, false, K::TextBox, false}, A::Swallow},  // never a close
        {{virtual_key::kEscape, false, false, false, K::CommandButton, true}, A::Swallow},
        {{virtual_key::kReturn, false, false, false, K::TextBox, false}, A::Deliver},  // a new line
        {{virtual_key::kReturn, false, false, false, K::CommandButton, false}, A::ClickFocused},
        {{virtual_key::kReturn, false, false, true, K::CommandButton, false}, A::Swallow},  // held: one click
        {{virtual_key::kReturn, false, false, false, K::Other, false}, A::Swallow},
        {{' ', false, false, false, K::CommandButton, false}, A::Deliver},  // the button clicks on its own
        {{'A', true, false, false, K::TextBox, false}, A::Deliver},
        // With a default button: it takes Enter unless the focus is on another command button.
        {{virtual_key::kReturn, false, false, false, K::Other, true}, A::ClickDefault},
        {{virtual_key::kReturn, false, false, false, K::CommandButton, true}, A::ClickFocused},
        {{virtual_key::kReturn, false, false, false, K::TextBox, true}, A::ClickDefault},
        {{virtual_key::kReturn, false, true, false, K::TextBox, true}, A::Deliver},  // Ctrl+Enter: the new line
        {{virtual_key::kReturn, false, false, true, K::TextBox, true}, A::Swallow},
        {{virtual_key::kReturn, false, true, false, K::Other, true}, A::Swallow},
    };
    for (const auto& [key, action] : rows) {
        EXPECT_EQ(ActionForKey(key), action)
            << "key " << key.virtualKey << " focus " << static_cast<int>(key.focused) << " default " << key.defaultButton;
    }
}

// Properties by name without regard to case: a missing one is 438, a write to a fixed one 383.
TEST(ControlProperties, NamesWithoutCaseAndTheirErrors) {
    Value caption("Start");
    PropertyTable table;
    table.Add("Caption", [&] { return caption; }, [&](const Value& value) { caption = value; });
    table.Add("hWnd", [] { return Value(int32_t{42}); });
    table.Put("caption", Value("Stop"));
    EXPECT_EQ(table.Get("CAPTION"), Value("Stop"));
    EXPECT_EQ(table.Get("HWND"), Value(int32_t{42}));
    EXPECT_EQ(NumberOf([&] { table.Put("hwnd", Value(int32_t{1})); }), 383);
    EXPECT_EQ(NumberOf([&] { table.Get("Text"); }), 438);
    EXPECT_EQ(NumberOf([&] { table.Put("Text", Value()); }), 438);
}

TEST(ButtonValues, ReadWrittenAndTheOneChoiceRules) {
    using B = ButtonKind;
    EXPECT_EQ(ButtonValue(B::Command, 0, true), Value(true));  // true only while its click runs
    EXPECT_EQ(ButtonValue(B::Command, 1, false), Value(false));
    EXPECT_EQ(ButtonValue(B::Option, 1, false), Value(true));
    EXPECT_EQ(ButtonValue(B::Check, 1, false), Value(int32_t{1}));
    const struct {
        B kind;
        Value written;
        int number;  // 0, or the failure
        bool click;
        int32_t value;
    } rows[] = {
        {B::Command, Value(true), 0, true, 0},         {B::Command, Value(false), 0, false, 0},
        {B::Option, Value(true), 0, false, 1},         {B::Option, Value(int32_t{0}), 0, false, 0},
        {B::Check, Value(true), 0, false, 1},          {B::Check, Value(int32_t{0}), 0, false, 0},
        {B::Check, Value(int32_t{2}), 380, false, 0},  {B::Check, Value("x"), 13, false, 0},
    };
    for (const auto& row : rows) {
        WrittenButtonValue written;
        EXPECT_EQ(NumberOf([&] { written = ButtonValueWritten(row.kind, row.written); }), row.number);
        EXPECT_EQ(written.click, row.click);
        EXPECT_EQ(written.value, row.value);
    }
    int frame = 0, form = 0;
    const ButtonPlace chosen{B::Option, &form, true};
    EXPECT_TRUE(OptionClears(chosen, {B::Option, &form, true}));
    EXPECT_FALSE(OptionClears(chosen, {B::Option, &frame, true}));  // another container keeps its choice
    EXPECT_FALSE(OptionClears(chosen, {B::Check, &form, true}));
    EXPECT_TRUE(DefaultClears({B::Command, &frame, true}));  // one default in the whole form
    EXPECT_FALSE(DefaultClears({B::Option, &form, true}));
}

TEST(BuildChecks, AssertionsAreLive) {
    EXPECT_DEATH(assert(false && "live"), "live");
}

}  // namespace
}  // namespace velkorin
