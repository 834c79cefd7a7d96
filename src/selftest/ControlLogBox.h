#pragma once

#include "runtime/FormControl.h"
#include "selftest/LogBox.h"

namespace velkorin {

// Text1 read and written through its named properties "Text" and "SelStart", as any text box of
// the form runtime is. Before a box is attached, or once it is gone, each call fails as the runtime
// fails for a missing object.
class ControlLogBox : public LogBox {
public:
    void Attach(FormControlRef box) { box_ = std::move(box); }

    std::string Text() override;
    void SetText(const std::string& text) override;
    void SetSelStart(int32_t position) override;

private:
    FormControl& Box() const;
    FormControlRef box_;
};

}  // namespace velkorin
