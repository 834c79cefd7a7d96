#pragma once

#include <windows.h>

#include <functional>
#include <memory>

#include "runtime/ButtonRules.h"
#include "runtime/win32/forms/WindowedControl.h"

namespace velkorin::win32::forms {

using velkorin::ButtonKind;

namespace button_style {
constexpr int32_t kStandard = 0;   // the platform's own button, check box or radio button
constexpr int32_t kGraphical = 1;  // a push button face with pictures, drawn by the control
}  // namespace button_style

// A command button, option button or check box of a form, in the standard or the graphical style.
// A graphical one is an owner-drawn BUTTON: its parent routes the drawing back here, and without
// visual styles it paints its classic face with the picture of its state. A graphical option button
// or check box looks like a push button that stays pushed while "Value" is set.
class ButtonControl : public WindowedControl {
public:
    ButtonControl(ButtonKind kind, HWND hwnd, int32_t style, std::weak_ptr<ControlSite> site, ObjectRef font);

    ButtonKind Kind() const { return kind_; }
    bool Graphical() const { return style_ == button_style::kGraphical; }
    bool IsSet() const { return value_ != 0; }
    bool IsDefault() const { return default_; }
    // The button as the one-choice rules see it (runtime/ButtonRules.h).
    ButtonPlace Place() const;

    // A click from the window, by mouse or keyboard: a check box toggles, an option button is set
    // (and the other option buttons of its container cleared), then the Click event runs.
    void OnClicked();
    bool OnCommand(int notification) override;
    // The owner-drawn face, routed here by the parent.
    bool OnDrawItem(const DRAWITEMSTRUCT& item) override;

    // Without events: for an option button that is set, the others of its container are cleared.
    void SetValue(int32_t value);
    void SetDefault(bool isDefault);

private:
    void AddProperties();
    void AddPictureProperty(const char* name, ObjectRef& slot);
    void AddColorProperty(const char* name, int32_t& slot);
    void RaiseClickWithValue();
    void Redraw() const;
    void WriteValue(const Value& value);

    ButtonKind kind_;
    int32_t style_;
    ObjectRef font_;
    ObjectRef picture_, downPicture_, disabledPicture_;
    int32_t value_ = 0;
    int clicksRunning_ = 0;  // a click raised inside another one ends first
    bool default_ = false;
    bool useMaskColor_ = false;
    int32_t maskColor_;
    int32_t backColor_;
};

}  // namespace velkorin::win32::forms
