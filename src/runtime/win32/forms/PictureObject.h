#pragma once

#include <windows.h>
#include <ocidl.h>

#include "runtime/win32/ComPtr.h"
#include "runtime/win32/DispatchObject.h"

namespace velkorin::win32::forms {

// A standard OLE picture driven late-bound like any component object, except that "Render" goes
// straight to IPicture::Render: Wine's IPictureDisp turns the method away when it is invoked as
// method-or-property-get, the way late-bound callers invoke methods.
class PictureObject : public DispatchObject {
public:
    PictureObject(ComPtr<IDispatch> dispatch, ComPtr<IPicture> picture);

    Value Call(const std::string& method, const std::vector<Value>& arguments) override;

private:
    ComPtr<IPicture> picture_;
};

}  // namespace velkorin::win32::forms
