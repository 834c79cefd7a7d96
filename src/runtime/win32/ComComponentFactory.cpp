#include "runtime/win32/ComComponentFactory.h"

#include <windows.h>
#include <objbase.h>

#include "runtime/win32/ComFailure.h"
#include "runtime/win32/ComPtr.h"
#include "runtime/win32/DispatchObject.h"
#include "runtime/win32/TextConversion.h"

namespace velkorin::win32 {

ObjectRef ComComponentFactory::Create(const std::string& classId) {
    WideText wide = Utf8ToWide(classId);
    CLSID clsid = {};
    HRESULT hr = CLSIDFromString(wide.c_str(), &clsid);
    if (FAILED(hr)) throw FailureFromHresult(hr);

    ComPtr<IUnknown> unknown;
    hr = CoCreateInstance(clsid, nullptr, CLSCTX_SERVER, IID_IUnknown, unknown.PutVoid());
    if (FAILED(hr)) throw FailureFromHresult(hr);
    return ObjectValue(unknown.Get()).AsObject();
}

}  // namespace velkorin::win32
