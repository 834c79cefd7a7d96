#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "runtime/FormControl.h"

namespace velkorin::fakes {

// A form control (or form, or font) read by property name; a property it lacks is the runtime's 438,
// and a test can make any property fail. Records the names read, in order. Its kind is the one
// interface identifier its type test answers to (none by default: a label, an image...).
class FakeControl : public FormControl {
public:
    FakeControl() = default;
    explicit FakeControl(std::string kindId) : kind(std::move(kindId)) {}

    bool IsKindOf(const std::string& interfaceId) const override { return !kind.empty() && interfaceId == kind; }

    Value Get(const std::string& property) override {
        reads.push_back(property);
        if (failing.count(property)) throw Failure(380, "Invalid property value");
        auto found = properties.find(property);
        if (found == properties.end()) throw Failure::NoSuchMember();
        return found->second;
    }
    void Put(const std::string& property, const Value& value) override { properties[property] = value; }
    Value Call(const std::string&, const std::vector<Value>&) override { throw Failure::NoSuchMember(); }

    std::string kind;
    std::map<std::string, Value> properties;
    std::set<std::string> failing;
    std::vector<std::string> reads;
};

}  // namespace velkorin::fakes
