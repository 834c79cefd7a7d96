#pragma once

#include <string>

namespace velkorin {

// The current date and time as text in the user's regional formats.
class DateTimeText {
public:
    virtual ~DateTimeText() = default;
    virtual std::string DateText() = 0;  // today, in the user's short-date format
    virtual std::string TimeText() = 0;  // now, in the user's long-time format
};

}  // namespace velkorin
