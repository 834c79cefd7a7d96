#include "AppendingLogBox.h"

#include "TextConversion.h"

namespace velkorin::bench {

void AppendingLogBox::SetText(const std::string& text) {
    const std::string current = plain_.Text();
    if (current.empty() || text.size() <= current.size() || text.compare(0, current.size(), current) != 0) {
        plain_.SetText(text);
        return;
    }
    const int end = GetWindowTextLengthW(edit_);
    SendMessageW(edit_, EM_SETSEL, static_cast<WPARAM>(end), static_cast<LPARAM>(end));
    SendMessageW(edit_, EM_REPLACESEL, FALSE,
                 reinterpret_cast<LPARAM>(win32::Utf8ToWide(text.substr(current.size())).c_str()));
}

}  // namespace velkorin::bench
