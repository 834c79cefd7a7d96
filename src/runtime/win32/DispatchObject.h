#pragma once

#include <windows.h>
#include <oaidl.h>

#include "AutomationObject.h"
#include "ComPtr.h"

namespace velkorin::win32 {

// A component's object driven late-bound through IDispatch: each member is looked up by name
// (GetIDsOfNames) at the moment of the call.
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
};

// An object reference from COM, wrapped for the core; an empty value for a null pointer.
Value ObjectValue(IUnknown* unknown);

}  // namespace velkorin::win32
