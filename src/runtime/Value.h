#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <variant>

namespace velkorin {

class AutomationObject;
using ObjectRef = std::shared_ptr<AutomationObject>;

// A value passed to or from a component: empty, an optional argument that is not given, a boolean,
// a 32-bit integer, a double, a text (UTF-8) or an object. Conversions follow the Automation rules
// the components expect; an impossible one is a "Type mismatch" failure.
class Value {
public:
    enum class Kind { Empty, NotGiven, Boolean, Integer, Double, Text, Object };

    Value() = default;
    explicit Value(bool b) : data_(b) {}
    explicit Value(int32_t i) : data_(i) {}
    explicit Value(double d) : data_(d) {}
    explicit Value(std::string text) : data_(std::move(text)) {}
    explicit Value(const char* text) : data_(std::string(text)) {}
    explicit Value(ObjectRef object) : data_(std::move(object)) {}
    static Value NotGiven();

    Kind GetKind() const { return static_cast<Kind>(data_.index()); }

    bool AsBoolean() const;
    int32_t AsInteger() const;
    double AsDouble() const;
    std::string AsText() const;
    // An object value, or an empty object when the value is Empty; anything else does not convert.
    ObjectRef AsObject() const;

    bool operator==(const Value& other) const { return data_ == other.data_; }

private:
    struct EmptyTag {
        bool operator==(EmptyTag) const { return true; }
    };
    struct NotGivenTag {
        bool operator==(NotGivenTag) const { return true; }
    };
    std::variant<EmptyTag, NotGivenTag, bool, int32_t, double, std::string, ObjectRef> data_;
};

const char* KindName(Value::Kind kind);
// "Text \"abc\"", "Integer -1", "NotGiven": how tests and traces show a value.
std::string Describe(const Value& value);

}  // namespace velkorin
