#pragma once

#include <cstdint>
#include <string>

namespace velkorin {

// The window's multi-line log box, Text1, as the log writer and the test run use it.
class LogBox {
public:
    virtual ~LogBox() = default;
    virtual std::string Text() = 0;                // lines separated by CR LF
    virtual void SetText(const std::string& text) = 0;
    virtual void SetSelStart(int32_t position) = 0;  // caret position in UTF-16 units
};

}  // namespace velkorin
