#pragma once

#include <map>
#include <string>
#include <vector>

#include "runtime/FormControl.h"

namespace velkorin::bench {

// A control object that answers its properties from a table, as a form's control answers them by
// name; a property it lacks is the runtime's 438. It records nothing, so a long series costs no
// more at its end than at its start.
class PropertyControl : public FormControl {
public:
    bool IsKindOf(const std::string& interfaceId) const override { return interfaceId == control_kind::kCommandButton; }
    Value Get(const std::string& property) override {
        auto found = properties.find(property);
        if (found == properties.end()) throw Failure::NoSuchMember();
        return found->second;
    }
    void Put(const std::string& property, const Value& value) override { properties[property] = value; }
    Value Call(const std::string&, const std::vector<Value>&) override { throw Failure::NoSuchMember(); }

    std::map<std::string, Value> properties;
};

}  // namespace velkorin::bench
