#pragma once

#include <deque>
#include <map>
#include <optional>
#include <string>

#include "runtime/AutomationObject.h"

namespace velkorin::fakes {

// An OLE picture read late-bound. Each read of a property answers its value; a test can queue
// answers for the next reads of a property, a failure among them.
class FakePicture : public AutomationObject {
public:
    FakePicture(int32_t handle, int32_t type) {
        values_["Handle"] = Value(handle);
        values_["Type"] = Value(type);
        values_["Width"] = Value(int32_t{423});  // 16 pixels at 96 dots per inch
        values_["Height"] = Value(int32_t{423});
    }

    Value Get(const std::string& property) override {
        ++reads[property];
        auto queued = queue_.find(property);
        if (queued != queue_.end() && !queued->second.empty()) {
            std::optional<Value> next = queued->second.front();
            queued->second.pop_front();
            if (!next) throw Failure(481, "Invalid picture");
            return *next;
        }
        auto found = values_.find(property);
        if (found == values_.end()) throw Failure::NoSuchMember();
        return found->second;
    }
    void Put(const std::string&, const Value&) override { throw Failure::NoSuchMember(); }
    Value Call(const std::string& method, const std::vector<Value>& arguments) override {
        if (method != "Render") throw Failure::NoSuchMember();
        std::string line = "Render(";
        for (size_t i = 0; i < arguments.size(); ++i) line += (i ? "," : "") + arguments[i].AsText();
        renders.push_back(line + ")");
        return Value();
    }

    std::vector<std::string> renders;

    void Set(const std::string& property, Value value) { values_[property] = std::move(value); }
    // The next read of property fails (nullopt) or answers value.
    void Queue(const std::string& property, std::optional<Value> answer) { queue_[property].push_back(answer); }

    std::map<std::string, int> reads;

private:
    std::map<std::string, Value> values_;
    std::map<std::string, std::deque<std::optional<Value>>> queue_;
};

}  // namespace velkorin::fakes
