#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "runtime/FormControl.h"
#include "runtime/Units.h"
#include "runtime/win32/forms/ControlSite.h"
#include "runtime/win32/forms/ControlWindow.h"
#include "runtime/win32/forms/WindowText.h"
#include "runtime/PropertyTable.h"
#include "runtime/win32/TextConversion.h"

namespace velkorin::win32::forms {

// A control that is one child window: its kind, its properties by name and its window. It has no
// methods; every name it lacks is the runtime's 438.
class WindowedControl : public FormControl {
public:
    WindowedControl(const WindowedControl&) = delete;
    WindowedControl& operator=(const WindowedControl&) = delete;

    bool IsKindOf(const std::string& interfaceId) const override;
    Value Get(const std::string& property) override { return properties_.Get(property); }
    void Put(const std::string& property, const Value& value) override { properties_.Put(property, value); }
    Value Call(const std::string& method, const std::vector<Value>& arguments) override;

    HWND Hwnd() const { return hwnd_; }

    // The Click event: what runs when the control is clicked (none by default).
    void SetClickHandler(std::function<void()> handler) { onClick_ = std::move(handler); }

    // What the form hands on to the control that a message concerns. Each returns whether the
    // control dealt with it; the form's default processing applies otherwise.
    // A notification from the control's window (WM_COMMAND).
    virtual bool OnCommand(int notification);
    // The face of an owner-drawn control (WM_DRAWITEM).
    virtual bool OnDrawItem(const DRAWITEMSTRUCT& item);
    // Colours for a static or edit control's text and background (WM_CTLCOLOR*): the brush, or
    // nullptr to leave them to the system.
    virtual HBRUSH OnCtlColor(HDC dc);
    // The mouse pointer over the control: its custom cursor, or nullptr for the default arrow.
    HCURSOR Cursor() const;
    // What accessibility clients are told of a control of a system class: its role, and the window
    // whose text names it. Not a frame: its window is its own object's, and describing it fails.
    void Describe(AccessibleRole role, HWND namedBy) { Front().Describe({role, namedBy}); }

protected:
    // `kind` is one of control_kind's identifiers, or empty for a kind the module does not know.
    // `hwnd` may come later (`Attach`) for a window that is made with its object.
    WindowedControl(HWND hwnd, std::string kind, std::weak_ptr<ControlSite> site = {});
    void Attach(HWND hwnd) { hwnd_ = hwnd; }

    // The form that holds the control; nothing once the form is gone.
    std::shared_ptr<ControlSite> Site() const { return site_.lock(); }

    // "hWnd", read-only.
    void AddHandleProperty();
    // "Parent", read-only: the form; 91 once the form is gone.
    void AddParentProperty();
    // "Enabled": reading asks the window, writing enables or disables it.
    void AddEnabledProperty();
    // "Caption": the window's text; `changed` runs after each write.
    void AddCaptionProperty(std::function<void()> changed);
    // "MousePointer" (0 the default arrow, 99 the custom pointer) and "MouseIcon" (a picture whose
    // handle is a cursor or an icon; nothing clears it).
    void AddPointerProperties();
    // Runs the Click event, if any.
    void RaiseClick() const;
    // The runtime's procedure in front of the window's own, put there at the first call.
    ControlWindow& Front();

    PropertyTable properties_;

private:
    HWND hwnd_;
    std::string kind_;
    std::weak_ptr<ControlSite> site_;
    std::function<void()> onClick_;
    std::unique_ptr<ControlWindow> front_;
    int32_t mousePointer_ = 0;
    ObjectRef mouseIcon_;
};

namespace mouse_pointer {
constexpr int32_t kDefault = 0;
constexpr int32_t kCustom = 99;
}  // namespace mouse_pointer

// A window or GDI handle as the 32-bit whole number that "hWnd" and "hFont" give.
Value HandleValue(const void* handle);
// And back, widened as the platform widens a 32-bit handle: sign-extended.
template <class H>
H HandleFromValue(const Value& value) {
    return reinterpret_cast<H>(units::HandleFromLong(value.AsInteger()));
}

}  // namespace velkorin::win32::forms
