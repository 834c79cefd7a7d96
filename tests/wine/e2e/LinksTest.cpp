// The logo and the link label open the maker's page through the shell, once a click (a press and a
// release on the control), and nothing else; what a screen reader meets of the window, and the
// links' default action.
#include <objbase.h>
#include <oleacc.h>

#include <string>
#include <vector>

#include "wine/e2e/E2eSupport.h"
#include "wine/e2e/VelkorinTest.h"

namespace velkorin::e2e {
namespace {

using WineOwnComponentsLinks = VelkorinTest;

std::vector<std::string> RecordedLines(const std::string& bytes) {
    std::vector<std::string> lines;
    for (size_t start = 0, end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(bytes.substr(start, end - start));
    }
    return lines;
}

enum class Mouse { Click, PressMoveOffRelease, PressAndHold, ReleaseOver, PressCancelRelease };

struct LinkRow {
    int id;
    Mouse mouse;
    size_t pages;  // opened by this row
};

const LinkRow kLinkRows[] = {
    {kImage2Id, Mouse::ReleaseOver, 0},  // a release alone, as at the end of a drag from elsewhere
    {kImage2Id, Mouse::Click, 1},
    {kLabel4Id, Mouse::Click, 1},
    {kImage2Id, Mouse::PressMoveOffRelease, 0},
    {kLabel4Id, Mouse::PressMoveOffRelease, 0},
    {kLabel4Id, Mouse::PressAndHold, 0},  // nothing while the button is down
    {kLabel4Id, Mouse::ReleaseOver, 1},   // the held press ends on the label
    {kLabel4Id, Mouse::PressCancelRelease, 0},  // the mouse taken away between press and release
    {kImage2Id, Mouse::PressCancelRelease, 0},
    {kImage2Id, Mouse::Click, 1},
};

TEST_F(WineOwnComponentsLinks, EachClickOpensTheMakerPageOnceAndShowsNoWindowOfItsOwn) {
    size_t pages = 0;
    for (const LinkRow& row : kLinkRows) {
        SCOPED_TRACE(::testing::Message() << "control " << row.id << ", row " << (&row - kLinkRows));
        const DWORD launchedBefore = velkorin_->Counts().total;
        const HWND control = Control(row.id);
        if (row.mouse != Mouse::ReleaseOver) PostPress(control);
        if (row.mouse == Mouse::PressCancelRelease) PostMessageW(control, WM_CANCELMODE, 0, 0);
        if (row.mouse != Mouse::PressAndHold && row.mouse != Mouse::PressMoveOffRelease) {
            PostRelease(control, CentreOf(control));
        }
        if (row.mouse == Mouse::PressMoveOffRelease) PostRelease(control, {-20, CentreOf(control).y});
        pages += row.pages;
        // Once the click is handled, whatever it launched is in the job; wait for that to finish.
        ASSERT_TRUE(PostedMessagesHandled(Control(kText1Id)));
        ASSERT_TRUE(WaitFor([&] { return velkorin_->Counts().active == 1; })) << "the URL handler did not end";
        EXPECT_EQ(velkorin_->Counts().total - launchedBefore, row.pages) << "processes launched";
        const std::vector<std::string> lines = RecordedLines(ReadBytes(File(L"urls.txt")));
        ASSERT_EQ(lines.size(), pages);
        if (pages > 0) {
            EXPECT_NE(lines.back().find("https://www.facebook.com/Orlaquist"), std::string::npos) << lines.back();
        }
        EXPECT_EQ(VisibleTopLevelWindows(velkorin_->Id()), std::vector<HWND>{window_});
    }
}

// A text a call gave, freed; "<none>" where it gave none.
std::wstring Text(HRESULT hr, BSTR value) {
    std::wstring copy = SUCCEEDED(hr) && value ? std::wstring(value, SysStringLen(value)) : L"<none>";
    SysFreeString(value);
    return copy;
}

std::wstring CaptionOf(const char* name) {
    for (const ControlLayout& control : frm_main::kControls) {
        if (std::string(control.name) == name) return FromUtf8(control.caption);
    }
    return L"";
}

// Each control's client-area object as a client in another process gets it: role, name, default
// action (none for the box); the links' state says "linked", and the button's action runs a test.
struct AccessibleRow {
    int id;
    LONG role;
    const char* namedBy;
    const wchar_t* defaultAction;
};

const AccessibleRow kAccessibleRows[] = {
    {kLabel4Id, ROLE_SYSTEM_LINK, "Label4", L"Jump"},
    {kImage2Id, ROLE_SYSTEM_LINK, "Label4", L"Jump"},
    {kText1Id, ROLE_SYSTEM_TEXT, "Label1", nullptr},
    {kCommand1Id, ROLE_SYSTEM_PUSHBUTTON, "Command1", L"Press"},
};

TEST_F(WineOwnComponentsLinks, ScreenReadersMeetTwoLinksTheNamedBoxAndTheButton) {
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    VARIANT self = {};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    size_t pages = 0;
    for (const AccessibleRow& row : kAccessibleRows) {
        SCOPED_TRACE(::testing::Message() << "control " << row.id);
        IAccessible* object = nullptr;
        ASSERT_EQ(AccessibleObjectFromWindow(Control(row.id), OBJID_CLIENT, __uuidof(IAccessible),
                                             reinterpret_cast<void**>(&object)), S_OK);
        VARIANT role = {};
        EXPECT_EQ(object->get_accRole(self, &role), S_OK);
        EXPECT_EQ(role.vt == VT_I4 ? role.lVal : -1, row.role);
        BSTR name = nullptr, action = nullptr;
        const HRESULT named = object->get_accName(self, &name), acts = object->get_accDefaultAction(self, &action);
        EXPECT_EQ(ToUtf8(Text(named, name)), ToUtf8(CaptionOf(row.namedBy)));
        EXPECT_EQ(ToUtf8(Text(acts, action)), ToUtf8(row.defaultAction ? row.defaultAction : L"<none>"));
        VARIANT state = {};
        EXPECT_EQ(object->get_accState(self, &state), S_OK);
        EXPECT_EQ(state.vt == VT_I4 && (state.lVal & STATE_SYSTEM_LINKED), row.role == ROLE_SYSTEM_LINK);
        if (row.role == ROLE_SYSTEM_PUSHBUTTON) {  // the whole test, as a click on "Start Test"
            EXPECT_EQ(object->accDoDefaultAction(self), S_OK);
            std::wstring box;
            EXPECT_TRUE(WaitForRunToEnd(window_, box)) << ToAnsi(box);
        }
        if (row.role == ROLE_SYSTEM_LINK) {  // opens the page, once, as a click does
            EXPECT_EQ(object->accDoDefaultAction(self), S_OK);
            ++pages;
            ASSERT_TRUE(PostedMessagesHandled(Control(kText1Id)));
            ASSERT_TRUE(WaitFor([&] { return velkorin_->Counts().active == 1; })) << "the URL handler did not end";
            EXPECT_EQ(RecordedLines(ReadBytes(File(L"urls.txt"))).size(), pages);
        }
        object->Release();
    }
    CoUninitialize();
}

}  // namespace
}  // namespace velkorin::e2e
