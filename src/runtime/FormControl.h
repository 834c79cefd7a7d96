#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "runtime/AutomationObject.h"

namespace velkorin {

// The toolkit's control kinds, each named by the interface identifier that its type test asks for.
namespace control_kind {
inline constexpr const char* kFrame = "{33AD4EE9-6699-11CF-B70C-00AA0060D393}";
inline constexpr const char* kCommandButton = "{33AD4EF1-6699-11CF-B70C-00AA0060D393}";
inline constexpr const char* kOptionButton = "{33AD4F01-6699-11CF-B70C-00AA0060D393}";
inline constexpr const char* kCheckBox = "{33AD4EF9-6699-11CF-B70C-00AA0060D393}";
}  // namespace control_kind

// A control of a form: its properties by name ("hWnd" among them) and the toolkit's type test.
// Control objects are shared-owned; a window procedure that finds one by its identity takes a
// counted reference through weak_from_this() for as long as it uses it.
class FormControl : public AutomationObject, public std::enable_shared_from_this<FormControl> {
public:
    // True when the control is of the kind that `interfaceId` names.
    virtual bool IsKindOf(const std::string& interfaceId) const = 0;
};

using FormControlRef = std::shared_ptr<FormControl>;

// A window's controls, in creation order.
using ControlCollection = std::vector<FormControlRef>;

// The identity of a control object: its address, as a window's reference data carries it. It holds
// no reference; it stays valid only while the object lives.
inline std::uintptr_t IdentityOf(const FormControl& control) { return reinterpret_cast<std::uintptr_t>(&control); }

// The control object whose identity `identity` is.
inline FormControl* FromIdentity(std::uintptr_t identity) { return reinterpret_cast<FormControl*>(identity); }

}  // namespace velkorin
