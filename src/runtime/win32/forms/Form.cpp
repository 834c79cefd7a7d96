#include "Form.h"

#include "ComFailure.h"
#include "TextConversion.h"

namespace velkorin::win32::forms {

namespace {

constexpr DWORD kFormStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr int kFirstControlId = 1000;

void RegisterFormClass(WNDPROC procedure) {
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = procedure;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = Form::kClassName;
    if (!RegisterClassExW(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) throw FailureFromLastError();
}

DWORD ButtonWindowStyle(ButtonKind kind, int32_t style) {
    if (style == button_style::kGraphical) return BS_OWNERDRAW;
    switch (kind) {
    case ButtonKind::Command: return BS_PUSHBUTTON;
    case ButtonKind::Option: return BS_RADIOBUTTON;  // the control keeps the choice, not the dialog manager
    case ButtonKind::Check: return BS_CHECKBOX;
    }
    return BS_PUSHBUTTON;
}

}  // namespace

std::shared_ptr<Form> Form::Create(const FormArgs& args) { return std::shared_ptr<Form>(new Form(args)); }

Form::Form(const FormArgs& args)
    : endLoopOnClose_(args.endLoopOnClose),
      font_(args.font ? args.font : FontObject::MessageFont()),
      nextControlId_(kFirstControlId) {
    RegisterFormClass(&Form::WindowProc);
    FrameControl::RegisterWindowClass();
    RECT frame = {0, 0, args.clientWidth, args.clientHeight};
    AdjustWindowRectEx(&frame, kFormStyle, FALSE, 0);
    CreateWindowExW(0, kClassName, Utf8ToWide(args.caption).c_str(), kFormStyle, args.left, args.top,
                    frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr, GetModuleHandleW(nullptr),
                    this);
    if (!hwnd_) throw FailureFromLastError();
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font_->Handle()), FALSE);

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
    // Windows first: their procedures may still reach the control objects while they go.
    if (hwnd_) DestroyWindow(hwnd_);
}

Value Form::Call(const std::string&, const std::vector<Value>&) { throw Failure::NoSuchMember(); }

void Form::Show(int command) {
    ShowWindow(hwnd_, command);
    UpdateWindow(hwnd_);
}

HWND Form::CreateChild(const wchar_t* className, const ControlArgs& args, DWORD style, DWORD exStyle) {
    HWND parent = args.container ? args.container->Hwnd() : hwnd_;
    HWND child = CreateWindowExW(exStyle, className, Utf8ToWide(args.caption).c_str(), WS_CHILD | WS_VISIBLE | style,
                                 args.left, args.top, args.width, args.height, parent,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(nextControlId_)),
                                 GetModuleHandleW(nullptr), nullptr);
    if (!child) throw FailureFromLastError();
    ++nextControlId_;
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font_->Handle()), FALSE);
    return child;
}

std::shared_ptr<FrameControl> Form::AddFrame(const ControlArgs& args) {
    HWND hwnd = CreateChild(FrameControl::kClassName, args, WS_CLIPSIBLINGS, WS_EX_CONTROLPARENT);
    auto frame = std::make_shared<FrameControl>(hwnd, weak_from_this(), font_);
    controls_.push_back(frame);
    return frame;
}

std::shared_ptr<ButtonControl> Form::AddButton(ButtonKind kind, const ControlArgs& args) {
    HWND hwnd = CreateChild(L"BUTTON", args, WS_TABSTOP | ButtonWindowStyle(kind, args.style), 0);
    auto button = std::make_shared<ButtonControl>(kind, hwnd, args.style, weak_from_this(), font_);
    controls_.push_back(button);
    return button;
}

void Form::ClearOtherOptions(const ButtonControl& chosen) {
    HWND container = GetParent(chosen.Hwnd());
    for (const FormControlRef& control : controls_) {
        auto* button = dynamic_cast<ButtonControl*>(control.get());
        if (!button || button == &chosen || button->Kind() != ButtonKind::Option) continue;
        if (GetParent(button->Hwnd()) == container && button->IsSet()) button->SetValue(0);
    }
}

void Form::ClearOtherDefaults(const ButtonControl& chosen) {
    for (const FormControlRef& control : controls_) {
        auto* button = dynamic_cast<ButtonControl*>(control.get());
        if (button && button != &chosen && button->Kind() == ButtonKind::Command) {
            if (button->IsDefault()) button->SetDefault(false);
        }
    }
}

FormControlRef Form::ControlOf(HWND hwnd) const {
    if (!hwnd) return nullptr;
    for (const FormControlRef& control : controls_) {
        auto* windowed = dynamic_cast<WindowedControl*>(control.get());
        if (windowed && windowed->Hwnd() == hwnd) return control;
    }
    return nullptr;
}

ButtonControl* Form::ButtonOf(HWND hwnd) const { return dynamic_cast<ButtonControl*>(ControlOf(hwnd).get()); }

// The control that had the focus gets it back when the window is active again.
void Form::OnActivate(bool active) {
    if (!active) {
        focusBeforeDeactivation_ = GetFocus();
    } else if (focusBeforeDeactivation_ && IsChild(hwnd_, focusBeforeDeactivation_)) {
        SetFocus(focusBeforeDeactivation_);
    }
}

LRESULT CALLBACK Form::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<Form*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Form*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
    try {
        return self->HandleMessage(message, wParam, lParam);
    } catch (...) {
        return 0;  // nothing leaves a window procedure
    }
}

LRESULT Form::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    const HWND hwnd = hwnd_;
    switch (message) {
    case WM_COMMAND: {
        const WORD notification = HIWORD(wParam);
        ButtonControl* button = ButtonOf(reinterpret_cast<HWND>(lParam));
        if (button && (notification == BN_CLICKED || notification == BN_DOUBLECLICKED)) {
            button->OnClicked();
            return 0;
        }
        break;
    }
    case WM_DRAWITEM: {
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        ButtonControl* button = item.CtlType == ODT_BUTTON ? ButtonOf(item.hwndItem) : nullptr;
        if (!button) break;
        button->OnDrawItem(item);
        return TRUE;
    }
    case WM_ACTIVATE:
        OnActivate(LOWORD(wParam) != WA_INACTIVE);
        if (LOWORD(wParam) != WA_INACTIVE && GetFocus() && IsChild(hwnd_, GetFocus())) return 0;
        break;
    case WM_DESTROY:
        if (endLoopOnClose_) PostQuitMessage(0);
        return 0;
    case WM_NCDESTROY:
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        hwnd_ = nullptr;
        break;
    default: break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace velkorin::win32::forms
