#include "FrmMain.h"

#include "ErrorScope.h"
#include "FixThemeSupport.h"
#include "FormLayout.h"
#include "ResourceIds.h"
#include "SystemLibraries.h"
#include "TextConversion.h"
#include "WindowedControl.h"

namespace velkorin::win32 {

namespace {

constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;

struct ControlClass {
    const wchar_t* className;
    DWORD style;
    DWORD exStyle;
};

ControlClass ClassFor(const ControlLayout& control) {
    switch (control.kind) {
    case ControlKind::TextBox:
        return {L"EDIT", WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN, WS_EX_CLIENTEDGE};
    case ControlKind::CommandButton: return {L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON, 0};
    case ControlKind::Image: return {L"STATIC", SS_OWNERDRAW | SS_NOTIFY, 0};
    case ControlKind::Label:
        return {L"STATIC", static_cast<DWORD>(SS_NOTIFY | (control.controlId == frm_main::kLabel1Id ? SS_CENTER : SS_LEFT)), 0};
    }
    return {L"STATIC", 0, 0};
}

// The form runtime's object for one of the window's controls: the command button is one in the
// standard style; the text box, labels and images are kinds the visual-style module does not know.
FormControlRef ControlObject(const ControlLayout& control, HWND window) {
    if (control.kind == ControlKind::CommandButton)
        return std::make_shared<forms::WindowControl>(window, control_kind::kCommandButton, 0);
    return std::make_shared<forms::WindowControl>(window);
}

void RegisterWindowClass(HINSTANCE instance, HICON icon, HICON smallIcon, WNDPROC proc) {
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = proc;
    wc.hInstance = instance;
    wc.hIcon = icon;
    wc.hIconSm = smallIcon;
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = FrmMain::kClassName;
    RegisterClassExW(&wc);  // a second window of the class finds it registered already
}

}  // namespace

FrmMain::FrmMain(HINSTANCE instance, Runtime& runtime, mdXpThemeSupport& theme, ModMain& slots)
    : instance_(instance), theme_(theme), log_(runtime, text1_), run_(runtime, text1_, log_, slots) {}

FrmMain::~FrmMain() {
    if (hwnd_ && IsWindow(hwnd_)) DestroyWindow(hwnd_);
    if (icon_) DestroyIcon(icon_);
    if (smallIcon_) DestroyIcon(smallIcon_);
}

void FrmMain::Show() {
    if (!hwnd_) Load();
    ShowWindow(hwnd_, SW_SHOWNORMAL);
    UpdateWindow(hwnd_);
    SetFocus(ControlWindow(frm_main::kCommand1Id));  // the lowest tab index that takes the focus
}

void FrmMain::Load() {
    {
        ClientDc screen(nullptr);
        int pixelsPerInch = GetDeviceCaps(screen.Get(), LOGPIXELSX);
        twipsPerPixel_ = TwipsPerPixel(pixelsPerInch);
        WideText face = Utf8ToWide(frm_main::kFontFace);
        font_ = GdiObject<HFONT>(CreateFontW(FontHeightPixels(frm_main::kFontPoints, pixelsPerInch), 0, 0, 0,
                                             frm_main::kFontWeight, FALSE, FALSE, FALSE, ANSI_CHARSET,
                                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                             DEFAULT_PITCH | FF_DONTCARE, face.c_str()));
    }
    icon_ = static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(IDI_PROGRAM_ICON), IMAGE_ICON, 32, 32, 0));
    smallIcon_ = static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(IDI_PROGRAM_ICON), IMAGE_ICON,
                                               GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
    hand_ = LoadCursorW(instance_, MAKEINTRESOURCEW(IDC_HAND_CURSOR));
    logo_ = OlePicture::FromResource(instance_, IDR_LOGO_GIF);
    RegisterWindowClass(instance_, icon_, smallIcon_, &FrmMain::WindowProc);

    RECT frame = {0, 0, TwipsToPixels(frm_main::kClientWidthTwips, twipsPerPixel_),
                  TwipsToPixels(frm_main::kClientHeightTwips, twipsPerPixel_)};
    AdjustWindowRectEx(&frame, kWindowStyle, FALSE, 0);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    const int x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;

    WideText caption = Utf8ToWide(frm_main::kCaption);
    hwnd_ = CreateWindowExW(0, kClassName, caption.c_str(), kWindowStyle, x, y, width, height, nullptr, nullptr,
                            instance_, this);
    if (!hwnd_) throw Failure(7, "Out of memory");  // the window system refused the window

    try {
        CreateControls();
    } catch (...) {
        // A window that cannot be loaded is never shown: it goes, so that nothing waits for it.
        DestroyWindow(hwnd_);
        throw;
    }
    Form_Load();
}

void FrmMain::CreateControls() {
    for (const ControlLayout& control : frm_main::kControls) {
        ControlClass cls = ClassFor(control);
        PixelRect at = ToPixels(control, twipsPerPixel_);
        WideText text = control.caption ? Utf8ToWide(control.caption) : WideText();
        HWND child = CreateWindowExW(cls.exStyle, cls.className, text.c_str(), WS_CHILD | WS_VISIBLE | cls.style,
                                     at.left, at.top, at.width, at.height, hwnd_,
                                     reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.controlId)), instance_,
                                     nullptr);
        if (!child) throw Failure(7, "Out of memory");  // a form never loads without one of its controls
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), FALSE);
        controls_.push_back(ControlObject(control, child));
    }
    HWND edit = ControlWindow(frm_main::kText1Id);
    SendMessageW(edit, EM_SETLIMITTEXT, 0, 0);  // no 32K ceiling on what the user may type
    text1_.Attach(edit);
    SizeLabel4ToCaption();
    ArrangeTabOrder();
}

// The dialog manager tabs in window order: put the controls in the order of their tab indexes.
void FrmMain::ArrangeTabOrder() {
    HWND previous = HWND_TOP;
    for (int32_t tab = 0; tab <= 3; ++tab) {
        for (const ControlLayout& control : frm_main::kControls) {
            if (control.tabIndex != tab) continue;
            HWND child = ControlWindow(control.controlId);
            SetWindowPos(child, previous, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
            previous = child;
        }
    }
}

// The link label sizes itself to its caption in the window's font.
void FrmMain::SizeLabel4ToCaption() {
    HWND label = ControlWindow(frm_main::kLabel4Id);
    ClientDc dc(label);
    SelectionGuard keepFont(dc.Get(), font_.Get());
    WideText caption = Utf8ToWide(frm_main::kControls[3].caption);
    RECT extent = {0, 0, 0, 0};
    DrawTextW(dc.Get(), caption.c_str(), -1, &extent, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    SetWindowPos(label, nullptr, 0, 0, extent.right, extent.bottom, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void FrmMain::Form_Load() {
    ErrorScope err;  // nothing the window loads may keep it from showing
    err.Step([&] { FixThemeSupport(theme_, controls_); });
}

void FrmMain::OpenMakerPage() {
    ErrorScope err;
    HWND owner = nullptr;
    err.Step([&] { owner = hwnd_; });
    err.Step([&] {
        std::string page = Utf8ToAnsi(frm_main::kMakerPage);
        Shell32().pShellExecuteA(owner, "Open", page.c_str(), "", "", SW_SHOWNORMAL);
    });
}

LRESULT CALLBACK FrmMain::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        auto* self = static_cast<FrmMain*>(create->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<FrmMain*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
    try {
        return self->HandleMessage(hwnd, message, wParam, lParam);
    } catch (...) {
        return 0;  // nothing leaves a window procedure
    }
}

LRESULT FrmMain::HandleMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND: OnCommand(LOWORD(wParam), HIWORD(wParam)); return 0;
    case WM_CTLCOLORSTATIC: return OnCtlColorStatic(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_SETCURSOR:
        if (OnSetCursor(reinterpret_cast<HWND>(wParam), LOWORD(lParam))) return TRUE;
        break;
    case WM_DRAWITEM: OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)); return TRUE;
    case WM_ACTIVATE: OnActivate(LOWORD(wParam) != WA_INACTIVE); return 0;
    case WM_SYSCOLORCHANGE: InvalidateRect(hwnd_, nullptr, TRUE); return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    case WM_NCDESTROY:
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        hwnd_ = nullptr;
        break;
    default: break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

void FrmMain::OnCommand(int id, int notification) {
    if (id == frm_main::kCommand1Id && notification == BN_CLICKED) Command1_Click();
    if (id == frm_main::kImage2Id && notification == STN_CLICKED) Image2_Click();
    if (id == frm_main::kLabel4Id && notification == STN_CLICKED) Label4_Click();
}

LRESULT FrmMain::OnCtlColorStatic(HDC hdc, HWND control) {
    // Read at every paint, so the link follows a change of the system's highlight colour.
    bool link = control == ControlWindow(frm_main::kLabel4Id);
    SetTextColor(hdc, GetSysColor(link ? COLOR_HIGHLIGHT : COLOR_BTNTEXT));
    SetBkColor(hdc, GetSysColor(COLOR_BTNFACE));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

bool FrmMain::OnSetCursor(HWND over, int hitTest) {
    if (hitTest != HTCLIENT || !hand_) return false;
    if (over != ControlWindow(frm_main::kImage2Id) && over != ControlWindow(frm_main::kLabel4Id)) return false;
    SetCursor(hand_);
    return true;
}

void FrmMain::OnDrawItem(const DRAWITEMSTRUCT& item) {
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
    if (static_cast<int32_t>(item.CtlID) == frm_main::kImage2Id) logo_.Render(item.hDC, 0, 0);
    if (static_cast<int32_t>(item.CtlID) == frm_main::kImage1Id && icon_) {
        DrawIconEx(item.hDC, 0, 0, icon_, 32, 32, 0, nullptr, DI_NORMAL);
    }
}

void FrmMain::OnActivate(bool active) {
    // Give the focus back to the control that had it when the window was left.
    if (!active) {
        focusBeforeDeactivation_ = GetFocus();
    } else if (focusBeforeDeactivation_ && IsChild(hwnd_, focusBeforeDeactivation_)) {
        SetFocus(focusBeforeDeactivation_);
    }
}

}  // namespace velkorin::win32
