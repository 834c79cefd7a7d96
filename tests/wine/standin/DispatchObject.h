#pragma once
#include <windows.h>
#include <oaidl.h>

#include <string>
#include <utility>
#include <vector>

// Private interface id: QueryInterface for it tells our objects from foreign ones.
extern const IID kIidStandInObject;

// How a failure reaches the caller.
enum class Delivery {
    Exception,  // DISP_E_EXCEPTION with EXCEPINFO
    ErrorInfo,  // the code itself, with error information the object says it offers
    Bare,       // the code itself; the object offers no error information
};

// A natural or injected error, reported to the caller through EXCEPINFO unless told otherwise.
struct Failure {
    HRESULT scode = S_OK;
    std::wstring description;
    Delivery delivery = Delivery::Exception;

    // Returns false so callers can write "return failure.Set(...)".
    bool Set(HRESULT code, std::wstring text) {
        scode = code;
        description = std::move(text);
        return false;
    }
};

enum class MemberKind { Method, Property };

struct Member {
    const wchar_t* name;  // canonical spelling, used in the record
    MemberKind kind;
    UINT maxArgs;  // methods only
};

// Late-bound object over a fixed member table; DISPID = table index + 1.
class DispatchObject : public IDispatch, public ISupportErrorInfo {
public:
    DispatchObject(const wchar_t* className, const Member* members, UINT memberCount);
    virtual ~DispatchObject();
    DispatchObject(const DispatchObject&) = delete;
    DispatchObject& operator=(const DispatchObject&) = delete;

    const wchar_t* ClassName() const { return className_; }
    // Only an open ADO.Connection answers: the path of its database.
    virtual const std::wstring* OpenDataSource() const { return nullptr; }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale, DISPID* ids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID locale, WORD flags, DISPPARAMS* params,
                                     VARIANT* result, EXCEPINFO* excep, UINT* argError) override;
    HRESULT STDMETHODCALLTYPE InterfaceSupportsErrorInfo(REFIID iid) override;

protected:
    // Arguments arrive in caller order with VT_BYREF resolved (borrowed: never clear them).
    // Return false after filling failure for a natural error.
    virtual bool CallMethod(DISPID id, const std::vector<VARIANT>& args, VARIANT& result, Failure& failure) = 0;
    virtual bool PutProperty(DISPID, const VARIANT&, Failure&) { return true; }
    virtual void GetProperty(DISPID, VARIANT&) {}

    static bool ArgText(const std::vector<VARIANT>& args, size_t index, std::wstring& text);
    // Takes over the object's initial reference.
    static void ReturnObject(VARIANT& result, DispatchObject* object);

private:
    HRESULT Raise(const Failure& failure, bool injected, EXCEPINFO* excep);

    LONG refs_ = 1;
    bool offersErrorInfo_ = false;
    const wchar_t* className_;
    const Member* members_;
    UINT memberCount_;
};

// Our object behind unknown, or null. Keeps no reference: valid while the caller holds unknown.
DispatchObject* FindStandIn(IUnknown* unknown);
