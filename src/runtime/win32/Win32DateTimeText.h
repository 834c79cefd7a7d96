#pragma once

#include "runtime/DateTimeText.h"

namespace velkorin::win32 {

// Today's date in the user's short-date format and the time in the user's long-time format.
class Win32DateTimeText : public DateTimeText {
public:
    std::string DateText() override;
    std::string TimeText() override;
};

}  // namespace velkorin::win32
