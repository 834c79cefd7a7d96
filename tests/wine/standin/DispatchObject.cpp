#include "wine/standin/DispatchObject.h"

#include "runtime/win32/ComVariant.h"
#include "wine/standin/Inject.h"
#include "wine/standin/ModuleLock.h"
#include "wine/standin/Record.h"
#include "wine/standin/Variants.h"

// {5E3A9C71-2B84-4D0F-9A6E-C1D27F40B8E3}
const IID kIidStandInObject = {0x5e3a9c71, 0x2b84, 0x4d0f, {0x9a, 0x6e, 0xc1, 0xd2, 0x7f, 0x40, 0xb8, 0xe3}};

namespace {

// Natural errors carry the source name the real components use ("ADODB.Connection").
std::wstring SourceFor(const wchar_t* className) {
    std::wstring name = className;
    if (name.compare(0, 4, L"ADO.") == 0) name.replace(0, 3, L"ADODB");
    return name;
}

// The value moves into the caller's Invoke result; the guard is left empty.
void HandOver(velkorin::win32::ComVariant& value, VARIANT& result) {
    result = *value.Get();
    VariantInit(value.Get());
}

}  // namespace

DispatchObject::DispatchObject(const wchar_t* className, const Member* members, UINT memberCount)
    : className_(className), members_(members), memberCount_(memberCount) {
    ModuleAddRef();
}

DispatchObject::~DispatchObject() { ModuleRelease(); }

HRESULT STDMETHODCALLTYPE DispatchObject::QueryInterface(REFIID iid, void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (IsEqualIID(iid, IID_ISupportErrorInfo)) {
        *out = static_cast<ISupportErrorInfo*>(this);
    } else if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) || IsEqualIID(iid, kIidStandInObject)) {
        *out = static_cast<IDispatch*>(this);
    } else {
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

ULONG STDMETHODCALLTYPE DispatchObject::AddRef() { return ULONG(InterlockedIncrement(&refs_)); }

ULONG STDMETHODCALLTYPE DispatchObject::Release() {
    const LONG left = InterlockedDecrement(&refs_);
    if (left == 0) {
        RecordEvent(L"release", className_);
        delete this;
    }
    return ULONG(left);
}

HRESULT STDMETHODCALLTYPE DispatchObject::GetTypeInfoCount(UINT* count) {
    if (!count) return E_POINTER;
    *count = 0;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE DispatchObject::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
    if (info) *info = nullptr;
    return DISP_E_BADINDEX;
}

HRESULT STDMETHODCALLTYPE DispatchObject::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
    if (!names || !ids) return E_POINTER;
    HRESULT hr = S_OK;
    for (UINT i = 0; i < count; ++i) {
        ids[i] = DISPID_UNKNOWN;
        // Only the member name can match: named arguments are not supported.
        for (UINT m = 0; i == 0 && names[0] && m < memberCount_; ++m) {
            if (_wcsicmp(names[0], members_[m].name) == 0) ids[0] = DISPID(m + 1);
        }
        if (ids[i] == DISPID_UNKNOWN) hr = DISP_E_UNKNOWNNAME;
    }
    return hr;
}

HRESULT STDMETHODCALLTYPE DispatchObject::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params,
                                                 VARIANT* result, EXCEPINFO* excep, UINT*) {
    try {
        if (id < 1 || UINT(id) > memberCount_) return DISP_E_MEMBERNOTFOUND;
        const Member& member = members_[id - 1];
        DISPPARAMS none = {};
        const DISPPARAMS& in = params ? *params : none;
        if (result) VariantInit(result);
        const std::wstring step = std::wstring(className_) + L"." + member.name;
        Failure failure;

        if (member.kind == MemberKind::Property && (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF))) {
            if (in.cArgs < 1) return DISP_E_BADPARAMCOUNT;
            RecordLine(step + L" = " + FormatVariant(in.rgvarg[0]));
            if (FindInjectedFailure(step, failure)) return Raise(failure, true, excep);
            return PutProperty(id, Deref(in.rgvarg[0]), failure) ? S_OK : Raise(failure, false, excep);
        }
        if (member.kind == MemberKind::Property && (flags & DISPATCH_PROPERTYGET)) {
            velkorin::win32::ComVariant value;
            GetProperty(id, *value.Get());
            RecordLine(step + L" -> " + FormatVariant(*value.Get()));
            if (result) HandOver(value, *result);
            return S_OK;
        }
        if (member.kind != MemberKind::Method || !(flags & DISPATCH_METHOD)) return DISP_E_MEMBERNOTFOUND;
        if (in.cNamedArgs != 0) return DISP_E_NONAMEDARGS;
        if (in.cArgs > member.maxArgs) return DISP_E_BADPARAMCOUNT;

        std::wstring line = step + L"(";
        std::vector<VARIANT> args;
        for (UINT i = in.cArgs; i-- > 0;) {
            line += FormatVariant(in.rgvarg[i]) + (i ? L", " : L"");
            args.push_back(Deref(in.rgvarg[i]));
        }
        RecordLine(line + L")");
        if (FindInjectedFailure(step, failure)) return Raise(failure, true, excep);
        velkorin::win32::ComVariant value;
        if (!CallMethod(id, args, *value.Get(), failure)) return Raise(failure, false, excep);
        if (result) HandOver(value, *result);
        return S_OK;
    } catch (...) {
        return E_OUTOFMEMORY;
    }
}

HRESULT STDMETHODCALLTYPE DispatchObject::InterfaceSupportsErrorInfo(REFIID iid) {
    return offersErrorInfo_ && IsEqualIID(iid, IID_IDispatch) ? S_OK : S_FALSE;
}

HRESULT DispatchObject::Raise(const Failure& failure, bool injected, EXCEPINFO* excep) {
    RecordFailure(failure.scode, failure.description);
    offersErrorInfo_ = failure.delivery == Delivery::ErrorInfo;
    if (failure.delivery != Delivery::Exception) {
        ICreateErrorInfo* create = nullptr;
        if (SUCCEEDED(CreateErrorInfo(&create))) {
            create->SetGUID(IID_IDispatch);
            create->SetSource(const_cast<LPOLESTR>(L"StandIn"));
            create->SetDescription(const_cast<LPOLESTR>(failure.description.c_str()));
            IErrorInfo* info = nullptr;
            if (SUCCEEDED(create->QueryInterface(IID_IErrorInfo, reinterpret_cast<void**>(&info)))) {
                SetErrorInfo(0, info);
                info->Release();
            }
            create->Release();
        }
        return failure.scode;
    }
    if (excep) {
        *excep = EXCEPINFO{};
        excep->scode = failure.scode;
        excep->bstrSource = SysAllocString(injected ? L"StandIn" : SourceFor(className_).c_str());
        excep->bstrDescription = SysAllocString(failure.description.c_str());
    }
    return DISP_E_EXCEPTION;
}

bool DispatchObject::ArgText(const std::vector<VARIANT>& args, size_t index, std::wstring& text) {
    if (index >= args.size() || args[index].vt != VT_BSTR) return false;
    text = args[index].bstrVal ? args[index].bstrVal : L"";
    return true;
}

void DispatchObject::ReturnObject(VARIANT& result, DispatchObject* object) {
    result.vt = VT_DISPATCH;
    result.pdispVal = object;
}

DispatchObject* FindStandIn(IUnknown* unknown) {
    IDispatch* ours = nullptr;
    if (!unknown || FAILED(unknown->QueryInterface(kIidStandInObject, reinterpret_cast<void**>(&ours))) || !ours) {
        return nullptr;
    }
    ours->Release();
    return static_cast<DispatchObject*>(ours);
}
