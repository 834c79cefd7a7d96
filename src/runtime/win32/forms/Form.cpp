#include "runtime/win32/forms/Form.h"

#include <algorithm>
#include <map>
#include <set>

#include "runtime/RegisteredMessage.h"
#include "runtime/win32/ComFailure.h"
#include "runtime/win32/forms/FormKeyboard.h"
#include "runtime/win32/forms/WindowClass.h"
#include "runtime/win32/forms/WindowLink.h"
#include "runtime/win32/MessagePreTranslation.h"
#include "runtime/win32/TextConversion.h"

namespace velkorin::win32::forms {

namespace {

constexpr int kFirstControlId = 1001;

DWORD FormStyle(const FormArgs& args) {
    return WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN | (args.minButton ? WS_MINIMIZEBOX : 0);
}

WideText ClassNameFor(const std::string& formName) { return Utf8ToWide("Velkorin" + formName); }

DWORD ButtonWindowStyle(ButtonKind kind, int32_t style) {
    if (style == button_style::kGraphical) return BS_OWNERDRAW;
    switch (kind) {
    case ButtonKind::Command: return BS_PUSHBUTTON;
    case ButtonKind::Option: return BS_RADIOBUTTON;  // the control keeps the choice, not the dialog manager
    case ButtonKind::Check: return BS_CHECKBOX;
    }
    return BS_PUSHBUTTON;
}

DWORD LabelWindowStyle(int32_t alignment) {
    switch (alignment) {
    case label_alignment::kRight: return SS_RIGHT;
    case label_alignment::kCenter: return SS_CENTER;
    default: return SS_LEFT;
    }
}

// Common controls 6 take new system colours only when told, and the system tells top-level windows alone.
BOOL CALLBACK TellSysColorChange(HWND child, LPARAM) {
    SendMessageW(child, WM_SYSCOLORCHANGE, 0, 0);
    return TRUE;
}

HICON LoadFormIcon(HINSTANCE module, int id, int size) {
    if (!module || !id) return nullptr;
    return static_cast<HICON>(LoadImageW(module, MAKEINTRESOURCEW(id), IMAGE_ICON, size, size, 0));
}

}  // namespace

std::shared_ptr<Form> Form::Create(const FormArgs& args) {
    std::shared_ptr<Form> form(new Form(args));
    form->Open(args);  // when it fails, the form goes here and destroys the window it made
    return form;
}

Form::Form(const FormArgs& args)
    : endLoopOnClose_(args.endLoopOnClose),
      font_(args.font ? args.font : FontObject::MessageFont()),
      nextControlId_(kFirstControlId) {}

void Form::Open(const FormArgs& args) {
    const WideText className = ClassNameFor(args.name);
    // One window class per form name, registered at the first form of that name.
    RegisterWindowClass(className.c_str(), &Form::WindowProc, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    FrameControl::RegisterWindowClass();
    const DWORD style = FormStyle(args);
    RECT frame = {0, 0, args.clientWidth, args.clientHeight};
    AdjustWindowRectEx(&frame, style, FALSE, 0);
    const int width = frame.right - frame.left, height = frame.bottom - frame.top;
    const int left = args.centred ? (GetSystemMetrics(SM_CXSCREEN) - width) / 2 : args.left;
    const int top = args.centred ? (GetSystemMetrics(SM_CYSCREEN) - height) / 2 : args.top;
    // The icons first: the window takes them, with its font, while it is made (WM_CREATE).
    icon_.reset(LoadFormIcon(args.iconModule, args.iconId, GetSystemMetrics(SM_CXICON)));
    smallIcon_.reset(LoadFormIcon(args.iconModule, args.iconId, GetSystemMetrics(SM_CXSMICON)));
    if (!CreateWindowExW(0, className.c_str(), Utf8ToWide(args.caption).c_str(), style, left, top, width, height,
                         nullptr, nullptr, GetModuleHandleW(nullptr), this)) {
        throw FailureFromLastError();
    }

    properties_.Add("hWnd", [this] { return HandleValue(hwnd_); });
    properties_.Add(
        "Caption", [this] { return Value(WindowText(hwnd_)); },
        [this](const Value& value) { SetWindowTextW(hwnd_, Utf8ToWide(value.AsText()).c_str()); });
    properties_.Add("ActiveControl", [this] {
        FormControlRef active = ControlOf(GetFocus());
        if (!active) throw Failure::ObjectNotSet();
        return Value(ObjectRef(active));
    });
}

Form::~Form() {
    // Windows first: their procedures may still reach the control objects while they go; the
    // icons go after the window that shows them.
    if (hwnd_) DestroyWindow(hwnd_);
}

Value Form::Call(const std::string&, const std::vector<Value>&) { throw Failure::NoSuchMember(); }

void Form::Show(int command) {
    ArrangeTabOrder();
    keyboardRules_ = true;
    ShowWindow(hwnd_, command);
    UpdateWindow(hwnd_);
    if (HWND first = GetNextDlgTabItem(hwnd_, nullptr, FALSE)) SetFocus(first);
}

// Tab stops go in window order: the controls with a tab index first, in its order. A container takes
// its place among its siblings where the first of its controls comes, so that the tab order runs
// into the frame and out again; each container's windows go after those already placed in it.
void Form::ArrangeTabOrder() {
    std::stable_sort(tabOrder_.begin(), tabOrder_.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::map<HWND, HWND> lastPlaced;  // container, the last window placed in it
    std::set<HWND> placed;
    for (const auto& entry : tabOrder_) {
        // The control, then each container it is in that has no place yet.
        for (HWND window = entry.second; window && window != hwnd_ && placed.insert(window).second;
             window = GetParent(window)) {
            const HWND parent = GetParent(window);
            auto last = lastPlaced.find(parent);
            SetWindowPos(window, last != lastPlaced.end() ? last->second : HWND_TOP, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
            lastPlaced[parent] = window;
        }
    }
}

HWND Form::CreateChild(const wchar_t* className, const ControlArgs& args, DWORD style, DWORD exStyle,
                       void* object) {
    HWND parent = args.container ? args.container->Hwnd() : hwnd_;
    const int id = args.id ? args.id : nextControlId_;
    HWND child = CreateWindowExW(exStyle, className, Utf8ToWide(args.caption).c_str(), WS_CHILD | WS_VISIBLE | style,
                                 args.left, args.top, args.width, args.height, parent,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), object);
    if (!child) throw FailureFromLastError();
    nextControlId_ = std::max(nextControlId_, id) + 1;
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font_->Handle()), FALSE);
    return child;
}

template <class Control>
std::shared_ptr<Control> Form::Keep(std::shared_ptr<Control> control, const ControlArgs& args) {
    controls_.push_back(control);
    if (args.tabIndex >= 0) tabOrder_.emplace_back(args.tabIndex, control->Hwnd());
    return control;
}

std::shared_ptr<FrameControl> Form::AddFrame(const ControlArgs& args) {
    auto frame = std::make_shared<FrameControl>(weak_from_this(), font_);
    CreateChild(FrameControl::kClassName, args, WS_CLIPSIBLINGS, WS_EX_CONTROLPARENT, frame.get());
    return Keep(std::move(frame), args);
}

std::shared_ptr<ButtonControl> Form::AddButton(ButtonKind kind, const ControlArgs& args) {
    HWND hwnd = CreateChild(L"BUTTON", args, WS_TABSTOP | ButtonWindowStyle(kind, args.style), 0);
    return Keep(std::make_shared<ButtonControl>(kind, hwnd, args.style, weak_from_this(), font_), args);
}

std::shared_ptr<TextBoxControl> Form::AddTextBox(const ControlArgs& args) {
    HWND hwnd = CreateChild(L"EDIT", args, WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN,
                            WS_EX_CLIENTEDGE);
    SendMessageW(hwnd, EM_SETLIMITTEXT, 0, 0);  // no 32K ceiling on what the user may type
    return Keep(std::make_shared<TextBoxControl>(hwnd, true), args);
}

std::shared_ptr<LabelControl> Form::AddLabel(const ControlArgs& args, int32_t alignment) {
    HWND hwnd = CreateChild(L"STATIC", args, SS_NOTIFY | LabelWindowStyle(alignment), 0);
    return Keep(std::make_shared<LabelControl>(hwnd, alignment, font_), args);
}

std::shared_ptr<ImageControl> Form::AddImage(const ControlArgs& args) {
    HWND hwnd = CreateChild(L"STATIC", args, SS_OWNERDRAW | SS_NOTIFY, 0);
    return Keep(std::make_shared<ImageControl>(hwnd), args);
}

void Form::OptionChosen(const ButtonControl& chosen) {
    for (const FormControlRef& control : controls_) {
        auto* button = dynamic_cast<ButtonControl*>(control.get());
        if (button && button != &chosen && OptionClears(chosen.Place(), button->Place())) button->SetValue(0);
    }
}

void Form::DefaultChosen(const ButtonControl& chosen) {
    for (const FormControlRef& control : controls_) {
        auto* button = dynamic_cast<ButtonControl*>(control.get());
        if (button && button != &chosen && DefaultClears(button->Place())) button->SetDefault(false);
    }
}

WindowedControl* Form::WindowedOf(HWND hwnd) const { return dynamic_cast<WindowedControl*>(ControlOf(hwnd).get()); }

FormControlRef Form::ControlOf(HWND hwnd) const {
    if (!hwnd) return nullptr;
    for (const FormControlRef& control : controls_) {
        auto* windowed = dynamic_cast<WindowedControl*>(control.get());
        if (windowed && windowed->Hwnd() == hwnd) return control;
    }
    return nullptr;
}

// The custom pointer of the control under the mouse, if it has one.
bool Form::OnSetCursor(HWND over, int hitTest) {
    WindowedControl* control = hitTest == HTCLIENT ? WindowedOf(over) : nullptr;
    HCURSOR cursor = control ? control->Cursor() : nullptr;
    if (!cursor) return false;
    SetCursor(cursor);
    return true;
}

// The control that had the focus gets it back when the window is active again.
void Form::OnActivate(bool active) {
    if (!active) {
        focusBeforeDeactivation_ = GetFocus();
    } else if (focusBeforeDeactivation_ && IsChild(hwnd_, focusBeforeDeactivation_)) {
        SetFocus(focusBeforeDeactivation_);
    }
}

LRESULT CALLBACK Form::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = ObjectForMessage<Form>(hwnd, message, lParam);
    if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
    try {
        return self->HandleMessage(hwnd, message, wParam, lParam);
    } catch (...) {
        return 0;  // nothing leaves a window procedure
    }
}

// A key on its way to the form or one of its controls, offered by the event loop.
bool Form::PreTranslate(const MSG& msg) {
    if (!keyboardRules_) return false;
    const std::shared_ptr<Form> keep = shared_from_this();  // a click may let go of the form
    return ApplyKeyboardRules(hwnd_, ControlOf(GetFocus()), DefaultButton(), msg);
}

std::shared_ptr<ButtonControl> Form::DefaultButton() const {
    for (const FormControlRef& control : controls_) {
        auto button = std::dynamic_pointer_cast<ButtonControl>(control);
        if (button && button->IsDefault() && IsWindowEnabled(button->Hwnd()) && IsWindowVisible(button->Hwnd())) {
            return button;
        }
    }
    return nullptr;
}

LRESULT Form::HandleMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    // Only as the event loop sends it, from this thread: a registered message's number is known to
    // every process, and lParam is a pointer into this one.
    if (IsRegisteredMessage(message, PreTranslateMessageId())) {
        return !InSendMessage() && PreTranslate(*reinterpret_cast<const MSG*>(lParam));
    }
    switch (message) {
    case WM_CREATE:
        SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font_->Handle()), FALSE);
        if (icon_) SendMessageW(hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_.get()));
        if (smallIcon_) SendMessageW(hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_.get()));
        return 0;
    case WM_COMMAND: {
        WindowedControl* control = WindowedOf(reinterpret_cast<HWND>(lParam));
        if (control && control->OnCommand(HIWORD(wParam))) return 0;
        break;
    }
    case WM_DRAWITEM: {
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        WindowedControl* control = WindowedOf(item.hwndItem);
        if (control && control->OnDrawItem(item)) return TRUE;
        break;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT: {
        WindowedControl* control = WindowedOf(reinterpret_cast<HWND>(lParam));
        HBRUSH brush = control ? control->OnCtlColor(reinterpret_cast<HDC>(wParam)) : nullptr;
        if (brush) return reinterpret_cast<LRESULT>(brush);
        break;
    }
    case WM_SETCURSOR:
        if (OnSetCursor(reinterpret_cast<HWND>(wParam), LOWORD(lParam))) return TRUE;
        break;
    case WM_SYSCOLORCHANGE:
        EnumChildWindows(hwnd, &TellSysColorChange, 0);
        // System colours are read at each paint: paint everything again with the new ones.
        RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
        return 0;
    case WM_ACTIVATE:
        OnActivate(LOWORD(wParam) != WA_INACTIVE);
        if (LOWORD(wParam) != WA_INACTIVE && GetFocus() && IsChild(hwnd, GetFocus())) return 0;
        break;
    case WM_DESTROY:
        if (endLoopOnClose_) PostQuitMessage(0);
        return 0;
    case WM_NCDESTROY:
        UnlinkWindow(hwnd);
        hwnd_ = nullptr;
        break;
    default: break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace velkorin::win32::forms
