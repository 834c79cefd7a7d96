#include "runtime/win32/ComFailure.h"

#include "runtime/ComErrors.h"
#include "runtime/win32/ComPtr.h"
#include "runtime/win32/ComVariant.h"
#include "runtime/win32/TextConversion.h"

namespace velkorin::win32 {

std::string SystemMessageText(DWORD code) {
    wchar_t* buffer = nullptr;
    DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code,
        0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    if (!buffer) return std::string();
    while (length > 0 && (buffer[length - 1] == L'\r' || buffer[length - 1] == L'\n' || buffer[length - 1] == L' '))
        --length;
    std::string text = WideToUtf8(buffer, static_cast<int>(length));
    LocalFree(buffer);
    return text;
}

Failure FailureFromHresult(HRESULT hr) {
    const uint32_t code = static_cast<uint32_t>(hr);
    // What an object lacks is the runtime's own failure, whatever code the component used for it.
    if (hr == DISP_E_UNKNOWNNAME || hr == DISP_E_MEMBERNOTFOUND) return Failure::NoSuchMember();
    std::string text = SystemMessageText(code);
    if (text.empty()) text = FallbackComErrorText(code);
    // A component's own number in the control facility reads the same whether it came through an
    // exception or straight back from the call.
    return Failure(FailureNumberFromCode(code), text);
}

Failure FailureFromCall(IUnknown* object, REFIID iid, HRESULT hr) {
    Failure plain = FailureFromHresult(hr);
    ComPtr<ISupportErrorInfo> support;
    if (!object || FAILED(object->QueryInterface(IID_ISupportErrorInfo, support.PutVoid()))) return plain;
    if (support->InterfaceSupportsErrorInfo(iid) != S_OK) return plain;
    ComPtr<IErrorInfo> info;
    if (GetErrorInfo(0, info.Put()) != S_OK || !info) return plain;
    Bstr description;
    if (FAILED(info->GetDescription(description.Put())) || SysStringLen(description.Get()) == 0) return plain;
    return Failure(plain.Number(), WideToUtf8(description.Get(), static_cast<int>(SysStringLen(description.Get()))));
}

Failure FailureFromException(EXCEPINFO& info) {
    if (info.pfnDeferredFillIn) info.pfnDeferredFillIn(&info);
    Bstr source(info.bstrSource);
    Bstr description(info.bstrDescription);
    Bstr helpFile(info.bstrHelpFile);
    info.bstrSource = info.bstrDescription = info.bstrHelpFile = nullptr;

    int32_t number = info.wCode ? info.wCode : FailureNumberFromCode(static_cast<uint32_t>(info.scode));
    // A component that reports a failure without any code still failed: never let it read as success.
    if (number == 0) number = FailureNumberFromCode(static_cast<uint32_t>(DISP_E_EXCEPTION));
    const BSTR text = description.Get();
    return Failure(number, text ? WideToUtf8(text, static_cast<int>(SysStringLen(text))) : std::string());
}

Failure FailureFromLastError() {
    DWORD error = GetLastError();
    return FailureFromHresult(HRESULT_FROM_WIN32(error ? error : ERROR_GEN_FAILURE));
}

}  // namespace velkorin::win32
