// The walk over a form's controls: which windows get which subclass procedure, with what data.
#include <gtest/gtest.h>

#include "fakes/FakeControl.h"
#include "xptheme/FixThemeSupport.h"
#include "fakes/ThemeModuleTest.h"

namespace velkorin {
namespace {

using Calls = std::vector<std::string>;
using fakes::FakeControl;

std::shared_ptr<FakeControl> Control(const char* kind, int32_t hwnd) {
    auto control = std::make_shared<FakeControl>(kind ? kind : "");
    control->properties["hWnd"] = Value(hwnd);
    return control;
}

std::shared_ptr<FakeControl> Button(const char* kind, int32_t hwnd, int32_t style) {
    auto control = Control(kind, hwnd);
    control->properties["Style"] = Value(style);
    return control;
}

std::string Registered(int32_t hwnd, const char* procedure, const FormControl* control = nullptr) {
    return "SetWindowSubclass(" + std::to_string(hwnd) + "," + procedure + ",0," +
           std::to_string(control ? IdentityOf(*control) : 0) + ")";
}

class FixThemeSupportWalk : public fakes::ThemeModuleTest {
protected:
    // The calls made after the version check.
    Calls Registrations() const {
        Calls out;
        for (const fakes::RecordedCall* call : platform.CallsOf("SetWindowSubclass")) out.push_back(call->Text());
        return out;
    }
};

TEST_F(FixThemeSupportWalk, CommonControlsFiveTouchesNoControl) {
    platform.comctlMajor = 5;
    auto frame = Control(control_kind::kFrame, 0x100);
    auto button = Button(control_kind::kCommandButton, 0x101, 1);
    EXPECT_FALSE(FixThemeSupport(module, {frame, button}));
    EXPECT_EQ(platform.calls, (Calls{"DllGetVersion(20,0,0,0,0)"}));
    EXPECT_TRUE(frame->reads.empty());
    EXPECT_TRUE(button->reads.empty());
}

TEST_F(FixThemeSupportWalk, TheMainWindowsKindsOfControlRegisterNothing) {
    auto text = Control(nullptr, 0x200);
    auto standard = Button(control_kind::kCommandButton, 0x201, 0);
    auto image = Control(nullptr, 0x202);
    auto label = Control(nullptr, 0x203);
    EXPECT_TRUE(FixThemeSupport(module, {text, standard, image, label}));
    EXPECT_TRUE(Registrations().empty());
    EXPECT_TRUE(text->reads.empty());  // other kinds: not even hWnd is read
    EXPECT_TRUE(image->reads.empty());
    EXPECT_EQ(standard->reads, (Calls{"Style"}));
}

TEST_F(FixThemeSupportWalk, EachKindGetsItsProcedureOnItsOwnWindowInCollectionOrder) {
    auto frame = Control(control_kind::kFrame, 0x300);
    frame->properties["Style"] = Value(int32_t{1});  // a frame's properties play no part
    auto inFrame = Button(control_kind::kCommandButton, 0x301, 1);
    auto option = Button(control_kind::kOptionButton, 0x302, 1);
    auto check = Button(control_kind::kCheckBox, 0x303, 1);
    auto standardOption = Button(control_kind::kOptionButton, 0x304, 0);
    auto outerFrame = Control(control_kind::kFrame, 0x305);
    EXPECT_TRUE(FixThemeSupport(module, {frame, inFrame, option, check, standardOption, outerFrame}));
    EXPECT_EQ(Registrations(), (Calls{Registered(0x300, "pvRedirectFrame"),
                                      Registered(0x301, "pvRedirectButton", inFrame.get()),
                                      Registered(0x302, "pvRedirectButton", option.get()),
                                      Registered(0x303, "pvRedirectButton", check.get()),
                                      Registered(0x305, "pvRedirectFrame")}));
    EXPECT_EQ(frame->reads, (Calls{"hWnd"}));
    EXPECT_EQ(inFrame->reads, (Calls{"Style", "hWnd"}));
    // The walk holds no reference of its own once it is done.
    EXPECT_EQ(inFrame.use_count(), 1);
}

TEST_F(FixThemeSupportWalk, FailuresAreReportedAndTheWalkGoesOn) {
    auto unreadableStyle = Button(control_kind::kCheckBox, 0x400, 1);
    unreadableStyle->failing.insert("Style");
    auto noWindow = Button(control_kind::kCommandButton, 0x401, 1);
    noWindow->properties.erase("hWnd");
    auto frameWithoutWindow = Control(control_kind::kFrame, 0x402);
    frameWithoutWindow->failing.insert("hWnd");
    auto last = Control(control_kind::kFrame, 0x403);
    EXPECT_TRUE(FixThemeSupport(module, {unreadableStyle, noWindow, frameWithoutWindow, nullptr, last}));
    // A Style that cannot be read: reported, then registered all the same.
    EXPECT_EQ(Registrations(), (Calls{Registered(0x400, "pvRedirectButton", unreadableStyle.get()),
                                      Registered(0x403, "pvRedirectFrame")}));
    ASSERT_EQ(platform.traces.size(), 3u);
    for (const std::string& trace : platform.traces) EXPECT_NE(trace.find("FixThemeSupport"), std::string::npos);
    EXPECT_NE(platform.traces[1].find("438"), std::string::npos);
}

TEST_F(FixThemeSupportWalk, AFailingRegistrationIsReportedAndSkipped) {
    platform.missing.insert("SetWindowSubclass");
    auto frame = Control(control_kind::kFrame, 0x500);
    auto button = Button(control_kind::kCommandButton, 0x501, 1);
    EXPECT_TRUE(FixThemeSupport(module, {frame, button}));
    EXPECT_EQ(Registrations().size(), 2u);
    EXPECT_EQ(platform.traces.size(), 2u);
}

}  // namespace
}  // namespace velkorin
