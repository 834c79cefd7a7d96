#include "runtime/Value.h"

#include <cmath>
#include <limits>

#include "runtime/Failure.h"
#include "runtime/NumberText.h"
#include "runtime/Rounding.h"

namespace velkorin {

Value Value::NotGiven() {
    Value v;
    v.data_ = NotGivenTag{};
    return v;
}

namespace {

// Text that reads as a number converts, as it does for any Automation client.
double ParseNumber(const std::string& text) {
    double d = 0.0;
    size_t consumed = 0;
    if (!ReadDouble(text.c_str(), d, consumed)) throw Failure::TypeMismatch();
    const char* end = text.c_str() + consumed;
    while (*end == ' ' || *end == '\t') ++end;
    if (*end != '\0') throw Failure::TypeMismatch();
    return d;
}

}  // namespace

bool Value::AsBoolean() const {
    switch (GetKind()) {
    case Kind::Empty: return false;
    case Kind::Boolean: return std::get<bool>(data_);
    case Kind::Integer: return std::get<int32_t>(data_) != 0;
    case Kind::Double: return std::get<double>(data_) != 0.0;
    case Kind::Text: {
        const std::string& t = std::get<std::string>(data_);
        if (t == "True" || t == "true" || t == "TRUE") return true;
        if (t == "False" || t == "false" || t == "FALSE") return false;
        return ParseNumber(t) != 0.0;
    }
    default: throw Failure::TypeMismatch();
    }
}

int32_t Value::AsInteger() const {
    switch (GetKind()) {
    case Kind::Empty: return 0;
    case Kind::Boolean: return std::get<bool>(data_) ? -1 : 0;
    case Kind::Integer: return std::get<int32_t>(data_);
    case Kind::Double: return RoundHalfEvenToInt32(std::get<double>(data_));
    case Kind::Text: return RoundHalfEvenToInt32(ParseNumber(std::get<std::string>(data_)));
    default: throw Failure::TypeMismatch();
    }
}

double Value::AsDouble() const {
    switch (GetKind()) {
    case Kind::Empty: return 0.0;
    case Kind::Boolean: return std::get<bool>(data_) ? -1.0 : 0.0;
    case Kind::Integer: return std::get<int32_t>(data_);
    case Kind::Double: return std::get<double>(data_);
    case Kind::Text: return ParseNumber(std::get<std::string>(data_));
    default: throw Failure::TypeMismatch();
    }
}

std::string Value::AsText() const {
    switch (GetKind()) {
    case Kind::Empty: return std::string();
    case Kind::Boolean: return std::get<bool>(data_) ? "True" : "False";
    case Kind::Integer: return std::to_string(std::get<int32_t>(data_));
    case Kind::Double: return DoubleText(std::get<double>(data_));
    case Kind::Text: return std::get<std::string>(data_);
    default: throw Failure::TypeMismatch();
    }
}

ObjectRef Value::AsObject() const {
    if (GetKind() == Kind::Object) return std::get<ObjectRef>(data_);
    if (GetKind() == Kind::Empty) return nullptr;
    throw Failure::TypeMismatch();
}

const char* KindName(Value::Kind kind) {
    switch (kind) {
    case Value::Kind::Empty: return "Empty";
    case Value::Kind::NotGiven: return "NotGiven";
    case Value::Kind::Boolean: return "Boolean";
    case Value::Kind::Integer: return "Integer";
    case Value::Kind::Double: return "Double";
    case Value::Kind::Text: return "Text";
    case Value::Kind::Object: return "Object";
    }
    return "?";
}

std::string Describe(const Value& value) {
    switch (value.GetKind()) {
    case Value::Kind::Empty:
    case Value::Kind::NotGiven:
    case Value::Kind::Object: return KindName(value.GetKind());
    case Value::Kind::Text: return "Text \"" + value.AsText() + "\"";
    case Value::Kind::Boolean: return std::string("Boolean ") + (value.AsBoolean() ? "true" : "false");
    default: return std::string(KindName(value.GetKind())) + " " + value.AsText();
    }
}

}  // namespace velkorin
