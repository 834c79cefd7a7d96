#pragma once

#include <windows.h>
#include <oaidl.h>

#include <string>
#include <utility>
#include <vector>

#include "runtime/AutomationObject.h"
#include "runtime/win32/ComPtr.h"

namespace velkorin::win32 {

// A component's object driven late-bound through IDispatch: each member is looked up by name
// (GetIDsOfNames) at its first call, and its identifier kept for the object's later calls. An
// object's member identifiers do not change while it lives; asking again costs milliseconds a call
// on some systems' picture objects.
class DispatchObject : public AutomationObject {
public:
    explicit DispatchObject(ComPtr<IDispatch> dispatch) : dispatch_(std::move(dispatch)) {}

    Value Get(const std::string& property) override;
    void Put(const std::string& property, const Value& value) override;
    Value Call(const std::string& method, const std::vector<Value>& arguments) override;

    IDispatch* Dispatch() const { return dispatch_.Get(); }

private:
    DISPID IdOf(const std::string& name);
    Value Invoke(const std::string& name, WORD flags, const std::vector<Value>& arguments);

    ComPtr<IDispatch> dispatch_;
    std::vector<std::pair<std::string, DISPID>> ids_;  // few members per object: a list is enough
};

// An object reference from COM, wrapped for the core; an empty value for a null pointer.
Value ObjectValue(IUnknown* unknown);

}  // namespace velkorin::win32
