#include "wine/standin/Variants.h"

#include "wine/standin/DispatchObject.h"

#include <cstdio>
#include <cstring>

namespace {

std::wstring Widen(const char* ascii) { return std::wstring(ascii, ascii + strlen(ascii)); }

std::wstring FormatInterface(const wchar_t* typeName, IUnknown* unknown) {
    if (!unknown) return std::wstring(typeName) + L" null";
    const DispatchObject* ours = FindStandIn(unknown);
    return std::wstring(typeName) + L" " + (ours ? ours->ClassName() : L"foreign");
}

std::wstring FormatPlain(const VARIANT& value) {
    char number[32];
    switch (value.vt) {
    case VT_EMPTY: return L"VT_EMPTY";
    case VT_NULL: return L"VT_NULL";
    case VT_I2: return L"VT_I2 " + std::to_wstring(value.iVal);
    case VT_I4: return L"VT_I4 " + std::to_wstring(value.lVal);
    case VT_R8: snprintf(number, sizeof number, "%g", value.dblVal); return L"VT_R8 " + Widen(number);
    case VT_BOOL: return value.boolVal ? L"VT_BOOL true" : L"VT_BOOL false";
    case VT_BSTR: return L"VT_BSTR \"" + std::wstring(value.bstrVal ? value.bstrVal : L"") + L"\"";
    case VT_ERROR: return L"VT_ERROR " + HexCode(value.scode);
    case VT_DISPATCH: return FormatInterface(L"VT_DISPATCH", value.pdispVal);
    case VT_UNKNOWN: return FormatInterface(L"VT_UNKNOWN", value.punkVal);
    default: return L"VT_" + std::to_wstring(value.vt);
    }
}

}  // namespace

std::wstring HexCode(HRESULT code) {
    char text[16];
    snprintf(text, sizeof text, "0x%08lX", static_cast<unsigned long>(code));
    return Widen(text);
}

VARIANT Deref(const VARIANT& value) {
    if (!(value.vt & VT_BYREF)) return value;
    VARIANT inner;
    VariantInit(&inner);
    if (!value.byref) return inner;
    inner.vt = value.vt & ~VT_BYREF;
    switch (inner.vt) {
    case VT_VARIANT: return Deref(*value.pvarVal);
    case VT_I2: inner.iVal = *value.piVal; break;
    case VT_I4: inner.lVal = *value.plVal; break;
    case VT_R8: inner.dblVal = *value.pdblVal; break;
    case VT_BOOL: inner.boolVal = *value.pboolVal; break;
    case VT_BSTR: inner.bstrVal = *value.pbstrVal; break;
    case VT_ERROR: inner.scode = *value.pscode; break;
    case VT_DISPATCH: inner.pdispVal = *value.ppdispVal; break;
    case VT_UNKNOWN: inner.punkVal = *value.ppunkVal; break;
    default: return value;
    }
    return inner;
}

std::wstring FormatVariant(const VARIANT& value) {
    if (!(value.vt & VT_BYREF)) return FormatPlain(value);
    const VARIANT inner = Deref(value);
    if (inner.vt & VT_BYREF) return L"VT_BYREF|VT_" + std::to_wstring(inner.vt & ~VT_BYREF);
    return L"VT_BYREF|" + FormatPlain(inner);
}
