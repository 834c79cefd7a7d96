#pragma once

#include <string>
#include <vector>

#include "runtime/Failure.h"
#include "runtime/Value.h"

namespace velkorin {

// A late-bound object of a component: members are reached by name at the moment of the call.
// Every operation either succeeds or throws a Failure carrying the component's number and text.
class AutomationObject {
public:
    virtual ~AutomationObject() = default;

    virtual Value Get(const std::string& property) = 0;
    virtual void Put(const std::string& property, const Value& value) = 0;
    // Positional arguments, first to last; Value::NotGiven() leaves an optional one to its default.
    virtual Value Call(const std::string& method, const std::vector<Value>& arguments) = 0;
};

// The object a slot holds, or the runtime's "not set" failure for an empty slot.
inline AutomationObject& Require(const ObjectRef& slot) {
    if (!slot) throw Failure::ObjectNotSet();
    return *slot;
}

}  // namespace velkorin
