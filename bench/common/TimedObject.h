#pragma once

#include <memory>
#include <string>
#include <vector>

#include "common/CallTime.h"
#include "runtime/AutomationObject.h"

namespace velkorin::bench {

// An object that passes every late-bound call to the real one and adds its time to a CallTime: how
// much of a paint goes to the OLE picture's own IDispatch, or of a run to the components'. Objects
// that a call returns come back timed the same way, and timed objects passed as arguments go to the
// real object as the real ones they stand for.
class TimedObject : public AutomationObject {
public:
    TimedObject(ObjectRef real, CallTime& time) : real_(std::move(real)), time_(time) {}
    static ObjectRef Wrap(ObjectRef real, CallTime& time) {
        return real ? std::make_shared<TimedObject>(std::move(real), time) : real;
    }

    Value Get(const std::string& property) override {
        Value result;
        {
            CallTimer timer(time_);
            result = real_->Get(property);
        }
        return Timed(result);
    }
    void Put(const std::string& property, const Value& value) override {
        const Value real = Real(value);
        CallTimer timer(time_);
        real_->Put(property, real);
    }
    Value Call(const std::string& method, const std::vector<Value>& arguments) override {
        std::vector<Value> real;
        for (const Value& argument : arguments) real.push_back(Real(argument));
        Value result;
        {
            CallTimer timer(time_);
            result = real_->Call(method, real);
        }
        return Timed(result);
    }

private:
    static bool HoldsObject(const Value& value) { return value.GetKind() == Value::Kind::Object; }
    Value Timed(const Value& value) const {
        return HoldsObject(value) ? Value(Wrap(value.AsObject(), time_)) : value;
    }
    static Value Real(const Value& value) {
        if (!HoldsObject(value)) return value;
        const auto* timed = dynamic_cast<const TimedObject*>(value.AsObject().get());
        return timed ? Value(timed->real_) : value;
    }

    ObjectRef real_;
    CallTime& time_;
};

}  // namespace velkorin::bench
