// A form and a frame message by message, on the real window system. Each row does one thing to
// one window of the same small form (sends a message, or posts one and lets the loop take it) and
// lists what follows, in order: the messages of interest that reach the form's windows, nested by
// depth (2: sent while a depth-1 message was being handled), the Click events that fire and a quit
// message left in the queue; then the answer and, where it matters, the state afterwards.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "runtime/win32/forms/DeviceContexts.h"
#include "runtime/win32/forms/Form.h"
#include "runtime/win32/forms/OleColor.h"
#include "runtime/win32/forms/PictureLoading.h"
#include "runtime/win32/GdiObject.h"
#include "wine/e2e/E2eSupport.h"
#include "wine/themed/PixelRegions.h"
#include "wine/themed/ThemedWindowLayout.h"

namespace velkorin::themed {
namespace {

using win32::ClientDc;
using win32::GdiObject;
using win32::SelectionGuard;
using win32::forms::ButtonKind;
using win32::forms::ControlArgs;
using win32::forms::Form;
using win32::forms::FormArgs;
using win32::forms::FrameControl;
using win32::forms::MemoryDc;

// The form's windows; the queue stands for a message left there.
enum Who { kForm, kFrame, kFramed, kCommand, kBox, kLabel, kImage, kQueue };
const char* const kWhoNames[] = {"Form", "Frame", "Framed", "Command", "Box", "Label", "Image", "Queue"};
constexpr int kWindows = kQueue;

constexpr UINT kClick = WM_APP + 1;  // not a message: the Click event of the control
#define NAMED(message) {message, #message}
const std::pair<UINT, const char*> kWatched[] = {
    NAMED(WM_COMMAND),    NAMED(WM_NOTIFY),         NAMED(WM_DRAWITEM),     NAMED(WM_CTLCOLOREDIT),
    NAMED(WM_CTLCOLORBTN), NAMED(WM_CTLCOLORSTATIC), NAMED(WM_SETCURSOR),    NAMED(WM_SYSCOLORCHANGE),
    NAMED(WM_ACTIVATE),   NAMED(WM_SETFOCUS),       NAMED(WM_KILLFOCUS),    NAMED(WM_CLOSE),
    NAMED(WM_DESTROY),    NAMED(WM_NCDESTROY),      NAMED(WM_ERASEBKGND),   NAMED(WM_PAINT),
    NAMED(WM_PRINT),      NAMED(WM_PRINTCLIENT),    NAMED(WM_ENABLE),       NAMED(WM_SIZE),
    NAMED(WM_SETFONT),    NAMED(WM_KEYDOWN),        NAMED(WM_CHAR),         NAMED(BM_CLICK),
    NAMED(WM_QUIT),       {kClick, "Click"}};
#undef NAMED

const char* NameOf(UINT message) {
    for (const auto& [id, name] : kWatched) {
        if (id == message) return name;
    }
    return nullptr;
}

enum Flags : unsigned { kPosted = 1, kWParam = 2, kLParam = 4 };  // taken from the queue; parameters compared

struct Seen {
    int depth;
    Who who;
    UINT message;
    unsigned flags = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};

bool Matches(const Seen& expected, const Seen& actual) {
    return expected.depth == actual.depth && expected.who == actual.who && expected.message == actual.message &&
           (expected.flags & kPosted) == (actual.flags & kPosted) &&
           (!(expected.flags & kWParam) || expected.wParam == actual.wParam) &&
           (!(expected.flags & kLParam) || expected.lParam == actual.lParam);
}

std::ostream& operator<<(std::ostream& out, const Seen& seen) {
    out << std::string(2 * seen.depth, ' ') << kWhoNames[seen.who] << ' ' << NameOf(seen.message)
        << ((seen.flags & kPosted) ? " posted" : "") << " w=" << seen.wParam << " l=" << seen.lParam;
    return out;
}

struct Record {
    std::vector<Seen> seen;
    int depth = 0;     // of the watched messages being handled
    int anyDepth = 0;  // of every message being handled
    MSG dispatching = {};
};

struct Tap {
    Record* record;
    Who who;
};

LRESULT CALLBACK RecordMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
    const Tap& tap = *reinterpret_cast<const Tap*>(data);
    Record& record = *tap.record;
    const bool watched = NameOf(message) != nullptr;
    const bool posted = record.anyDepth == 0 && record.dispatching.hwnd == hwnd && record.dispatching.message == message;
    if (watched) record.seen.push_back({record.depth + 1, tap.who, message, posted ? kPosted : 0u, wParam, lParam});
    record.depth += watched;
    ++record.anyDepth;
    const LRESULT result = DefSubclassProc(hwnd, message, wParam, lParam);
    --record.anyDepth;
    record.depth -= watched;
    return result;
}

ControlArgs At(int left, int top, int width, int height, int tabIndex, const char* caption = "") {
    ControlArgs args;
    args.caption = caption;
    args.left = left;
    args.top = top;
    args.width = width;
    args.height = height;
    args.tabIndex = tabIndex;
    return args;
}

// The form of every row, shown, active, painted, its focus on Command (tab index 0): Command and
// Frame1 holding a graphical button (Framed, 1), a text box (2), a label in the highlight colour
// on yellow, and an image with the hand pointer. A memory DC over magenta for the messages that
// carry one.
class Scene {
public:
    Scene() : memory(screen.Get()) {
        FormArgs args;
        args.name = "Messages";
        args.caption = "Messages";
        args.left = 20;  // away from the pointer, which stays in the middle of the screen
        args.top = 20;
        args.endLoopOnClose = true;
        form = Form::Create(args);
        command = form->AddButton(ButtonKind::Command, At(10, 10, 80, 30, 0));
        frame = form->AddFrame(At(10, 50, 150, 100, -1, "Frame1"));
        ControlArgs inFrame = At(10, 20, 80, 30, 1);
        inFrame.style = win32::forms::button_style::kGraphical;
        inFrame.container = frame;
        framed = form->AddButton(ButtonKind::Command, inFrame);
        box = form->AddTextBox(At(170, 10, 140, 80, 2));
        label = form->AddLabel(At(170, 100, 60, 15, 3, "Label"));
        label->Put("ForeColor", Value(win32::forms::ole_color::kHighlight));
        label->Put("BackColor", Value(int32_t{0x00FFFF}));
        image = form->AddImage(At(170, 130, 32, 32, -1));
        image->Put("MouseIcon", Value(win32::forms::PictureFromIcon(LoadCursorW(nullptr, IDC_HAND), false)));
        image->Put("MousePointer", Value(int32_t{99}));
        const std::shared_ptr<win32::forms::WindowedControl> controls[] = {nullptr, frame, framed, command,
                                                                            box,     label, image};
        for (int who = 0; who < kWindows; ++who) {
            windows[who] = controls[who] ? controls[who]->Hwnd() : form->Hwnd();
            taps[who] = {&record, static_cast<Who>(who)};
            SetWindowSubclass(windows[who], &RecordMessage, 1, reinterpret_cast<DWORD_PTR>(&taps[who]));
            if (controls[who]) {
                controls[who]->SetClickHandler(
                    [this, who] { record.seen.push_back({record.depth + 1, static_cast<Who>(who), kClick}); });
            }
        }
        bitmap = GdiObject<HBITMAP>(CreateCompatibleBitmap(screen.Get(), 150, 100));
        select = std::make_unique<SelectionGuard>(memory.Get(), bitmap.Get());
        form->Show();
        SetForegroundWindow(form->Hwnd());
        e2e::WaitFor([&] { return GetForegroundWindow() == form->Hwnd(); });
        Reset();
    }
    ~Scene() {
        form.reset();
        MSG quit;
        PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);  // from the window's end
    }
    // As it was before the last row: the focus on Command, nothing waiting, all painted, the DC magenta.
    void Reset() {
        SetFocus(windows[kCommand]);
        Pump();
        RedrawWindow(form->Hwnd(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        GdiObject<HBRUSH> magenta(CreateSolidBrush(kMagenta));
        const RECT all = {0, 0, 150, 100};
        FillRect(memory.Get(), &all, magenta.Get());
        SetTextColor(memory.Get(), RGB(0, 0, 0));
        record.seen.clear();
    }

    HWND Window(Who who) const { return windows[who]; }
    LPARAM Handle(Who who) const { return reinterpret_cast<LPARAM>(windows[who]); }
    WPARAM Dc() const { return reinterpret_cast<WPARAM>(memory.Get()); }
    LRESULT Send(Who to, UINT message, WPARAM wParam, LPARAM lParam) {
        return SendMessageW(windows[to], message, wParam, lParam);
    }
    LRESULT Post(Who to, UINT message, WPARAM wParam, LPARAM lParam) {
        PostMessageW(windows[to], message, wParam, lParam);
        Pump();
        return 0;
    }
    LRESULT DrawItem(Who to, Who item, UINT type) {
        DRAWITEMSTRUCT draw = {type, 0, 0, ODA_DRAWENTIRE, 0, windows[item], memory.Get(), {0, 0, 80, 30}, 0};
        return Send(to, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw));
    }
    // Every message waiting, as a program's loop takes them; a quit message is noted as such.
    void Pump() {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) record.seen.push_back({1, kQueue, WM_QUIT, kPosted});
            record.dispatching = msg;
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
            record.dispatching = {};
        }
    }
    COLORREF Pixel(int x, int y) const { return GetPixel(memory.Get(), x, y); }

    Record record;
    Tap taps[kWindows] = {};
    HWND windows[kWindows] = {};
    ClientDc screen{nullptr};
    MemoryDc memory;
    GdiObject<HBITMAP> bitmap;
    std::unique_ptr<SelectionGuard> select;
    std::shared_ptr<Form> form;
    std::shared_ptr<win32::forms::ButtonControl> command, framed;
    std::shared_ptr<FrameControl> frame;
    std::shared_ptr<win32::forms::TextBoxControl> box;
    std::shared_ptr<win32::forms::LabelControl> label;
    std::shared_ptr<win32::forms::ImageControl> image;
};

COLORREF BrushColour(LRESULT brush) {
    LOGBRUSH described = {};
    GetObjectW(reinterpret_cast<HBRUSH>(brush), sizeof described, &described);
    return described.lbColor;
}

constexpr LRESULT kByCheck = 0x7EC4EC4;  // the row's check judges the answer

struct Row {
    const char* name;
    LRESULT (*act)(Scene&);
    LRESULT answer;
    std::vector<Seen> expected;
    void (*check)(Scene&, LRESULT) = nullptr;
    bool ownScene = false;  // the row ends the windows: a scene of its own
};

void PrintTo(const Row& row, std::ostream* out) { *out << row.name; }

void RunRow(const Row& row, Scene& scene) {
    scene.Reset();
    const LRESULT answer = row.act(scene);
    MSG quit;
    if (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) scene.record.seen.push_back({1, kQueue, WM_QUIT, kPosted});
    const std::vector<Seen>& seen = scene.record.seen;
    bool same = seen.size() == row.expected.size();
    for (size_t i = 0; same && i < seen.size(); ++i) same = Matches(row.expected[i], seen[i]);
    if (!same) {
        std::ostringstream both;
        both << "expected:\n";
        for (const Seen& entry : row.expected) both << entry << '\n';
        both << "seen:\n";
        for (const Seen& entry : seen) both << entry << '\n';
        ADD_FAILURE() << both.str();
    }
    if (row.answer != kByCheck) {
        EXPECT_EQ(answer, row.answer);
    }
    if (row.check) row.check(scene, answer);
}


const LPARAM kOverClient = MAKELPARAM(HTCLIENT, WM_MOUSEMOVE);

const Row kFormRows[] = {
    {"CommandFromAButtonRaisesItsClick",
     [](Scene& s) { return s.Send(kForm, WM_COMMAND, MAKEWPARAM(0, BN_CLICKED), s.Handle(kCommand)); }, 0,
     {{1, kForm, WM_COMMAND}, {2, kCommand, kClick}}},
    {"DoubleClickNotificationClicksToo",
     [](Scene& s) { return s.Send(kForm, WM_COMMAND, MAKEWPARAM(0, BN_DOUBLECLICKED), s.Handle(kCommand)); }, 0,
     {{1, kForm, WM_COMMAND}, {2, kCommand, kClick}}},
    {"OtherNotificationsAndNoControlGoToTheDefault",
     [](Scene& s) {
         s.Send(kForm, WM_COMMAND, MAKEWPARAM(0, EN_CHANGE), s.Handle(kBox));
         return s.Send(kForm, WM_COMMAND, MAKEWPARAM(0, BN_CLICKED), 0);
     },
     0, {{1, kForm, WM_COMMAND}, {1, kForm, WM_COMMAND}}},
    {"ClickOnAFramedButtonComesThroughTheFrame", [](Scene& s) { return s.Send(kFramed, BM_CLICK, 0, 0); }, 0,
     {{1, kFramed, BM_CLICK},
      {2, kCommand, WM_KILLFOCUS},  // the press takes the focus: both buttons show it
      {3, kForm, WM_CTLCOLORBTN},
      {2, kFramed, WM_SETFOCUS},
      {3, kFrame, WM_CTLCOLORBTN},
      {4, kForm, WM_CTLCOLORBTN},
      {3, kFrame, WM_DRAWITEM},
      {4, kForm, WM_DRAWITEM},
      {2, kFrame, WM_CTLCOLORBTN},  // pressed
      {3, kForm, WM_CTLCOLORBTN},
      {2, kFrame, WM_DRAWITEM},
      {3, kForm, WM_DRAWITEM},
      {2, kFrame, WM_CTLCOLORBTN},  // released
      {3, kForm, WM_CTLCOLORBTN},
      {2, kFrame, WM_DRAWITEM},
      {3, kForm, WM_DRAWITEM},
      {2, kFrame, WM_COMMAND, kWParam, MAKEWPARAM(1003, BN_CLICKED)},
      {3, kForm, WM_COMMAND, kWParam, MAKEWPARAM(1003, BN_CLICKED)},
      {4, kFramed, kClick}}},
    {"GraphicalButtonDrawsItsFace", [](Scene& s) { return s.DrawItem(kForm, kFramed, ODT_BUTTON); }, TRUE,
     {{1, kForm, WM_DRAWITEM}}, [](Scene& s, LRESULT) { EXPECT_NE(s.Pixel(40, 15), kMagenta); }},
    {"ImageDrawsItself", [](Scene& s) { return s.DrawItem(kForm, kImage, ODT_STATIC); }, TRUE,
     {{1, kForm, WM_DRAWITEM}}, [](Scene& s, LRESULT) { EXPECT_EQ(s.Pixel(10, 10), GetSysColor(COLOR_BTNFACE)); }},
    {"DrawingOfAnotherTypeGoesToTheDefault", [](Scene& s) { return s.DrawItem(kForm, kFramed, ODT_STATIC); }, 0,
     {{1, kForm, WM_DRAWITEM}}, [](Scene& s, LRESULT) { EXPECT_EQ(s.Pixel(40, 15), kMagenta); }},
    {"LabelColoursAreItsOwn", [](Scene& s) { return s.Send(kForm, WM_CTLCOLORSTATIC, s.Dc(), s.Handle(kLabel)); },
     kByCheck, {{1, kForm, WM_CTLCOLORSTATIC}},
     [](Scene& s, LRESULT brush) {
         EXPECT_EQ(BrushColour(brush), RGB(255, 255, 0));
         EXPECT_EQ(GetTextColor(s.memory.Get()), GetSysColor(COLOR_HIGHLIGHT));
     }},
    {"TextBoxColoursAreTheDefault", [](Scene& s) { return s.Send(kForm, WM_CTLCOLOREDIT, s.Dc(), s.Handle(kBox)); },
     kByCheck, {{1, kForm, WM_CTLCOLOREDIT}},
     [](Scene&, LRESULT brush) { EXPECT_EQ(BrushColour(brush), GetSysColor(COLOR_WINDOW)); }},
    {"ButtonColoursAreTheDefault", [](Scene& s) { return s.Send(kForm, WM_CTLCOLORBTN, s.Dc(), s.Handle(kCommand)); },
     kByCheck, {{1, kForm, WM_CTLCOLORBTN}},
     [](Scene&, LRESULT brush) { EXPECT_EQ(BrushColour(brush), GetSysColor(COLOR_BTNFACE)); }},
    {"PointerOverTheImageIsItsHand",
     [](Scene& s) { return s.Send(kForm, WM_SETCURSOR, s.Handle(kImage), kOverClient); }, TRUE,
     {{1, kForm, WM_SETCURSOR}}, [](Scene&, LRESULT) { EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_HAND)); }},
    {"PointerOverTheLabelIsTheDefault",
     [](Scene& s) { return s.Send(kForm, WM_SETCURSOR, s.Handle(kLabel), kOverClient); }, FALSE,
     {{1, kForm, WM_SETCURSOR}}},
    {"PointerOverTheImagesBorderIsTheDefault",
     [](Scene& s) { return s.Send(kForm, WM_SETCURSOR, s.Handle(kImage), MAKELPARAM(HTBORDER, WM_MOUSEMOVE)); },
     FALSE, {{1, kForm, WM_SETCURSOR}}},
    {"SysColorChangeReachesEveryWindowAndRepaintsAll",
     [](Scene& s) { return s.Send(kForm, WM_SYSCOLORCHANGE, 0, 0); }, 0,
     {{1, kForm, WM_SYSCOLORCHANGE},
      {2, kCommand, WM_SYSCOLORCHANGE},
      {2, kFrame, WM_SYSCOLORCHANGE},
      {2, kFramed, WM_SYSCOLORCHANGE},
      {2, kBox, WM_SYSCOLORCHANGE},
      {2, kLabel, WM_SYSCOLORCHANGE},
      {3, kForm, WM_CTLCOLORSTATIC},  // the static control draws again at once
      {2, kImage, WM_SYSCOLORCHANGE},
      {3, kForm, WM_CTLCOLORSTATIC},
      {3, kForm, WM_DRAWITEM}},
     [](Scene& s, LRESULT) {
         for (int who = 0; who < kWindows; ++who) {
             EXPECT_TRUE(GetUpdateRect(s.windows[who], nullptr, FALSE)) << kWhoNames[who] << " to be painted again";
         }
     }},
    {"ActivationGivesTheFocusBack",
     [](Scene& s) {
         SetFocus(s.Window(kFramed));
         s.Send(kForm, WM_ACTIVATE, WA_INACTIVE, 0);
         SetFocus(s.Window(kForm));
         s.record.seen.clear();
         return s.Send(kForm, WM_ACTIVATE, WA_ACTIVE, 0);
     },
     0,
     {{1, kForm, WM_ACTIVATE},
      {2, kForm, WM_KILLFOCUS},
      {2, kFramed, WM_SETFOCUS},
      {3, kFrame, WM_CTLCOLORBTN},
      {4, kForm, WM_CTLCOLORBTN},
      {3, kFrame, WM_DRAWITEM},
      {4, kForm, WM_DRAWITEM}}},
    {"ActivationWithNoFocusToGiveBackGoesToTheDefault",
     [](Scene& s) {
         SetFocus(nullptr);
         s.Send(kForm, WM_ACTIVATE, WA_INACTIVE, 0);
         s.record.seen.clear();
         return s.Send(kForm, WM_ACTIVATE, WA_ACTIVE, 0);
     },
     0, {{1, kForm, WM_ACTIVATE}, {2, kForm, WM_SETFOCUS}}},
    {"SizeGoesToTheDefaultAlone", [](Scene& s) { return s.Send(kForm, WM_SIZE, SIZE_RESTORED, MAKELPARAM(50, 50)); },
     0, {{1, kForm, WM_SIZE}}},
    {"CloseDestroysTheWindowsAndEndsTheLoop", [](Scene& s) { return s.Send(kForm, WM_CLOSE, 0, 0); }, 0,
     {{1, kForm, WM_CLOSE},
      {2, kForm, WM_ACTIVATE, kWParam, WA_INACTIVE},
      {2, kCommand, WM_KILLFOCUS},
      {2, kForm, WM_DESTROY},
      {2, kCommand, WM_DESTROY},
      {2, kFrame, WM_DESTROY},
      {2, kFramed, WM_DESTROY},
      {2, kBox, WM_DESTROY},
      {2, kLabel, WM_DESTROY},
      {2, kImage, WM_DESTROY},
      {2, kCommand, WM_NCDESTROY},
      {2, kFramed, WM_NCDESTROY},
      {2, kFrame, WM_NCDESTROY},
      {2, kBox, WM_NCDESTROY},
      {2, kLabel, WM_NCDESTROY},
      {2, kImage, WM_NCDESTROY},
      {2, kForm, WM_NCDESTROY},
      {1, kQueue, WM_QUIT, kPosted}},
     [](Scene& s, LRESULT) {
         EXPECT_EQ(s.form->Hwnd(), nullptr);
         EXPECT_FALSE(IsWindow(s.Window(kForm)));
     },
     true},
    {"TabFromTheQueueMovesTheFocus", [](Scene& s) { return s.Post(kCommand, WM_KEYDOWN, VK_TAB, 0); }, 0,
     {{1, kCommand, WM_KILLFOCUS},
      {2, kForm, WM_CTLCOLORBTN},
      {1, kFramed, WM_SETFOCUS},
      {2, kFrame, WM_CTLCOLORBTN},
      {3, kForm, WM_CTLCOLORBTN},
      {2, kFrame, WM_DRAWITEM},
      {3, kForm, WM_DRAWITEM},
      {1, kCommand, WM_PAINT, kPosted},  // focus rectangles shown from now on
      {2, kForm, WM_CTLCOLORBTN}}},
    {"EnterFromTheQueueClicksTheFocusedButton", [](Scene& s) { return s.Post(kCommand, WM_KEYDOWN, VK_RETURN, 0); },
     0, {{1, kCommand, kClick}}},
    {"EscapeFromTheQueueDoesNothing", [](Scene& s) { return s.Post(kCommand, WM_KEYDOWN, VK_ESCAPE, 0); }, 0, {}},
    {"OtherKeysReachTheTextBox",
     [](Scene& s) {
         SetFocus(s.Window(kBox));
         s.Pump();
         s.record.seen.clear();
         return s.Post(kBox, WM_KEYDOWN, 'A', 0);
     },
     0,
     {{1, kBox, WM_KEYDOWN, kPosted | kWParam, 'A'},
      {1, kBox, WM_CHAR, kPosted | kWParam, 'a'},
      {2, kForm, WM_COMMAND, kWParam, MAKEWPARAM(1004, EN_UPDATE)},
      {2, kForm, WM_COMMAND, kWParam, MAKEWPARAM(1004, EN_CHANGE)},
      {1, kBox, WM_PAINT, kPosted},
      {2, kBox, WM_ERASEBKGND},
      {2, kForm, WM_CTLCOLOREDIT}}},
};

const Row kFrameRows[] = {
    {"CommandGoesOnToTheForm",
     [](Scene& s) { return s.Send(kFrame, WM_COMMAND, MAKEWPARAM(0, BN_CLICKED), s.Handle(kFramed)); }, 0,
     {{1, kFrame, WM_COMMAND}, {2, kForm, WM_COMMAND, kWParam, MAKEWPARAM(0, BN_CLICKED)}, {3, kFramed, kClick}}},
    {"DrawItemGoesOnToTheForm", [](Scene& s) { return s.DrawItem(kFrame, kFramed, ODT_BUTTON); }, TRUE,
     {{1, kFrame, WM_DRAWITEM}, {2, kForm, WM_DRAWITEM}}},
    {"ColourRequestGoesOnToTheForm",
     [](Scene& s) { return s.Send(kFrame, WM_CTLCOLORSTATIC, s.Dc(), s.Handle(kLabel)); }, kByCheck,
     {{1, kFrame, WM_CTLCOLORSTATIC}, {2, kForm, WM_CTLCOLORSTATIC}},
     [](Scene&, LRESULT brush) { EXPECT_EQ(BrushColour(brush), RGB(255, 255, 0)); }},
    {"NotificationGoesOnToTheForm",
     [](Scene& s) {
         NMHDR header = {s.Window(kFramed), 0, NM_CLICK};
         return s.Send(kFrame, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&header));
     },
     0, {{1, kFrame, WM_NOTIFY}, {2, kForm, WM_NOTIFY}}},
    {"EraseFillsWithTheBackColour", [](Scene& s) { return s.Send(kFrame, WM_ERASEBKGND, s.Dc(), 0); }, 1,
     {{1, kFrame, WM_ERASEBKGND}},
     [](Scene& s, LRESULT) { EXPECT_EQ(s.Pixel(75, 60), GetSysColor(COLOR_BTNFACE)); }},
    {"PrintClientDrawsTheBorderAndCaptionOnly",
     [](Scene& s) { return s.Send(kFrame, WM_PRINTCLIENT, s.Dc(), PRF_CLIENT); }, 0, {{1, kFrame, WM_PRINTCLIENT}},
     [](Scene& s, LRESULT) {
         EXPECT_EQ(s.Pixel(75, 60), kMagenta) << "no erase asked for: the background stays as it was";
         EXPECT_EQ(s.Pixel(0, 60), GetSysColor(COLOR_3DSHADOW)) << "etched line, left";
         EXPECT_EQ(s.Pixel(1, 60), GetSysColor(COLOR_3DHILIGHT)) << "etched line, left";
         const PixelBox caption = BoxWhere(PixelsOf(s.memory.Get()), {0, 0, 150, 20}, IsDark);
         EXPECT_FALSE(caption.Empty());
         EXPECT_GE(caption.left, 8);
     }},
    {"PrintClientWithEraseFillsFirst",
     [](Scene& s) { return s.Send(kFrame, WM_PRINTCLIENT, s.Dc(), PRF_CLIENT | PRF_ERASEBKGND); }, 0,
     {{1, kFrame, WM_PRINTCLIENT}},
     [](Scene& s, LRESULT) { EXPECT_EQ(s.Pixel(75, 60), GetSysColor(COLOR_BTNFACE)); }},
    {"PrintGoesToTheDefaultWhichAsksForBoth",
     [](Scene& s) { return s.Send(kFrame, WM_PRINT, s.Dc(), PRF_CLIENT | PRF_ERASEBKGND); }, 0,
     {{1, kFrame, WM_PRINT}, {2, kFrame, WM_ERASEBKGND}, {2, kFrame, WM_PRINTCLIENT}}},
    {"PointerGoesToTheDefaultWhichAsksTheForm",
     [](Scene& s) { return s.Send(kFrame, WM_SETCURSOR, s.Handle(kFrame), kOverClient); }, FALSE,
     {{1, kFrame, WM_SETCURSOR}, {2, kForm, WM_SETCURSOR}}},
    {"EnableRepaintsWithTheErase",
     [](Scene& s) {
         const LRESULT answer = s.Send(kFrame, WM_ENABLE, FALSE, 0);
         RedrawWindow(s.Window(kForm), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
         return answer;
     },
     0,
     {{1, kFrame, WM_ENABLE},
      {1, kFrame, WM_PAINT},
      {2, kFrame, WM_ERASEBKGND},
      {1, kFramed, WM_PAINT},
      {2, kFramed, WM_ERASEBKGND},
      {3, kFrame, WM_CTLCOLORBTN},
      {4, kForm, WM_CTLCOLORBTN},
      {2, kFrame, WM_CTLCOLORBTN},
      {3, kForm, WM_CTLCOLORBTN},
      {2, kFrame, WM_DRAWITEM},
      {3, kForm, WM_DRAWITEM}}},
    {"DestroyTakesTheFramedButtonAlong",
     [](Scene& s) { return LRESULT{DestroyWindow(s.Window(kFrame))}; }, TRUE,
     {{1, kForm, WM_ERASEBKGND},  // where it was
      {1, kFrame, WM_DESTROY},
      {1, kFramed, WM_DESTROY},
      {1, kFramed, WM_NCDESTROY},
      {1, kFrame, WM_NCDESTROY}},
     nullptr, true}, 
};

// One shown form for the rows of a suite: each closing of a visible window costs Wine a wait for the X server.
class MessageRows : public ::testing::TestWithParam<Row> {
protected:
    static void SetUpTestSuite() { shared = new Scene; }
    static void TearDownTestSuite() {
        delete shared;
        shared = nullptr;
    }
    void Run() const {
        std::unique_ptr<Scene> own(GetParam().ownScene ? new Scene : nullptr);
        RunRow(GetParam(), own ? *own : *shared);
    }
    static Scene* shared;
};
Scene* MessageRows::shared = nullptr;

class FormMessages : public MessageRows {};
TEST_P(FormMessages, SequenceAnswerAndState) { Run(); }
INSTANTIATE_TEST_SUITE_P(Wine, FormMessages, ::testing::ValuesIn(kFormRows),
                         [](const auto& info) { return std::string(info.param.name); });

class FrameMessages : public MessageRows {};
TEST_P(FrameMessages, SequenceAnswerAndState) { Run(); }
INSTANTIATE_TEST_SUITE_P(Wine, FrameMessages, ::testing::ValuesIn(kFrameRows),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace velkorin::themed
