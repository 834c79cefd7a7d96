#pragma once

#include <string>
#include <vector>

#include "runtime/AutomationObject.h"
#include "common/CallTime.h"

namespace velkorin::bench {

// An object that passes every late-bound call to the real one and adds its time to a CallTime:
// how much of a paint goes to the OLE picture's own IDispatch.
class TimedObject : public AutomationObject {
public:
    TimedObject(ObjectRef real, CallTime& time) : real_(std::move(real)), time_(time) {}
    Value Get(const std::string& property) override {
        CallTimer timer(time_);
        return real_->Get(property);
    }
    void Put(const std::string& property, const Value& value) override {
        CallTimer timer(time_);
        real_->Put(property, value);
    }
    Value Call(const std::string& method, const std::vector<Value>& arguments) override {
        CallTimer timer(time_);
        return real_->Call(method, arguments);
    }

private:
    ObjectRef real_;
    CallTime& time_;
};

}  // namespace velkorin::bench
