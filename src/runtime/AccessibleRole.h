#pragma once

namespace velkorin {

// What a control is to a screen reader where the system's proxy for its window cannot tell: a link
// (a label or a picture that opens a page), a push button, a box of text.
enum class AccessibleRole { Link, PushButton, Text };

// The name of the role's default action as accessibility clients show it; none for a box of text.
constexpr const wchar_t* DefaultActionName(AccessibleRole role) {
    switch (role) {
    case AccessibleRole::Link: return L"Jump";
    case AccessibleRole::PushButton: return L"Press";
    case AccessibleRole::Text: return nullptr;
    }
    return nullptr;
}

}  // namespace velkorin
