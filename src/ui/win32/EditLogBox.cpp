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
    // The log grows by a line at a time. Rewriting the whole control for each line makes a run's cost
    // grow with the box's length, so text that only extends what the box holds is added at its end.
    const std::string shown = Text();
    if (!shown.empty() && text.size() > shown.size() && text.compare(0, shown.size(), shown) == 0) {
        const int end = GetWindowTextLengthW(edit);
        SendMessageW(edit, EM_SETSEL, static_cast<WPARAM>(end), static_cast<LPARAM>(end));
        SendMessageW(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(Utf8ToWide(text.substr(shown.size())).c_str()));
        return;
    }
    SetWindowTextW(edit, Utf8ToWide(text).c_str());
}

void EditLogBox::SetSelStart(int32_t position) {
    HWND edit = Window();
    SendMessageW(edit, EM_SETSEL, static_cast<WPARAM>(position), static_cast<LPARAM>(position));
    SendMessageW(edit, EM_SCROLLCARET, 0, 0);  // the newest line comes into view
}

}  // namespace velkorin::win32
