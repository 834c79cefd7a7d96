#include "selftest/ControlLogBox.h"

#include "runtime/Failure.h"

namespace velkorin {

FormControl& ControlLogBox::Box() const {
    if (!box_) throw Failure::ObjectNotSet();
    return *box_;
}

std::string ControlLogBox::Text() { return Box().Get("Text").AsText(); }

void ControlLogBox::SetText(const std::string& text) { Box().Put("Text", Value(text)); }

void ControlLogBox::SetSelStart(int32_t position) { Box().Put("SelStart", Value(position)); }

}  // namespace velkorin
