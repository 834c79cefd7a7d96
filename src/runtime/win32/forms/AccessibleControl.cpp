#include "runtime/win32/forms/AccessibleControl.h"

#include <oleacc.h>

#include "runtime/win32/ComPtr.h"
#include "runtime/win32/SystemLibraries.h"
#include "runtime/win32/forms/WindowText.h"

namespace velkorin::win32::forms {

namespace {

LONG RoleCode(AccessibleRole role) {
    switch (role) {
    case AccessibleRole::Link: return ROLE_SYSTEM_LINK;
    case AccessibleRole::PushButton: return ROLE_SYSTEM_PUSHBUTTON;
    case AccessibleRole::Text: return ROLE_SYSTEM_TEXT;
    }
    return ROLE_SYSTEM_CLIENT;
}

bool IsSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

HRESULT NewText(const wchar_t* text, UINT length, BSTR* out) {
    if (!out) return E_POINTER;
    *out = SysAllocStringLen(text, length);
    return *out ? S_OK : E_OUTOFMEMORY;
}

// The system's proxy for a control's client area with what the control adds: its role, its name,
// "linked" for a link, and its default action. Everything else is the proxy's answer.
class ControlAccessible final : public IAccessible, public IOleWindow {
public:
    ControlAccessible(ComPtr<IAccessible> system, HWND hwnd, const AccessibleLook& look, UINT doDefaultAction)
        : system_(std::move(system)), hwnd_(hwnd), look_(look), doDefaultAction_(doDefaultAction) {}

    // IUnknown; IOleWindow gives clients the window, as the proxy's own object does.
    STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (iid == IID_IUnknown || iid == IID_IDispatch || iid == __uuidof(IAccessible)) {
            *out = static_cast<IAccessible*>(this);
        } else if (iid == IID_IOleWindow) {
            *out = static_cast<IOleWindow*>(this);
        } else {
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&references_)); }
    STDMETHODIMP_(ULONG) Release() override {
        const LONG left = InterlockedDecrement(&references_);
        if (left == 0) delete this;
        return static_cast<ULONG>(left);
    }

    STDMETHODIMP GetWindow(HWND* out) override {
        if (!out) return E_POINTER;
        *out = hwnd_;
        return S_OK;
    }
    STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

    // IDispatch, as the proxy has it.
    STDMETHODIMP GetTypeInfoCount(UINT* count) override { return system_->GetTypeInfoCount(count); }
    STDMETHODIMP GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override {
        return system_->GetTypeInfo(index, locale, info);
    }
    STDMETHODIMP GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale, DISPID* ids) override {
        return system_->GetIDsOfNames(iid, names, count, locale, ids);
    }
    STDMETHODIMP Invoke(DISPID id, REFIID iid, LCID locale, WORD flags, DISPPARAMS* parameters, VARIANT* result,
                        EXCEPINFO* exception, UINT* badArgument) override {
        return system_->Invoke(id, iid, locale, flags, parameters, result, exception, badArgument);
    }

    // What the control adds.
    STDMETHODIMP get_accName(VARIANT child, BSTR* name) override {
        if (!IsSelf(child)) return system_->get_accName(child, name);
        const WideText text = WideWindowText(look_.namedBy);
        return NewText(text.c_str(), static_cast<UINT>(text.size()), name);
    }
    STDMETHODIMP get_accRole(VARIANT child, VARIANT* role) override {
        if (!IsSelf(child)) return system_->get_accRole(child, role);
        if (!role) return E_POINTER;
        VariantInit(role);
        role->vt = VT_I4;
        role->lVal = RoleCode(look_.role);
        return S_OK;
    }
    STDMETHODIMP get_accState(VARIANT child, VARIANT* state) override {
        const HRESULT hr = system_->get_accState(child, state);
        if (SUCCEEDED(hr) && IsSelf(child) && state->vt == VT_I4 && look_.role == AccessibleRole::Link) {
            state->lVal |= STATE_SYSTEM_LINKED;
        }
        return hr;
    }
    STDMETHODIMP get_accDefaultAction(VARIANT child, BSTR* action) override {
        const wchar_t* name = DefaultActionName(look_.role);
        if (!IsSelf(child) || !name) return system_->get_accDefaultAction(child, action);
        return NewText(name, static_cast<UINT>(wcslen(name)), action);
    }
    // As a click: later, from the window's own message queue, so that the client is answered first.
    STDMETHODIMP accDoDefaultAction(VARIANT child) override {
        if (!IsSelf(child) || !DefaultActionName(look_.role)) return system_->accDoDefaultAction(child);
        if (doDefaultAction_ == 0) return DISP_E_MEMBERNOTFOUND;  // no message to carry it
        return PostMessageW(hwnd_, doDefaultAction_, 0, 0) ? S_OK : E_FAIL;
    }

    // The rest as the proxy answers.
    STDMETHODIMP get_accParent(IDispatch** parent) override { return system_->get_accParent(parent); }
    STDMETHODIMP get_accChildCount(LONG* count) override { return system_->get_accChildCount(count); }
    STDMETHODIMP get_accChild(VARIANT child, IDispatch** out) override { return system_->get_accChild(child, out); }
    STDMETHODIMP get_accValue(VARIANT child, BSTR* value) override { return system_->get_accValue(child, value); }
    STDMETHODIMP get_accDescription(VARIANT child, BSTR* text) override {
        return system_->get_accDescription(child, text);
    }
    STDMETHODIMP get_accHelp(VARIANT child, BSTR* help) override { return system_->get_accHelp(child, help); }
    STDMETHODIMP get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override {
        return system_->get_accHelpTopic(file, child, topic);
    }
    STDMETHODIMP get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
        return system_->get_accKeyboardShortcut(child, shortcut);
    }
    STDMETHODIMP get_accFocus(VARIANT* child) override { return system_->get_accFocus(child); }
    STDMETHODIMP get_accSelection(VARIANT* children) override { return system_->get_accSelection(children); }
    STDMETHODIMP accSelect(LONG flags, VARIANT child) override { return system_->accSelect(flags, child); }
    STDMETHODIMP accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) override {
        return system_->accLocation(left, top, width, height, child);
    }
    STDMETHODIMP accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
        return system_->accNavigate(direction, start, end);
    }
    STDMETHODIMP accHitTest(LONG x, LONG y, VARIANT* child) override { return system_->accHitTest(x, y, child); }
    STDMETHODIMP put_accName(VARIANT child, BSTR name) override { return system_->put_accName(child, name); }
    STDMETHODIMP put_accValue(VARIANT child, BSTR value) override { return system_->put_accValue(child, value); }

private:
    ~ControlAccessible() = default;

    LONG references_ = 1;
    ComPtr<IAccessible> system_;
    HWND hwnd_;
    AccessibleLook look_;
    UINT doDefaultAction_;
};

}  // namespace

LRESULT AnswerAccessibleObject(HWND hwnd, const AccessibleLook& look, UINT doDefaultAction, WPARAM wParam) {
    try {
        ComPtr<IAccessible> system;
        if (FAILED(Oleacc().pCreateStdAccessibleObject(hwnd, OBJID_CLIENT, __uuidof(IAccessible), system.PutVoid()))) {
            return 0;
        }
        // The client holds a reference of its own once it has the object, if it got it.
        const auto answer = ComPtr<IAccessible>::Adopt(new ControlAccessible(std::move(system), hwnd, look, doDefaultAction));
        const LRESULT result = Oleacc().pLresultFromObject(__uuidof(IAccessible), wParam, answer.Get());
        return result < 0 ? 0 : result;
    } catch (...) {
        return 0;  // no oleacc, or no memory: the window's own procedure answers
    }
}

}  // namespace velkorin::win32::forms
