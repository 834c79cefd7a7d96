#pragma once

#include "runtime/AutomationObject.h"

namespace velkorin::win32::forms {

class ButtonControl;

// What a control may ask of the form that holds it; the form is the one site. A control keeps its
// site weakly: the form owns the controls, not the other way round.
class ControlSite {
public:
    // The form as an object, the controls' "Parent".
    virtual ObjectRef ParentObject() = 0;
    // An option button was set: the other option buttons of its container are cleared.
    virtual void OptionChosen(const ButtonControl& chosen) = 0;
    // A command button became the default: the form's other command buttons are not.
    virtual void DefaultChosen(const ButtonControl& chosen) = 0;

protected:
    ~ControlSite() = default;
};

}  // namespace velkorin::win32::forms
