#include "runtime/ButtonRules.h"

#include "runtime/Failure.h"

namespace velkorin {

Value ButtonValue(ButtonKind kind, int32_t value, bool clickRunning) {
    switch (kind) {
    case ButtonKind::Command: return Value(clickRunning);
    case ButtonKind::Option: return Value(value != 0);
    case ButtonKind::Check: return Value(value);
    }
    return Value();
}

WrittenButtonValue ButtonValueWritten(ButtonKind kind, const Value& written) {
    WrittenButtonValue result;
    switch (kind) {
    case ButtonKind::Command: result.click = written.AsBoolean(); break;
    case ButtonKind::Option: result.value = written.AsBoolean() ? 1 : 0; break;
    case ButtonKind::Check:
        result.value = written.GetKind() == Value::Kind::Boolean ? (written.AsBoolean() ? 1 : 0) : written.AsInteger();
        if (result.value != 0 && result.value != 1) throw Failure::InvalidPropertyValue();
        break;
    }
    return result;
}

bool OptionClears(const ButtonPlace& chosen, const ButtonPlace& other) {
    return other.kind == ButtonKind::Option && other.container == chosen.container && other.set;
}

bool DefaultClears(const ButtonPlace& other) { return other.kind == ButtonKind::Command && other.set; }

}  // namespace velkorin
