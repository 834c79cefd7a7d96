#include "wine/standin/Inject.h"
#include "wine/standin/ModuleLock.h"
#include "wine/standin/Objects.h"
#include "wine/standin/Record.h"

#include <new>

namespace {

struct ServedClass {
    CLSID clsid;
    const wchar_t* name;
    DispatchObject* (*create)();
};

const ServedClass kServedClasses[] = {
    {{0x00000100, 0x0000, 0x0010, {0x80, 0x00, 0x00, 0xAA, 0x00, 0x6D, 0x2E, 0xA4}}, L"DAO.DBEngine", CreateDaoEngine},
    {{0x00000514, 0x0000, 0x0010, {0x80, 0x00, 0x00, 0xAA, 0x00, 0x6D, 0x2E, 0xA4}},
     L"ADO.Connection",
     CreateAdoConnection},
    {{0x00000535, 0x0000, 0x0010, {0x80, 0x00, 0x00, 0xAA, 0x00, 0x6D, 0x2E, 0xA4}},
     L"ADO.Recordset",
     CreateAdoRecordset},
};

class ClassFactory : public IClassFactory {
public:
    explicit ClassFactory(const ServedClass& served) : served_(served) { ModuleAddRef(); }
    virtual ~ClassFactory() { ModuleRelease(); }
    ClassFactory(const ClassFactory&) = delete;
    ClassFactory& operator=(const ClassFactory&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (!IsEqualIID(iid, IID_IUnknown) && !IsEqualIID(iid, IID_IClassFactory)) return E_NOINTERFACE;
        *out = static_cast<IClassFactory*>(this);
        AddRef();
        return S_OK;
    }

    ULONG STDMETHODCALLTYPE AddRef() override { return ULONG(InterlockedIncrement(&refs_)); }

    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = InterlockedDecrement(&refs_);
        if (left == 0) delete this;
        return ULONG(left);
    }

    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** out) override {
        try {
            if (!out) return E_POINTER;
            *out = nullptr;
            if (outer) return CLASS_E_NOAGGREGATION;
            RecordEvent(L"create", served_.name);
            Failure failure;
            if (FindInjectedFailure(std::wstring(L"create ") + served_.name, failure)) {
                RecordFailure(failure.scode, std::wstring());
                return failure.scode;
            }
            DispatchObject* object = served_.create();
            const HRESULT hr = object->QueryInterface(iid, out);
            object->Release();
            return hr;
        } catch (const std::bad_alloc&) {
            return E_OUTOFMEMORY;
        } catch (...) {
            return E_UNEXPECTED;
        }
    }

    HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override {
        if (lock) {
            ModuleAddRef();
        } else {
            ModuleRelease();
        }
        return S_OK;
    }

private:
    LONG refs_ = 1;
    const ServedClass& served_;
};

}  // namespace

STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    for (const ServedClass& served : kServedClasses) {
        if (!IsEqualCLSID(clsid, served.clsid)) continue;
        ClassFactory* factory = new (std::nothrow) ClassFactory(served);
        if (!factory) return E_OUTOFMEMORY;
        const HRESULT hr = factory->QueryInterface(iid, out);
        factory->Release();
        return hr;
    }
    return CLASS_E_CLASSNOTAVAILABLE;
}

STDAPI DllCanUnloadNow() { return ModuleInUse() ? S_FALSE : S_OK; }
