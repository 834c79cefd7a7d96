#pragma once

#include <windows.h>
#include <ocidl.h>

#include "runtime/win32/ComPtr.h"
#include "runtime/win32/DispatchObject.h"

namespace velkorin::win32::forms {

// A standard OLE picture driven late-bound like any component object, except for what drawing
// asks of it. "Render" goes straight to IPicture::Render: Wine's IPictureDisp turns the method away
// when it is invoked as method-or-property-get, the way late-bound callers invoke methods. "Handle",
// "Width" and "Height" come from IPicture too: the first name asked through IDispatch loads the
// OLE type library, which costs a window that shows pictures tens of milliseconds at its first paint.
class PictureObject : public DispatchObject {
public:
    PictureObject(ComPtr<IDispatch> dispatch, ComPtr<IPicture> picture);

    Value Get(const std::string& property) override;
    Value Call(const std::string& method, const std::vector<Value>& arguments) override;

private:
    ComPtr<IPicture> picture_;
};

}  // namespace velkorin::win32::forms
