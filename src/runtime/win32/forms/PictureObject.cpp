#include "runtime/win32/forms/PictureObject.h"

#include "runtime/Names.h"
#include "runtime/Units.h"
#include "runtime/win32/ComFailure.h"

namespace velkorin::win32::forms {

namespace {

constexpr size_t kRenderArguments = 10;

bool IsRender(const std::string& name) { return SameName(name, "Render"); }

}  // namespace

PictureObject::PictureObject(ComPtr<IDispatch> dispatch, ComPtr<IPicture> picture)
    : DispatchObject(std::move(dispatch)), picture_(std::move(picture)) {}

Value PictureObject::Get(const std::string& property) {
    HRESULT hr = S_OK;
    OLE_HANDLE handle = 0;
    LONG size = 0;  // HIMETRIC
    if (SameName(property, "Handle")) {
        hr = picture_->get_Handle(&handle);
        size = static_cast<LONG>(handle);
    } else if (SameName(property, "Width")) {
        hr = picture_->get_Width(&size);
    } else if (SameName(property, "Height")) {
        hr = picture_->get_Height(&size);
    } else {
        return DispatchObject::Get(property);
    }
    if (FAILED(hr)) throw FailureFromHresult(hr);
    return Value(static_cast<int32_t>(size));
}

Value PictureObject::Call(const std::string& method, const std::vector<Value>& arguments) {
    if (!IsRender(method)) return DispatchObject::Call(method, arguments);
    if (arguments.size() != kRenderArguments) {
        throw Failure::WrongArguments();
    }
    int32_t n[kRenderArguments];
    for (size_t i = 0; i < kRenderArguments; ++i) n[i] = arguments[i].AsInteger();
    // The device context travels as a 32-bit whole number, widened as the platform widens handles.
    // A bounds rectangle for metafiles cannot travel that way, and none of ours needs one.
    if (n[9] != 0) throw Failure::InvalidCall();
    const HRESULT hr = picture_->Render(reinterpret_cast<HDC>(units::HandleFromLong(n[0])), n[1], n[2], n[3], n[4], n[5], n[6], n[7],
                                        n[8], nullptr);
    if (FAILED(hr)) throw FailureFromHresult(hr);
    return Value();
}

}  // namespace velkorin::win32::forms
