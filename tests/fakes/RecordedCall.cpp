#include "fakes/RecordedCall.h"

#include <algorithm>
#include <stdexcept>

namespace velkorin::fakes {

const std::string& RecordedCall::operator[](std::string_view name) const {
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (names[i] == name) return arguments.at(i);
    }
    throw std::out_of_range(function + " has no parameter " + std::string(name));
}

std::string RecordedCall::Text() const {
    std::string text = function + "(";
    for (std::size_t i = 0; i < arguments.size(); ++i) text += (i ? "," : "") + arguments[i];
    return text + ")";
}

bool operator==(const std::vector<RecordedCall>& calls, const std::vector<std::string>& texts) {
    return std::equal(calls.begin(), calls.end(), texts.begin(), texts.end(),
                      [](const RecordedCall& call, const std::string& text) { return call == text; });
}

}  // namespace velkorin::fakes
