// themed_window.exe worked from outside: where the module's subclasses sit, the "Hot" and "Painted"
// window properties under the mouse, and what the screen shows with visual styles on and off.
#include <gtest/gtest.h>
#include <windows.h>
#include <uxtheme.h>
#include <vsstyle.h>

#include <cmath>
#include <functional>
#include <memory>
#include <string>

#include "runtime/win32/ScopedHandles.h"
#include "wine/e2e/E2eSupport.h"
#include "wine/themed/PixelRegions.h"
#include "wine/e2e/ScreenCapture.h"
#include "wine/launcher/ChildProcess.h"
#include "wine/themed/ThemedReport.h"
#include "wine/themed/ThemedWindowLayout.h"

namespace velkorin::themed {
namespace {

using e2e::ScreenCapture;
using e2e::WaitFor;

constexpr const char* kGraphical[] = {kCommand1, kOption1, kCheck1, kCommand2};

std::wstring TestName() {
    const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
    const std::string name = std::string(info->test_suite_name()) + "." + info->name();
    return std::wstring(name.begin(), name.end());  // gtest names are ASCII
}

struct PropertySearch {
    const char* name;
    bool found;
};

BOOL CALLBACK FindProperty(HWND, LPSTR property, HANDLE, ULONG_PTR data) {
    auto* search = reinterpret_cast<PropertySearch*>(data);
    if (HIWORD(reinterpret_cast<ULONG_PTR>(property)) && lstrcmpiA(property, search->name) == 0) search->found = true;
    return TRUE;
}

// Whether the window's property list holds `name`, whatever its value.
bool HasProperty(HWND hwnd, const char* name) {
    PropertySearch search{name, false};
    EnumPropsExA(hwnd, &FindProperty, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

INT_PTR PropertyValue(HWND hwnd, const char* name) { return reinterpret_cast<INT_PTR>(GetPropA(hwnd, name)); }

// The form's font, as the window takes it from the system, to measure captions the same way.
int CaptionHeight(const wchar_t* caption, int width) {
    NONCLIENTMETRICSW metrics = {};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    const win32::GdiObject<HFONT> font(CreateFontIndirectW(&metrics.lfMessageFont));
    const win32::ClientDc screen(nullptr);
    const win32::SelectionGuard selected(screen.Get(), font.get());
    RECT measured = {0, 0, width, 0};
    DrawTextW(screen.Get(), caption, -1, &measured, DT_CALCRECT | DT_WORDBREAK);
    return measured.bottom;
}

int RoundHalfEven(double value) { return static_cast<int>(std::nearbyint(value)); }

// Where a graphical button's caption and picture belong, in the button's client coordinates.
struct Placement {
    RECT content;   // what the face leaves for caption and picture; a focus rectangle goes round it
    RECT caption;   // the rectangle the caption is drawn into, from its top
    POINT picture;  // the picture's top-left corner
};

// Themed: the caption at the bottom of the visual style's content rectangle, the picture centred
// in the content above the caption's top.
Placement ThemedPlacement(HWND button, const wchar_t* caption) {
    RECT client = {};
    GetClientRect(button, &client);
    RECT content = client;
    HTHEME theme = OpenThemeData(nullptr, L"BUTTON");
    GetThemeBackgroundContentRect(theme, nullptr, BP_PUSHBUTTON, PBS_NORMAL, &client, &content);
    CloseThemeData(theme);
    const int captionTop = content.bottom - (content.top + CaptionHeight(caption, content.right - content.left)) + 1;
    return {content, {content.left, captionTop, content.right, content.bottom},
            {RoundHalfEven((content.right - content.left - kPictureSize) / 2.0 + content.left),
             RoundHalfEven((captionTop - content.top - kPictureSize) / 2.0 + content.top)}};
}

// Classic: the same arrangement inside the face's two-pixel edge and a margin of two.
Placement ClassicPlacement(HWND button, const wchar_t* caption) {
    RECT content = {};
    GetClientRect(button, &content);
    InflateRect(&content, -4, -4);
    const int captionTop = content.bottom - CaptionHeight(caption, content.right - content.left);
    return {content, {content.left, captionTop, content.right, content.bottom},
            {content.left + (content.right - content.left - kPictureSize) / 2,
             content.top + (captionTop - content.top - kPictureSize) / 2}};
}

class ThemedWindowTest : public ::testing::Test {
protected:
    void Start(bool classic) {
        SetCursorPos(0, 0);  // off the window: no control starts under the mouse
        const std::wstring work = e2e::EnvironmentVariable(L"THEMED_WORK");
        const std::wstring exe = e2e::EnvironmentVariable(L"THEMED_WINDOW_EXE");
        ASSERT_FALSE(work.empty() || exe.empty()) << "THEMED_WORK and THEMED_WINDOW_EXE are needed";
        base_ = work + L"\\" + TestName();
        const std::wstring report = base_ + L".report.txt";
        std::wstring arguments = std::wstring(kReportSwitch) + L" \"" + report + L"\"";
        if (classic) arguments = std::wstring(kClassicSwitch) + L" " + arguments;
        const launcher::LaunchArgs launch = {exe, arguments, L"", {}, nullptr, e2e::kDeadlineMs};
        process_ = std::make_unique<launcher::ChildProcess>(launch);
        ASSERT_TRUE(process_->Started()) << "CreateProcessW failed, error " << GetLastError();
        window_ = process_->WaitForWindow(L"VelkorinForm", e2e::kDeadlineMs);
        ASSERT_NE(window_, nullptr) << "no visible form; exit code " << process_->ExitCode();
        const Report read = ReadReport(report);
        report_ = read.controls;
        assemblyMajor_ = read.assemblyMajor;
        ASSERT_EQ(report_.size(), 6u) << "the report names the six controls";
    }
    void TearDown() override { process_.reset(); }

    HWND Control(const char* name) const { return report_.at(name).hwnd; }
    // An area in a control's client coordinates (all of it by default), in the form's.
    RECT InForm(HWND control, RECT area) const {
        MapWindowPoints(control, window_, reinterpret_cast<POINT*>(&area), 2);
        return area;
    }
    RECT InForm(HWND control) const {
        RECT client = {};
        GetClientRect(control, &client);
        return InForm(control, client);
    }
    // Captures the form until `ready` holds on the capture, or the deadline. Two captures in a row
    // must be the same: one taken while a paint is under way may show a face in part.
    ScreenCapture CaptureWhen(const std::function<bool(const ScreenCapture&)>& ready) const {
        ScreenCapture shot, last;
        WaitFor([&] {
            last = std::move(shot);
            shot = ScreenCapture::OfClientArea(window_);
            return shot.Valid() && ready(shot) && shot == last;
        });
        return shot;
    }
    bool Shows(const ScreenCapture& shot, const char* name, COLORREF colour) const {
        return BoxOf(PixelsOf(shot), InForm(Control(name)), colour).count > 0;
    }
    void Save(const ScreenCapture& shot) const { EXPECT_TRUE(shot.SaveBmp(base_ + L".bmp")); }

    // The picture's coloured block (`width` by `height`, centred in the 24 x 24 picture) where the
    // placement puts the picture and nowhere else on the button (above the caption, for a colour
    // the caption may have too), and no mask colour.
    void ExpectPicture(const ScreenCapture& shot, const char* name, const Placement& at, COLORREF colour, int width,
                       int height, int blockTop = -1, bool aboveCaption = false) const {
        HWND button = Control(name);
        RECT area = InForm(button);
        if (aboveCaption) area.bottom = InForm(button, at.caption).top;
        const PixelBox found = BoxOf(PixelsOf(shot), area, colour);
        const int left = at.picture.x + (kPictureSize - width) / 2;
        const int top = blockTop >= 0 ? blockTop : at.picture.y + (kPictureSize - height) / 2;
        const RECT expected = InForm(button, {left, top, left + width, top + height});
        EXPECT_EQ(found.count, width * height) << name << " " << Hex(colour) << ": " << Describe(found);
        EXPECT_EQ(found.left, expected.left) << name << " " << Hex(colour) << ": " << Describe(found);
        EXPECT_EQ(found.top, expected.top) << name << " " << Hex(colour) << ": " << Describe(found);
        EXPECT_EQ(BoxOf(PixelsOf(shot), InForm(button), kMagenta).count, 0) << name << ": the mask colour shows";
    }
    // The caption's dark pixels inside its rectangle, centred across it; nothing dark elsewhere
    // inside the content (a focus rectangle runs on its edge).
    void ExpectCaption(const ScreenCapture& shot, const char* name, const Placement& at) const {
        HWND button = Control(name);
        RECT inside = at.content;
        InflateRect(&inside, -1, -1);
        const PixelBox text = BoxWhere(PixelsOf(shot), InForm(button, inside), IsDark);
        const RECT caption = InForm(button, at.caption);
        ASSERT_FALSE(text.Empty()) << name << ": no caption";
        EXPECT_GE(text.top, caption.top) << name << ": " << Describe(text);
        EXPECT_LE(text.bottom, caption.bottom) << name << ": " << Describe(text);
        EXPECT_NEAR(text.CentreX2(), caption.left + caption.right, 4) << name << ": " << Describe(text);
    }
    // The framed picture: green over blue, upright, 16 wide and 8 high each.
    void ExpectFramedPicture(const ScreenCapture& shot, const char* name, const Placement& at) const {
        const int top = at.picture.y + (kPictureSize - kFramedBlock) / 2;
        ExpectPicture(shot, name, at, kGreen, kFramedBlock, kFramedBlock / 2, top);
        ExpectPicture(shot, name, at, kBlue, kFramedBlock, kFramedBlock / 2, top + kFramedBlock / 2);
    }
    // The three enabled buttons' pictures (the option's an icon, rendered as it is) and captions,
    // where `place` puts them.
    void ExpectPicturesAndCaptions(const ScreenCapture& shot, Placement (*place)(HWND, const wchar_t*)) const {
        const Placement framed = place(Control(kCommand1), L"Framed");
        const Placement option = place(Control(kOption1), L"Option"), check = place(Control(kCheck1), L"Check");
        ExpectFramedPicture(shot, kCommand1, framed);
        ExpectPicture(shot, kOption1, option, kOrange, kSmallBlock, kSmallBlock);
        ExpectPicture(shot, kCheck1, check, kPurple, kSmallBlock, kSmallBlock);
        for (const auto& [name, at] : {std::pair(kCommand1, framed), {kOption1, option}, {kCheck1, check}}) {
            ExpectCaption(shot, name, at);
        }
    }

    // Dark pixels on the top edge of the content rectangle, where a focus rectangle runs.
    int FocusDots(const ScreenCapture& shot, const char* name, const Placement& at) const {
        const RECT edge = {at.content.left, at.content.top, at.content.right, at.content.top + 1};
        return BoxWhere(PixelsOf(shot), InForm(Control(name), edge), IsDark).count;
    }

    std::wstring base_;
    std::unique_ptr<launcher::ChildProcess> process_;
    HWND window_ = nullptr;
    Registrations report_;
    unsigned assemblyMajor_ = 0;
};

class ThemedWindow : public ThemedWindowTest {
protected:
    void SetUp() override { Start(false); }
    bool AllGraphicalPainted() const {
        for (const char* name : kGraphical) {
            if (PropertyValue(Control(name), "Painted") != 1) return false;
        }
        return true;
    }
};

class ClassicWindow : public ThemedWindowTest {
protected:
    void SetUp() override { Start(true); }
};

TEST_F(ThemedWindow, SubclassesSitExactlyOnTheFrameAndTheGraphicalButtons) {
    EXPECT_EQ(assemblyMajor_, 6u) << "the manifest did not bind common controls 6";
    const Registration& frame = report_.at(kFrame1);
    EXPECT_TRUE(frame.frame);
    EXPECT_FALSE(frame.button);
    EXPECT_EQ(frame.reference, "none");
    for (const char* name : kGraphical) {
        const Registration& button = report_.at(name);
        EXPECT_FALSE(button.frame) << name;
        EXPECT_TRUE(button.button) << name;
        EXPECT_EQ(button.reference, "self") << name << ": the control object itself, as reference data";
    }
    const Registration& standard = report_.at(kCommand3);
    EXPECT_FALSE(standard.frame || standard.button) << "the standard-style button is left alone";
    EXPECT_EQ(standard.reference, "none");

    // Each on the control's own window: the frame on the form, the framed button inside the frame.
    EXPECT_EQ(e2e::ClassName(frame.hwnd), L"VelkorinFrame");
    EXPECT_EQ(GetParent(frame.hwnd), window_);
    EXPECT_EQ(GetParent(Control(kCommand1)), frame.hwnd);
    for (const char* name : kGraphical) EXPECT_EQ(e2e::ClassName(Control(name)), L"Button") << name;
    EXPECT_EQ(report_.at(kFrame1).order, 1) << "in creation order";
    EXPECT_EQ(report_.at(kCommand3).order, 6);
}

TEST_F(ThemedWindow, OnlyGraphicalButtonsArePaintedByTheModule) {
    EXPECT_TRUE(WaitFor([&] { return AllGraphicalPainted(); })) << "a graphical button was never painted themed";
    EXPECT_FALSE(HasProperty(Control(kCommand3), "Painted"));
    EXPECT_FALSE(HasProperty(Control(kCommand3), "Hot"));
    EXPECT_FALSE(HasProperty(Control(kFrame1), "Painted"));
}

TEST_F(ThemedWindow, HoverSetsHotAndLeavingClearsIt) {
    ASSERT_TRUE(WaitFor([&] { return AllGraphicalPainted(); }));
    POINT away = {217, 95};  // the form itself, between the frame and the buttons
    ClientToScreen(window_, &away);
    // The pointer may rest over a button when the window opens (where the test before left it).
    SetCursorPos(away.x, away.y);
    for (const char* name : {kCommand1, kOption1}) {
        HWND button = Control(name);
        EXPECT_TRUE(WaitFor([&] { return PropertyValue(button, "Hot") == 0; })) << name << ": hot with the mouse away";
        RECT onScreen = {};
        GetWindowRect(button, &onScreen);
        SetCursorPos((onScreen.left + onScreen.right) / 2, (onScreen.top + onScreen.bottom) / 2);
        EXPECT_TRUE(WaitFor([&] { return PropertyValue(button, "Hot") == 1; })) << name << ": no hover";
        EXPECT_EQ(PropertyValue(button, "TrackMouseEvent"), 1) << name << ": tracking was not accepted";
        SetCursorPos(away.x, away.y);
        EXPECT_TRUE(WaitFor([&] { return PropertyValue(button, "Hot") == 0; })) << name << ": no leave";
        EXPECT_TRUE(HasProperty(button, "Hot")) << name << ": cleared, not removed";
    }
}

TEST_F(ThemedWindow, ThemedFacesShowPicturesAndCaptionsWhereTheModulePutsThem) {
    const COLORREF shadow = GetSysColor(COLOR_3DSHADOW);
    const ScreenCapture shot = CaptureWhen([&](const ScreenCapture& s) {
        return AllGraphicalPainted() && Shows(s, kCommand1, kBlue) && Shows(s, kOption1, kOrange) &&
               Shows(s, kCheck1, kPurple) && Shows(s, kCommand2, shadow);
    });
    ASSERT_TRUE(shot.Valid());
    Save(shot);

    ExpectPicturesAndCaptions(shot, &ThemedPlacement);
    EXPECT_EQ(BoxOf(PixelsOf(shot), InForm(Control(kCheck1)), kTeal).count, 0) << "not set: no down picture";
    for (const char* name : {kCommand1, kOption1, kCheck1}) {
        EXPECT_EQ(FocusDots(shot, name, ThemedPlacement(Control(name), L"")), 0) << name << ": no focus, no rectangle";
    }

    // Disabled: the disabled picture's block, embossed in the shadow colour; not the picture.
    const Placement off = ThemedPlacement(Control(kCommand2), L"Off");
    ExpectPicture(shot, kCommand2, off, shadow, kDisabledBlock, kDisabledBlock, -1, true);
    EXPECT_EQ(BoxOf(PixelsOf(shot), InForm(Control(kCommand2)), kGreen).count, 0);

    // The visual style's face, not the classic one: no dark outer edge at the bottom-right corner.
    const RECT face = InForm(Control(kOption1));
    EXPECT_NE(shot.At(face.right - 1, face.bottom - 1), GetSysColor(COLOR_3DDKSHADOW));
}

TEST_F(ThemedWindow, ASetCheckBoxShowsItsDownPicture) {
    ASSERT_TRUE(WaitFor([&] { return AllGraphicalPainted(); }));
    e2e::PostClick(Control(kCheck1));
    const ScreenCapture shot = CaptureWhen([&](const ScreenCapture& s) {
        return Shows(s, kCheck1, kTeal) && !Shows(s, kCheck1, kPurple);
    });
    Save(shot);
    const Placement check = ThemedPlacement(Control(kCheck1), L"Check");
    ExpectPicture(shot, kCheck1, check, kTeal, kSmallBlock, kSmallBlock);
    EXPECT_EQ(BoxOf(PixelsOf(shot), InForm(Control(kCheck1)), kPurple).count, 0);
    ExpectCaption(shot, kCheck1, check);
    EXPECT_GT(FocusDots(shot, kCheck1, check), 0) << "clicked, it has the focus: a focus rectangle on its content";
}

TEST_F(ClassicWindow, GraphicalButtonsDrawTheirClassicFaceThemselves) {
    const ScreenCapture shot = CaptureWhen([&](const ScreenCapture& s) {
        return Shows(s, kCommand1, kBlue) && Shows(s, kOption1, kOrange) && Shows(s, kCheck1, kPurple) &&
               Shows(s, kCommand2, RGB(0, 0, 0));
    });
    ASSERT_TRUE(shot.Valid());
    Save(shot);
    for (const char* name : kGraphical) {
        EXPECT_FALSE(HasProperty(Control(name), "Painted")) << name << ": the themed painter never ran";
    }
    // The module still sits on them; it just lets every message through.
    for (const char* name : kGraphical) EXPECT_TRUE(report_.at(name).button) << name;

    ExpectPicturesAndCaptions(shot, &ClassicPlacement);
    // Disabled with a disabled picture of its own: that picture as it is, black.
    const Placement off = ClassicPlacement(Control(kCommand2), L"Off");
    ExpectPicture(shot, kCommand2, off, RGB(0, 0, 0), kDisabledBlock, kDisabledBlock);
    EXPECT_EQ(BoxOf(PixelsOf(shot), InForm(Control(kCommand2)), kGreen).count, 0);

    for (const char* name : kGraphical) {  // raised: light outer edge top-left, dark bottom-right
        const RECT face = InForm(Control(name));
        EXPECT_EQ(shot.At(face.left, face.top), GetSysColor(COLOR_3DLIGHT)) << name;
        EXPECT_EQ(shot.At(face.right - 1, face.bottom - 1), GetSysColor(COLOR_3DDKSHADOW)) << name;
    }
}

}  // namespace
}  // namespace velkorin::themed
