#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace velkorin::fakes {

// One platform call as the recording fake saw it: the function, and each argument under its
// parameter's name, written as ArgumentText writes it. Whole sequences compare with their texts,
// "SetPropA(64,Hot,1)"; a test that cares for one argument asks for it by name.
struct RecordedCall {
    std::string function;
    std::vector<std::string_view> names;
    std::vector<std::string> arguments;

    const std::string& operator[](std::string_view name) const;
    std::string Text() const;
};

inline bool operator==(const RecordedCall& call, std::string_view text) { return call.Text() == text; }
bool operator==(const std::vector<RecordedCall>& calls, const std::vector<std::string>& texts);
inline std::ostream& operator<<(std::ostream& out, const RecordedCall& call) { return out << call.Text(); }

}  // namespace velkorin::fakes
