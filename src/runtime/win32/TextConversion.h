#pragma once

#include <string>
#include <vector>

namespace velkorin::win32 {

// UTF-16 text on its way to a platform "W" function, always ended by a null. A plain buffer rather
// than std::wstring: the program only hands such text on, and the wide string's library code is a
// large share of a statically linked executable.
class WideText {
public:
    WideText() : chars_(1, L'\0') {}
    explicit WideText(size_t length) : chars_(length + 1, L'\0') {}

    const wchar_t* c_str() const { return chars_.data(); }
    wchar_t* data() { return chars_.data(); }
    size_t size() const { return chars_.size() - 1; }
    bool empty() const { return size() == 0; }
    // Keeps the first `length` characters, as when the platform wrote fewer than were room for.
    void Truncate(size_t length) {
        if (length >= size()) return;
        chars_.resize(length + 1);
        chars_[length] = L'\0';
    }

private:
    std::vector<wchar_t> chars_;
};

// The core keeps text in UTF-8; the platform takes UTF-16, or the ANSI code page for the "A"
// functions and for file content. Characters the ANSI code page cannot hold get its default character.
WideText Utf8ToWide(const std::string& utf8);
std::string WideToUtf8(const wchar_t* wide, int length);
std::string Utf8ToAnsi(const std::string& utf8);

}  // namespace velkorin::win32
