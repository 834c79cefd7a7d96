#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "runtime/AutomationObject.h"
#include "runtime/win32/forms/ButtonControl.h"
#include "runtime/win32/forms/ControlSite.h"
#include "runtime/win32/ScopedHandles.h"
#include "runtime/win32/forms/FontObject.h"
#include "runtime/FormControl.h"
#include "runtime/win32/forms/FrameControl.h"
#include "runtime/win32/forms/ImageControl.h"
#include "runtime/win32/forms/LabelControl.h"
#include "runtime/PropertyTable.h"
#include "runtime/win32/forms/TextBoxControl.h"

namespace velkorin::win32::forms {

struct FormArgs {
    std::string name = "Form";  // the window class is "Velkorin" and the name ("VelkorinFrmMain")
    std::string caption;
    int left = CW_USEDEFAULT;  // screen position of the window's top-left corner
    int top = CW_USEDEFAULT;
    bool centred = false;      // centred on the screen instead
    int clientWidth = 320;
    int clientHeight = 240;
    bool minButton = true;     // a minimize button on the title bar
    std::shared_ptr<FontObject> font;  // the form's and its controls' font; the message font when none
    HINSTANCE iconModule = nullptr;    // the window's icon: group `iconId` of this module, if any
    int iconId = 0;
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
    int tabIndex = -1;  // the place in the tab order of a control that takes the focus; -1: after the others
    int id = 0;         // the child window's id; 0: the next one
};

// A top-level window that owns its controls. The controls are shared-owned and kept at least as
// long as their windows: the windows are destroyed before the form lets go of the objects, so a
// window procedure that finds a control by its identity never finds a dead one. The form is itself
// an object with "hWnd", "Caption" and "ActiveControl" (the control that has the focus).
class Form : public AutomationObject, public ControlSite, public std::enable_shared_from_this<Form> {
public:
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
    // A multi-line text box with a vertical scroll bar, without a length limit.
    std::shared_ptr<TextBoxControl> AddTextBox(const ControlArgs& args);
    std::shared_ptr<LabelControl> AddLabel(const ControlArgs& args, int32_t alignment = label_alignment::kLeft);
    std::shared_ptr<ImageControl> AddImage(const ControlArgs& args);
    // Puts the controls that take the focus in the order of their tab indexes, applies the form's
    // keyboard rules to its keys from now on (as the event loop offers them), shows the window and
    // gives the focus to the first of them.
    void Show(int command = SW_SHOWNORMAL);
    // The control object whose window `hwnd` is; nothing when there is none.
    FormControlRef ControlOf(HWND hwnd) const;

    Value Get(const std::string& property) override { return properties_.Get(property); }
    void Put(const std::string& property, const Value& value) override { properties_.Put(property, value); }
    Value Call(const std::string& method, const std::vector<Value>& arguments) override;

    // The site of the form's controls. Option buttons share one choice per container: setting one
    // clears the others beside it; one default command button per form.
    ObjectRef ParentObject() override { return shared_from_this(); }
    void OptionChosen(const ButtonControl& chosen) override;
    void DefaultChosen(const ButtonControl& chosen) override;

private:
    explicit Form(const FormArgs& args);
    // The window and the form's own properties. A failure leaves the window to the destructor.
    void Open(const FormArgs& args);
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    // A child window; `object` is what a window of the runtime's own classes is linked to.
    HWND CreateChild(const wchar_t* className, const ControlArgs& args, DWORD style, DWORD exStyle,
                     void* object = nullptr);
    // Its window, from its first message on.
    void Attach(HWND hwnd) { hwnd_ = hwnd; }
    template <class Object>
    friend Object* ObjectForMessage(HWND, UINT, LPARAM);
    template <class Control>
    std::shared_ptr<Control> Keep(std::shared_ptr<Control> control, const ControlArgs& args);
    void ArrangeTabOrder();
    WindowedControl* WindowedOf(HWND hwnd) const;
    void OnActivate(bool active);
    bool PreTranslate(const MSG& msg);
    std::shared_ptr<ButtonControl> DefaultButton() const;
    bool OnSetCursor(HWND over, int hitTest);

    HWND hwnd_ = nullptr;
    UniqueIcon icon_;
    UniqueIcon smallIcon_;
    HWND focusBeforeDeactivation_ = nullptr;
    bool endLoopOnClose_;
    bool keyboardRules_ = false;  // once shown
    std::shared_ptr<FontObject> font_;
    ControlCollection controls_;
    std::vector<std::pair<int, HWND>> tabOrder_;  // tab index, window
    int nextControlId_;
    PropertyTable properties_;
};

}  // namespace velkorin::win32::forms
