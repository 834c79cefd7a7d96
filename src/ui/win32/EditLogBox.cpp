#include "EditLogBox.h"

#include <vector>

#include "Failure.h"
#include "TextConversion.h"

namespace velkorin::win32 {

HWND EditLogBox::Window() const {
    // The window may already be gone when a run finishes after the user closed it.
    if (!edit_ || !IsWindow(edit_)) throw Failure(364, "Object was unloaded");
    return edit_;
}

std::string EditLogBox::Text() {
    HWND edit = Window();
    int length = GetWindowTextLengthW(edit);
    std::vector<wchar_t> text(static_cast<size_t>(length) + 1);
    int copied = GetWindowTextW(edit, text.data(), length + 1);
    return WideToUtf8(text.data(), copied);
}

void EditLogBox::SetText(const std::string& text) {
    HWND edit = Window();
    SetWindowTextW(edit, Utf8ToWide(text).c_str());
}

void EditLogBox::SetSelStart(int32_t position) {
    HWND edit = Window();
    SendMessageW(edit, EM_SETSEL, static_cast<WPARAM>(position), static_cast<LPARAM>(position));
    SendMessageW(edit, EM_SCROLLCARET, 0, 0);  // the newest line comes into view
}

}  // namespace velkorin::win32
