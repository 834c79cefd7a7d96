#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "AutomationObject.h"
#include "ButtonControl.h"
#include "FontObject.h"
#include "FormControl.h"
#include "FrameControl.h"
#include "PropertyTable.h"

namespace velkorin::win32::forms {

struct FormArgs {
    std::string caption;
    int left = CW_USEDEFAULT;  // screen position of the window's top-left corner
    int top = CW_USEDEFAULT;
    int clientWidth = 320;
    int clientHeight = 240;
    std::shared_ptr<FontObject> font;  // the form's and its controls' font; the message font when none
    bool endLoopOnClose = false;       // closing the window posts the quit message
};

struct ControlArgs {
    std::string caption;
    int left = 0;  // pixels, in the client area of the container
    int top = 0;
    int width = 0;
    int height = 0;
    int32_t style = button_style::kStandard;  // buttons only
    std::shared_ptr<FrameControl> container;  // none: the form itself
};

// A top-level window that owns its controls. The controls are shared-owned and kept at least as
// long as their windows: the windows are destroyed before the form lets go of the objects, so a
// window procedure that finds a control by its identity never finds a dead one. The form is itself
// an object with "hWnd", "Caption" and "ActiveControl" (the control that has the focus).
class Form : public AutomationObject, public std::enable_shared_from_this<Form> {
public:
    static constexpr const wchar_t* kClassName = L"VelkorinForm";

    // The window, not yet visible. Throws when the window cannot be made.
    static std::shared_ptr<Form> Create(const FormArgs& args);
    ~Form() override;
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    HWND Hwnd() const { return hwnd_; }
    // Every control, in creation order.
    const ControlCollection& Controls() const { return controls_; }

    std::shared_ptr<FrameControl> AddFrame(const ControlArgs& args);
    std::shared_ptr<ButtonControl> AddButton(ButtonKind kind, const ControlArgs& args);
    void Show(int command = SW_SHOWNORMAL);

    Value Get(const std::string& property) override { return properties_.Get(property); }
    void Put(const std::string& property, const Value& value) override { properties_.Put(property, value); }
    Value Call(const std::string& method, const std::vector<Value>& arguments) override;

    // Option buttons share one choice per container: setting one clears the others beside it.
    void ClearOtherOptions(const ButtonControl& chosen);
    // One default command button per form.
    void ClearOtherDefaults(const ButtonControl& chosen);

private:
    explicit Form(const FormArgs& args);
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    HWND CreateChild(const wchar_t* className, const ControlArgs& args, DWORD style, DWORD exStyle);
    ButtonControl* ButtonOf(HWND hwnd) const;
    FormControlRef ControlOf(HWND hwnd) const;
    void OnActivate(bool active);

    HWND hwnd_ = nullptr;
    HWND focusBeforeDeactivation_ = nullptr;
    bool endLoopOnClose_;
    std::shared_ptr<FontObject> font_;
    ControlCollection controls_;
    int nextControlId_;
    PropertyTable properties_;
};

}  // namespace velkorin::win32::forms
