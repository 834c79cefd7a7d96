#include "runtime/win32/forms/TextBoxControl.h"

#include "runtime/Failure.h"
#include "runtime/win32/TextConversion.h"

namespace velkorin::win32::forms {

TextBoxControl::TextBoxControl(HWND hwnd, bool multiLine) : WindowedControl(hwnd, std::string()), multiLine_(multiLine) {
    AddHandleProperty();
    AddEnabledProperty();
    properties_.Add("Text", [this] { return Value(ReadText()); }, [this](const Value& value) { WriteText(value.AsText()); });
    properties_.Add(
        "SelStart", [this] { return Value(ReadSelStart()); },
        [this](const Value& value) { WriteSelStart(value.AsInteger()); });
    properties_.Add("MultiLine", [multiLine] { return Value(multiLine); });
}

HWND TextBoxControl::Window() const {
    // The window may already be gone when a run finishes after the user closed it.
    if (!IsWindow(Hwnd())) throw Failure::ObjectUnloaded();
    return Hwnd();
}

std::string TextBoxControl::ReadText() const { return WindowText(Window()); }

void TextBoxControl::WriteText(const std::string& text) const {
    HWND edit = Window();
    const std::string shown = ReadText();
    if (!shown.empty() && text.size() > shown.size() && text.compare(0, shown.size(), shown) == 0) {
        const int end = GetWindowTextLengthW(edit);
        SendMessageW(edit, EM_SETSEL, static_cast<WPARAM>(end), static_cast<LPARAM>(end));
        SendMessageW(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(Utf8ToWide(text.substr(shown.size())).c_str()));
        return;
    }
    SetWindowTextW(edit, Utf8ToWide(text).c_str());
}

int32_t TextBoxControl::ReadSelStart() const {
    DWORD start = 0;
    SendMessageW(Window(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
    return static_cast<int32_t>(start);
}

void TextBoxControl::WriteSelStart(int32_t position) const {
    if (position < 0) throw Failure::InvalidPropertyValue();
    HWND edit = Window();
    SendMessageW(edit, EM_SETSEL, static_cast<WPARAM>(position), static_cast<LPARAM>(position));
    SendMessageW(edit, EM_SCROLLCARET, 0, 0);  // the newest line comes into view
}

}  // namespace velkorin::win32::forms
