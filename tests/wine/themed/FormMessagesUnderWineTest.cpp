// A form's and a frame's window procedures message by message, on the real window system. A row
// does one thing to a window of one small form (mostly: sends it a message) and lists what follows
// in order: the messages of interest that reach the form's windows, by depth
// (2: sent while a depth-1 one is handled), the Click events that fire and a quit message left in
// the queue; then the answer and, where it matters, the state after. The system's own traffic (a
// control painting itself, focus and activation on the way out) is marked optional, as Wine's own
// message tests mark it: it may come or not, but nothing unlisted may.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "runtime/win32/forms/Form.h"
#include "runtime/win32/forms/OleColor.h"
#include "runtime/win32/forms/PictureLoading.h"
#include "wine/e2e/E2eSupport.h"
#include "wine/themed/FormPieces.h"
#include "wine/themed/ThemedWindowLayout.h"

namespace velkorin::themed {
namespace {

using namespace win32::forms;

enum Who { kForm, kFrame, kFramed, kCommand, kBox, kLabel, kImage, kQueue };  // the queue: a message left there
const char* const kWhoNames[] = {"Form", "Frame", "Framed", "Command", "Box", "Label", "Image", "Queue"};
constexpr int kWindows = kQueue;
constexpr UINT kClick = WM_APP + 1;   // not a message: the Click event of the control
constexpr UINT kLinked = WM_APP + 2;  // not a message: the window is its object's when WM_NCCREATE returns

#define NAMED(message) {message, #message}
const std::pair<UINT, const char*> kWatched[] = {
    NAMED(WM_COMMAND), NAMED(WM_NOTIFY), NAMED(WM_DRAWITEM), NAMED(WM_CTLCOLOREDIT), NAMED(WM_CTLCOLORBTN),
    NAMED(WM_CTLCOLORSTATIC), NAMED(WM_SETCURSOR), NAMED(WM_SYSCOLORCHANGE), NAMED(WM_ACTIVATE), NAMED(WM_SETFOCUS),
    NAMED(WM_KILLFOCUS), NAMED(WM_CLOSE), NAMED(WM_DESTROY), NAMED(WM_NCDESTROY), NAMED(WM_ERASEBKGND),
    NAMED(WM_PAINT), NAMED(WM_PRINT), NAMED(WM_PRINTCLIENT), NAMED(WM_ENABLE), NAMED(WM_QUIT),
    NAMED(WM_NCCREATE), NAMED(WM_CREATE), NAMED(WM_SETFONT), {kClick, "Click"}, {kLinked, "Linked"}};
#undef NAMED

const char* NameOf(UINT message) {
    for (const auto& [id, name] : kWatched) {
        if (id == message) return name;
    }
    return nullptr;
}

constexpr bool kOptional = true;

struct Seen {
    int depth;
    Who who;
    UINT message;
    bool optional = false;  // in an expected row only
    bool Is(const Seen& o) const { return depth == o.depth && who == o.who && message == o.message; }
};

std::ostream& operator<<(std::ostream& out, const Seen& seen) {
    return out << std::string(2 * seen.depth, ' ') << kWhoNames[seen.who] << ' ' << NameOf(seen.message)
               << (seen.optional ? " (optional)\n" : "\n");
}

// Every message seen is the next one expected, or comes after optional ones that did not come.
bool SequenceMatches(const std::vector<Seen>& expected, const std::vector<Seen>& seen) {
    size_t next = 0;
    for (const Seen& entry : expected) {
        if (next < seen.size() && entry.Is(seen[next])) ++next;
        else if (!entry.optional) return false;
    }
    return next == seen.size();
}

struct Record {
    std::vector<Seen> seen;
    int depth = 0;  // of the watched messages being handled
};

// On each of the form's windows, its Who as the subclass id: outside the window's own procedure.
LRESULT CALLBACK RecordMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR who, DWORD_PTR data) {
    Record& record = *reinterpret_cast<Record*>(data);
    const bool watched = NameOf(message) != nullptr;
    if (watched) record.seen.push_back({++record.depth, static_cast<Who>(who), message});
    const LRESULT result = DefSubclassProc(hwnd, message, wParam, lParam);
    if (message == WM_NCCREATE && GetWindowLongPtrW(hwnd, GWLP_USERDATA)) {
        record.seen.push_back({record.depth + 1, static_cast<Who>(who), kLinked});
    }
    record.depth -= watched;
    return result;
}

// A form with a frame, recorded from the first message of each window: the form, then the frame.
Record* creating = nullptr;
int made = 0;
LRESULT CALLBACK RecordFromCreation(int code, WPARAM hwnd, LPARAM create) {
    if (code == HCBT_CREATEWND) {
        SetWindowSubclass(reinterpret_cast<HWND>(hwnd), &RecordMessage, made++ ? kFrame : kForm,
                          reinterpret_cast<DWORD_PTR>(creating));
    }
    return CallNextHookEx(nullptr, code, hwnd, create);
}
LRESULT MakeRecordedForm(Record& record) {
    creating = &record;
    made = 0;
    win32::UniqueHook hook(SetWindowsHookExW(WH_CBT, &RecordFromCreation, nullptr, GetCurrentThreadId()));
    auto form = Form::Create(FormArgs{});
    form->AddFrame({});
    hook.reset();
    RemoveWindowSubclass(form->Hwnd(), &RecordMessage, kForm);
    RemoveWindowSubclass(GetWindow(form->Hwnd(), GW_CHILD), &RecordMessage, kFrame);
    return made;
}

ControlArgs At(int left, int top, int width, int height, int tabIndex, std::shared_ptr<FrameControl> in = nullptr) {
    const int32_t style = in ? button_style::kGraphical : button_style::kStandard;
    ControlArgs args = Placed(left, top, width, height, style, std::move(in));
    args.tabIndex = tabIndex;
    return args;
}

// The form, shown and active: Command (tab index 0), "Frame1" holding the graphical Framed (1), the
// text box (2), a label in the highlight colour and an image with the hand pointer. And a memory DC
// for the messages that carry one.
class Scene {
public:
    Scene() {
        FormArgs args;
        args.name = args.caption = "Messages";
        args.left = args.top = 20;  // away from the pointer, in the middle of the screen
        args.endLoopOnClose = true;
        form = Form::Create(args);
        auto command = form->AddButton(ButtonKind::Command, At(10, 10, 80, 30, 0));
        ControlArgs frameArgs = At(10, 50, 150, 100, -1);
        frameArgs.caption = "Frame1";
        auto frame = form->AddFrame(frameArgs);
        auto framed = form->AddButton(ButtonKind::Command, At(10, 20, 80, 30, 1, frame));
        auto box = form->AddTextBox(At(170, 10, 140, 80, 2));
        auto label = form->AddLabel(At(170, 100, 60, 15, 3));
        label->Put("ForeColor", Value(ole_color::kHighlight));
        auto image = form->AddImage(At(170, 130, 32, 32, -1));
        image->Put("MouseIcon", Value(PictureFromIcon(LoadCursorW(nullptr, IDC_HAND), false)));
        image->Put("MousePointer", Value(int32_t{99}));
        const std::shared_ptr<WindowedControl> controls[] = {nullptr, frame, framed, command, box, label, image};
        for (int who = 0; who < kWindows; ++who) {
            windows[who] = controls[who] ? controls[who]->Hwnd() : form->Hwnd();
            SetWindowSubclass(windows[who], &RecordMessage, who, reinterpret_cast<DWORD_PTR>(&record));
            if (!controls[who]) continue;
            controls[who]->SetClickHandler(
                [this, who] { record.seen.push_back({record.depth + 1, Who(who), kClick}); });
        }
        form->Show();
        SetForegroundWindow(form->Hwnd());
        e2e::WaitFor([&] { return GetForegroundWindow() == form->Hwnd(); });
    }
    ~Scene() {
        form.reset();
        MSG quit;
        PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);  // from the window's end
    }
    // As before any row: the focus on Command, nothing waiting, all painted, the DC magenta.
    void Reset() {
        SetFocus(windows[kCommand]);
        Pump();
        RedrawWindow(form->Hwnd(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        canvas.Fill();
        SetTextColor(canvas.Dc(), RGB(0, 0, 0));
        record.seen.clear();
    }
    // Every message waiting, as a program's loop takes them.
    void Pump() {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    }
    LPARAM Handle(Who who) const { return reinterpret_cast<LPARAM>(windows[who]); }
    WPARAM Dc() const { return reinterpret_cast<WPARAM>(canvas.Dc()); }
    COLORREF Pixel(int x, int y) const { return canvas.At(x, y); }
    LRESULT Send(Who to, UINT message, WPARAM wParam, LPARAM lParam) {
        return SendMessageW(windows[to], message, wParam, lParam);
    }
    LRESULT DrawItem(Who to, Who item, UINT type) {
        DRAWITEMSTRUCT draw = {type, 0, 0, ODA_DRAWENTIRE, 0, windows[item], canvas.Dc(), {0, 0, 80, 30}, 0};
        return Send(to, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw));
    }

    Record record;
    HWND windows[kWindows] = {};
    MagentaCanvas canvas{150, 100};
    std::shared_ptr<Form> form;
};

constexpr LRESULT kByCheck = 0x7EC4EC4;  // the row's check judges the answer
const LPARAM kOverClient = MAKELPARAM(HTCLIENT, WM_MOUSEMOVE);

struct Row {
    const char* name;
    LRESULT (*act)(Scene&);
    LRESULT answer;
    std::vector<Seen> expected;
    void (*check)(Scene&, LRESULT) = nullptr;
    bool ownScene = false;  // the row ends the windows: a form of its own
};

void PrintTo(const Row& row, std::ostream* out) { *out << row.name; }

// The label's own colours: its text colour, the system brush of its back colour.
void CheckLabelColours(Scene& s, LRESULT brush) {
    EXPECT_EQ(reinterpret_cast<HBRUSH>(brush), GetSysColorBrush(COLOR_BTNFACE));
    EXPECT_EQ(GetTextColor(s.canvas.Dc()), GetSysColor(COLOR_HIGHLIGHT));
}

const Row kFormRows[] = {
    {"EachWindowIsItsObjectsFromItsFirstMessage", [](Scene& s) { return MakeRecordedForm(s.record); }, 2,
     {{1, kForm, WM_NCCREATE}, {2, kForm, kLinked}, {1, kForm, WM_CREATE}, {2, kForm, WM_SETFONT},
      {1, kFrame, WM_NCCREATE}, {2, kFrame, kLinked}, {1, kFrame, WM_CREATE}, {1, kFrame, WM_SETFONT}}},
    {"CommandFromAButtonRaisesItsClick",
     [](Scene& s) { return s.Send(kForm, WM_COMMAND, MAKEWPARAM(0, BN_CLICKED), s.Handle(kCommand)); }, 0,
     {{1, kForm, WM_COMMAND}, {2, kCommand, kClick}}},
    {"OtherNotificationsAndNoControlGoToTheDefault",
     [](Scene& s) {
         s.Send(kForm, WM_COMMAND, MAKEWPARAM(0, EN_CHANGE), s.Handle(kBox));
         return s.Send(kForm, WM_COMMAND, MAKEWPARAM(0, BN_CLICKED), 0);
     },
     0, {{1, kForm, WM_COMMAND}, {1, kForm, WM_COMMAND}}},
    {"GraphicalButtonDrawsItsFace", [](Scene& s) { return s.DrawItem(kForm, kFramed, ODT_BUTTON); }, TRUE,
     {{1, kForm, WM_DRAWITEM}}, [](Scene& s, LRESULT) { EXPECT_NE(s.Pixel(40, 15), kMagenta); }},
    {"ImageDrawsItself", [](Scene& s) { return s.DrawItem(kForm, kImage, ODT_STATIC); }, TRUE,
     {{1, kForm, WM_DRAWITEM}}, [](Scene& s, LRESULT) { EXPECT_EQ(s.Pixel(10, 10), GetSysColor(COLOR_BTNFACE)); }},
    {"DrawingOfAnotherTypeGoesToTheDefault", [](Scene& s) { return s.DrawItem(kForm, kFramed, ODT_STATIC); }, 0,
     {{1, kForm, WM_DRAWITEM}}, [](Scene& s, LRESULT) { EXPECT_EQ(s.Pixel(40, 15), kMagenta); }},
    {"LabelColoursAreItsOwn", [](Scene& s) { return s.Send(kForm, WM_CTLCOLORSTATIC, s.Dc(), s.Handle(kLabel)); },
     kByCheck, {{1, kForm, WM_CTLCOLORSTATIC}}, CheckLabelColours},
    {"TextBoxColoursAreTheDefault", [](Scene& s) { return s.Send(kForm, WM_CTLCOLOREDIT, s.Dc(), s.Handle(kBox)); },
     kByCheck, {{1, kForm, WM_CTLCOLOREDIT}},
     [](Scene&, LRESULT brush) { EXPECT_EQ(reinterpret_cast<HBRUSH>(brush), GetSysColorBrush(COLOR_WINDOW)); }},
    {"PointerOverTheImageIsItsHand",
     [](Scene& s) { return s.Send(kForm, WM_SETCURSOR, s.Handle(kImage), kOverClient); }, TRUE,
     {{1, kForm, WM_SETCURSOR}}, [](Scene&, LRESULT) { EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_HAND)); }},
    {"PointerOverTheLabelIsTheDefault",
     [](Scene& s) { return s.Send(kForm, WM_SETCURSOR, s.Handle(kLabel), kOverClient); }, FALSE,
     {{1, kForm, WM_SETCURSOR}}},
    {"SysColorChangeReachesEveryWindowAndRepaintsAll", [](Scene& s) { return s.Send(kForm, WM_SYSCOLORCHANGE, 0, 0); },
     0,
     {{1, kForm, WM_SYSCOLORCHANGE}, {2, kCommand, WM_SYSCOLORCHANGE}, {2, kFrame, WM_SYSCOLORCHANGE},
      {2, kFramed, WM_SYSCOLORCHANGE}, {2, kBox, WM_SYSCOLORCHANGE}, {2, kLabel, WM_SYSCOLORCHANGE},
      {3, kForm, WM_CTLCOLORSTATIC, kOptional}, {2, kImage, WM_SYSCOLORCHANGE},
      {3, kForm, WM_CTLCOLORSTATIC, kOptional}, {3, kForm, WM_DRAWITEM, kOptional}},  // Wine's statics redraw at once
     [](Scene& s, LRESULT) {
         for (int who = 0; who < kWindows; ++who) {
             EXPECT_TRUE(GetUpdateRect(s.windows[who], nullptr, FALSE)) << kWhoNames[who] << " to be painted again";
         }
     }},
    {"ActivationGivesTheFocusBack",
     [](Scene& s) {
         SetFocus(s.windows[kFramed]);
         s.Send(kForm, WM_ACTIVATE, WA_INACTIVE, 0);
         SetFocus(s.windows[kForm]);
         s.record.seen.clear();
         return s.Send(kForm, WM_ACTIVATE, WA_ACTIVE, 0);
     },
     0,
     {{1, kForm, WM_ACTIVATE}, {2, kForm, WM_KILLFOCUS}, {2, kFramed, WM_SETFOCUS},
      {3, kFrame, WM_CTLCOLORBTN, kOptional}, {4, kForm, WM_CTLCOLORBTN, kOptional},
      {3, kFrame, WM_DRAWITEM, kOptional}, {4, kForm, WM_DRAWITEM, kOptional}}},
    {"ActivationWithNoFocusToGiveBackGoesToTheDefault",
     [](Scene& s) {
         SetFocus(nullptr);
         s.Send(kForm, WM_ACTIVATE, WA_INACTIVE, 0);
         s.record.seen.clear();
         return s.Send(kForm, WM_ACTIVATE, WA_ACTIVE, 0);
     },
     0, {{1, kForm, WM_ACTIVATE}, {2, kForm, WM_SETFOCUS}}},
    {"CloseDestroysTheWindowsAndEndsTheLoop", [](Scene& s) { return s.Send(kForm, WM_CLOSE, 0, 0); }, 0,
     {{1, kForm, WM_CLOSE}, {2, kForm, WM_ACTIVATE, kOptional}, {2, kCommand, WM_KILLFOCUS, kOptional},
      {2, kForm, WM_DESTROY}, {2, kCommand, WM_DESTROY}, {2, kFrame, WM_DESTROY}, {2, kFramed, WM_DESTROY},
      {2, kBox, WM_DESTROY}, {2, kLabel, WM_DESTROY}, {2, kImage, WM_DESTROY}, {2, kCommand, WM_NCDESTROY},
      {2, kFramed, WM_NCDESTROY}, {2, kFrame, WM_NCDESTROY}, {2, kBox, WM_NCDESTROY}, {2, kLabel, WM_NCDESTROY},
      {2, kImage, WM_NCDESTROY}, {2, kForm, WM_NCDESTROY}, {1, kQueue, WM_QUIT}},
     [](Scene& s, LRESULT) { EXPECT_EQ(s.form->Hwnd(), nullptr); }, true},
};

const Row kFrameRows[] = {
    {"CommandGoesOnToTheForm",
     [](Scene& s) { return s.Send(kFrame, WM_COMMAND, MAKEWPARAM(0, BN_CLICKED), s.Handle(kFramed)); }, 0,
     {{1, kFrame, WM_COMMAND}, {2, kForm, WM_COMMAND}, {3, kFramed, kClick}}},
    {"DrawItemGoesOnToTheForm", [](Scene& s) { return s.DrawItem(kFrame, kFramed, ODT_BUTTON); }, TRUE,
     {{1, kFrame, WM_DRAWITEM}, {2, kForm, WM_DRAWITEM}}},
    {"ColourRequestGoesOnToTheForm",
     [](Scene& s) { return s.Send(kFrame, WM_CTLCOLORSTATIC, s.Dc(), s.Handle(kLabel)); }, kByCheck,
     {{1, kFrame, WM_CTLCOLORSTATIC}, {2, kForm, WM_CTLCOLORSTATIC}}, CheckLabelColours},
    {"NotificationGoesOnToTheForm",
     [](Scene& s) {
         NMHDR header = {s.windows[kFramed], 0, NM_CLICK};
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
         const PixelBox caption = BoxWhere(s.canvas.Pixels(), {0, 0, 150, 20}, IsDark);
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
         RedrawWindow(s.windows[kForm], nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
         return answer;
     },
     0,
     {{1, kFrame, WM_ENABLE}, {1, kFrame, WM_PAINT}, {2, kFrame, WM_ERASEBKGND}, {1, kFramed, WM_PAINT, kOptional},
      {2, kFramed, WM_ERASEBKGND, kOptional}, {3, kFrame, WM_CTLCOLORBTN, kOptional},
      {4, kForm, WM_CTLCOLORBTN, kOptional}, {2, kFrame, WM_CTLCOLORBTN, kOptional},
      {3, kForm, WM_CTLCOLORBTN, kOptional}, {2, kFrame, WM_DRAWITEM, kOptional}, {3, kForm, WM_DRAWITEM, kOptional}}},
    {"DestroyTakesTheFramedButtonAlong", [](Scene& s) { return LRESULT{DestroyWindow(s.windows[kFrame])}; }, TRUE,
     {{1, kForm, WM_ERASEBKGND, kOptional}, {1, kFrame, WM_DESTROY}, {1, kFramed, WM_DESTROY},
      {1, kFramed, WM_NCDESTROY}, {1, kFrame, WM_NCDESTROY}},
     nullptr, true},
};

// One shown form for the rows of a suite: each visible window that goes costs Wine a wait for the X server.
class MessageRows : public ::testing::TestWithParam<Row> {
protected:
    static void SetUpTestSuite() { shared = new Scene; }
    static void TearDownTestSuite() { delete std::exchange(shared, nullptr); }
    void RunRow() const {
        const Row& row = GetParam();
        std::unique_ptr<Scene> own(row.ownScene ? new Scene : nullptr);
        Scene& scene = own ? *own : *shared;
        scene.Reset();
        const LRESULT answer = row.act(scene);
        MSG quit;
        if (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
            scene.record.seen.push_back({1, kQueue, WM_QUIT});  // the loop is asked to end
        }
        if (!SequenceMatches(row.expected, scene.record.seen)) {
            std::ostringstream both;
            for (const Seen& entry : row.expected) both << entry;
            both << "seen:\n";
            for (const Seen& entry : scene.record.seen) both << entry;
            ADD_FAILURE() << "expected:\n" << both.str();
        }
        if (row.answer != kByCheck) {
            EXPECT_EQ(answer, row.answer);
        }
        if (row.check) row.check(scene, answer);
    }
    static Scene* shared;
};
Scene* MessageRows::shared = nullptr;

class FormMessages : public MessageRows {};
TEST_P(FormMessages, SequenceAnswerAndState) { RunRow(); }
INSTANTIATE_TEST_SUITE_P(Wine, FormMessages, ::testing::ValuesIn(kFormRows),
                         [](const auto& info) { return std::string(info.param.name); });

class FrameMessages : public MessageRows {};
TEST_P(FrameMessages, SequenceAnswerAndState) { RunRow(); }
INSTANTIATE_TEST_SUITE_P(Wine, FrameMessages, ::testing::ValuesIn(kFrameRows),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace velkorin::themed
