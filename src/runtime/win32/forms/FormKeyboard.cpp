#include "runtime/win32/forms/FormKeyboard.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "runtime/KeyboardRules.h"
#include "runtime/win32/ComFailure.h"
#include "runtime/win32/forms/Form.h"

namespace velkorin::win32::forms {

namespace {

std::vector<Form*>& FormsWithRules() {
    static std::vector<Form*> forms;
    return forms;
}

HHOOK& KeyHook() {
    static HHOOK hook = nullptr;
    return hook;
}

Form* FormOf(HWND hwnd) {
    for (Form* form : FormsWithRules()) {
        if (form->Hwnd() && (hwnd == form->Hwnd() || IsChild(form->Hwnd(), hwnd))) return form;
    }
    return nullptr;
}

// The control object decides, not the window's style: a graphical command button is owner-drawn.
FocusedKind KindOf(const FormControl* focused) {
    if (!focused) return FocusedKind::Other;
    if (focused->IsKindOf(control_kind::kCommandButton)) return FocusedKind::CommandButton;
    auto* box = dynamic_cast<const TextBoxControl*>(focused);
    return box && box->MultiLine() ? FocusedKind::TextBox : FocusedKind::Other;
}

std::shared_ptr<ButtonControl> DefaultButton(const Form& form) {
    for (const FormControlRef& control : form.Controls()) {
        auto button = std::dynamic_pointer_cast<ButtonControl>(control);
        if (button && button->IsDefault() && IsWindowEnabled(button->Hwnd()) && IsWindowVisible(button->Hwnd())) {
            return button;
        }
    }
    return nullptr;
}

void MoveFocus(HWND form, HWND focus, bool backwards) {
    // Tab stops in window order, which the form keeps in tab-index order; wraps around at either end.
    HWND next = GetNextDlgTabItem(form, IsChild(form, focus) ? focus : nullptr, backwards);
    if (next) SetFocus(next);
    // The keyboard is in use: focus rectangles show from now on, as after Tab in any dialog.
    SendMessageW(form, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
}

void Click(const FormControlRef& control) {
    if (auto* button = dynamic_cast<ButtonControl*>(control.get())) button->OnClicked();
}

// Returns true when the message was handled here and must go no further.
bool HandleKey(Form& form, const MSG& msg) {
    const std::shared_ptr<Form> keep = form.shared_from_this();  // a click may let go of the form
    KeyPress key;
    key.virtualKey = static_cast<uint32_t>(msg.wParam);
    key.shift = GetKeyState(VK_SHIFT) < 0;
    key.control = GetKeyState(VK_CONTROL) < 0;
    key.repeat = (msg.lParam & (1L << 30)) != 0;  // the key was already down
    const HWND focus = GetFocus();
    const FormControlRef focused = form.ControlOf(focus);
    key.focused = KindOf(focused.get());
    const std::shared_ptr<ButtonControl> defaultButton = DefaultButton(form);
    key.defaultButton = defaultButton != nullptr;
    switch (ActionForKey(key)) {
    case KeyAction::Deliver: return false;
    case KeyAction::Swallow: return true;
    case KeyAction::FocusNext: MoveFocus(form.Hwnd(), focus, false); return true;
    case KeyAction::FocusPrevious: MoveFocus(form.Hwnd(), focus, true); return true;
    case KeyAction::ClickFocused: Click(focused); return true;
    case KeyAction::ClickDefault: Click(defaultButton); return true;
    }
    return false;
}

// Sees every message a loop of the thread takes from the queue; a handled key becomes WM_NULL.
LRESULT CALLBACK KeyboardHook(int code, WPARAM removal, LPARAM message) {
    auto& msg = *reinterpret_cast<MSG*>(message);
    if (code == HC_ACTION && removal == PM_REMOVE && msg.message == WM_KEYDOWN) {
        try {
            Form* form = FormOf(msg.hwnd);
            if (form && HandleKey(*form, msg)) msg.message = WM_NULL;
        } catch (...) {
            // nothing leaves a hook procedure
        }
    }
    return CallNextHookEx(KeyHook(), code, removal, message);
}

}  // namespace

void ApplyKeyboardRules(Form& form) {
    std::vector<Form*>& forms = FormsWithRules();
    if (std::find(forms.begin(), forms.end(), &form) != forms.end()) return;
    forms.reserve(forms.size() + 1);  // no failure once the hook is set
    if (!KeyHook()) {
        KeyHook() = SetWindowsHookExW(WH_GETMESSAGE, &KeyboardHook, nullptr, GetCurrentThreadId());
        if (!KeyHook()) throw FailureFromLastError();
    }
    forms.push_back(&form);
}

void StopKeyboardRules(const Form& form) {
    std::vector<Form*>& forms = FormsWithRules();
    forms.erase(std::remove(forms.begin(), forms.end(), &form), forms.end());
    if (forms.empty() && KeyHook()) {
        UnhookWindowsHookEx(KeyHook());
        KeyHook() = nullptr;
    }
}

}  // namespace velkorin::win32::forms
