#include "runtime/win32/DispatchObject.h"

#include <oleauto.h>

#include <memory>

#include "runtime/win32/ComFailure.h"
#include "runtime/win32/ComVariant.h"
#include "runtime/win32/TextConversion.h"

namespace velkorin::win32 {

namespace {

void ToVariant(const Value& value, VARIANT* out) {
    switch (value.GetKind()) {
    case Value::Kind::Empty: V_VT(out) = VT_EMPTY; break;
    case Value::Kind::NotGiven:
        // An optional argument left out: the callee applies its own default.
        V_VT(out) = VT_ERROR;
        V_ERROR(out) = DISP_E_PARAMNOTFOUND;
        break;
    case Value::Kind::Boolean:
        V_VT(out) = VT_BOOL;
        V_BOOL(out) = value.AsBoolean() ? VARIANT_TRUE : VARIANT_FALSE;
        break;
    case Value::Kind::Integer:
        V_VT(out) = VT_I4;
        V_I4(out) = value.AsInteger();
        break;
    case Value::Kind::Double:
        V_VT(out) = VT_R8;
        V_R8(out) = value.AsDouble();
        break;
    case Value::Kind::Text: {
        WideText wide = Utf8ToWide(value.AsText());
        BSTR text = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
        if (!text) throw Failure::OutOfMemory();
        V_VT(out) = VT_BSTR;
        V_BSTR(out) = text;
        break;
    }
    case Value::Kind::Object: {
        ObjectRef object = value.AsObject();
        auto* dispatch = dynamic_cast<DispatchObject*>(object.get());
        if (object && !dispatch) throw Failure::TypeMismatch();
        V_VT(out) = VT_DISPATCH;
        V_DISPATCH(out) = dispatch ? dispatch->Dispatch() : nullptr;
        if (V_DISPATCH(out)) V_DISPATCH(out)->AddRef();
        break;
    }
    }
}

Value FromVariant(VARIANT* in) {
    ComVariant direct;
    if (V_VT(in) & VT_BYREF) {
        HRESULT hr = VariantCopyInd(direct.Get(), in);
        if (FAILED(hr)) throw FailureFromHresult(hr);
        in = direct.Get();
    }
    switch (V_VT(in)) {
    case VT_EMPTY:
    case VT_NULL: return Value();
    case VT_BOOL: return Value(V_BOOL(in) != VARIANT_FALSE);
    case VT_I4: return Value(static_cast<int32_t>(V_I4(in)));
    case VT_R8: return Value(V_R8(in));
    case VT_BSTR: return Value(V_BSTR(in) ? WideToUtf8(V_BSTR(in), static_cast<int>(SysStringLen(V_BSTR(in)))) : "");
    case VT_DISPATCH: return ObjectValue(V_DISPATCH(in));
    case VT_UNKNOWN: return ObjectValue(V_UNKNOWN(in));
    case VT_ERROR:
        if (V_ERROR(in) == DISP_E_PARAMNOTFOUND) return Value::NotGiven();
        return Value(static_cast<int32_t>(V_ERROR(in)));
    case VT_I1:
    case VT_I2:
    case VT_UI1:
    case VT_UI2:
    case VT_INT: {
        ComVariant converted;
        if (SUCCEEDED(VariantChangeType(converted.Get(), in, 0, VT_I4))) return Value(static_cast<int32_t>(V_I4(converted.Get())));
        break;
    }
    default: {
        ComVariant converted;
        if (SUCCEEDED(VariantChangeType(converted.Get(), in, 0, VT_R8))) return Value(V_R8(converted.Get()));
        break;
    }
    }
    throw Failure::TypeMismatch();
}

}  // namespace

Value ObjectValue(IUnknown* unknown) {
    if (!unknown) return Value();
    ComPtr<IDispatch> dispatch;
    HRESULT hr = unknown->QueryInterface(IID_IDispatch, dispatch.PutVoid());
    if (FAILED(hr)) throw FailureFromHresult(hr);
    return Value(ObjectRef(std::make_shared<DispatchObject>(std::move(dispatch))));
}

DISPID DispatchObject::IdOf(const std::string& name) {
    for (const auto& known : ids_)
        if (known.first == name) return known.second;
    WideText wide = Utf8ToWide(name);
    LPOLESTR names[] = {wide.data()};
    DISPID id = DISPID_UNKNOWN;
    HRESULT hr = dispatch_->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
    if (FAILED(hr)) throw FailureFromHresult(hr);
    ids_.emplace_back(name, id);
    return id;
}

Value DispatchObject::Invoke(const std::string& name, WORD flags, const std::vector<Value>& arguments) {
    const DISPID id = IdOf(name);
    // IDispatch takes the arguments last to first.
    const size_t count = arguments.size();
    std::unique_ptr<ComVariant[]> args(new ComVariant[count ? count : 1]);
    for (size_t i = 0; i < count; ++i) ToVariant(arguments[i], args[count - 1 - i].Get());

    DISPID putId = DISPID_PROPERTYPUT;
    DISPPARAMS params = {};
    params.rgvarg = count ? args[0].Get() : nullptr;
    params.cArgs = static_cast<UINT>(count);
    if (flags == DISPATCH_PROPERTYPUT) {
        params.rgdispidNamedArgs = &putId;
        params.cNamedArgs = 1;
    }

    ComVariant result;
    EXCEPINFO exception = {};
    UINT badArgument = 0;
    SetErrorInfo(0, nullptr);  // what an earlier failure left on the thread is not this call's
    HRESULT hr = dispatch_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params,
                                   flags == DISPATCH_PROPERTYPUT ? nullptr : result.Get(), &exception, &badArgument);
    if (hr == DISP_E_EXCEPTION) throw FailureFromException(exception);
    if (FAILED(hr)) throw FailureFromCall(dispatch_.Get(), IID_IDispatch, hr);
    return FromVariant(result.Get());
}

Value DispatchObject::Get(const std::string& property) { return Invoke(property, DISPATCH_PROPERTYGET, {}); }

void DispatchObject::Put(const std::string& property, const Value& value) {
    Invoke(property, DISPATCH_PROPERTYPUT, {value});
}

Value DispatchObject::Call(const std::string& method, const std::vector<Value>& arguments) {
    return Invoke(method, DISPATCH_METHOD | DISPATCH_PROPERTYGET, arguments);
}

}  // namespace velkorin::win32
