#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "selftest/LogLines.h"
#include "ui/FormLayout.h"
#include "wine/FileBytes.h"

namespace velkorin::e2e {

using wine::HoldWithoutSharing, wine::ReadBytes, wine::WriteBytes;

// How long anything may take: a minute, or E2E_DEADLINE_MS where every call is emulated (32-bit Wine).
DWORD DeadlineFromEnvironment();
inline const DWORD kDeadlineMs = DeadlineFromEnvironment();
// The box's last two lines once a run of the self-test has finished (FrmMain's controls go by the
// child window ids of its layout, ui/FormLayout.h).
template <size_t n>
std::wstring Widened(const char (&ascii)[n]) {
    return std::wstring(ascii, ascii + n - 1);
}
inline const std::wstring kSeparator = Widened(log_lines::kSeparator);
inline const std::wstring kEndOfRun = Widened(log_lines::kEndLine) + L"\r\n" + kSeparator;
using frm_main::kCommand1Id, frm_main::kImage1Id, frm_main::kImage2Id, frm_main::kLabel1Id, frm_main::kLabel4Id,
    frm_main::kText1Id;

template <class Text>
bool EndsWith(const Text& text, const Text& end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// How often `part` stands in `text`, without overlaps.
template <class Text>
size_t Count(const Text& text, const Text& part) {
    size_t count = 0;
    for (size_t at = text.find(part); at != Text::npos; at = text.find(part, at + part.size())) ++count;
    return count;
}

// The window that has the keyboard focus on the thread of `window`, as that thread sees it.
HWND FocusOf(HWND window);

// Polls condition until it holds or the deadline passes; returns whether it held.
template <class Condition>
bool WaitFor(Condition condition, DWORD deadlineMs = kDeadlineMs) {
    const ULONGLONG end = GetTickCount64() + deadlineMs;
    for (;;) {
        if (condition()) return true;
        if (GetTickCount64() >= end) return false;
        Sleep(20);
    }
}

std::wstring EnvironmentVariable(const wchar_t* name);
// Today in the user's short date format, as a run's date line writes it.
std::wstring ShortDate();
// Makes the folder `base`, or "base 2", "base 3"... where it exists already (a fresh one under
// --gtest_repeat too); returns its path, or nothing when none could be made.
std::wstring FreshFolder(const std::wstring& base);
std::string Narrow(const std::wstring& text, UINT codePage);
inline std::string ToAnsi(const std::wstring& text) { return Narrow(text, CP_ACP); }
inline std::string ToUtf8(const std::wstring& text) { return Narrow(text, CP_UTF8); }
std::wstring FromUtf8(const std::string& text);

std::wstring ClassName(HWND hwnd);
// The top-level windows of a process, visible or not; and only its visible ones.
std::vector<HWND> TopLevelWindows(DWORD processId);
std::vector<HWND> VisibleTopLevelWindows(DWORD processId);
// The window's text through WM_GETTEXT; nothing while its thread is too busy to answer.
std::optional<std::wstring> WindowText(HWND hwnd);
// A child window's rectangle in its parent's client coordinates.
RECT RectInParent(HWND child);
// The left button on a control as the mouse would send it: a press at its centre; a release at `at`
// (client coordinates, outside it when the pointer has moved off); both at the centre, a click.
void PostPress(HWND control);
void PostRelease(HWND control, POINT at);
void PostClick(HWND control);
POINT CentreOf(HWND control);
// Real key input, delivered to whatever has the focus: the keys pressed in order, released in reverse.
using Chord = std::vector<WORD>;
void Press(const Chord& chord);
// Returns once the thread of the window has handled every message posted to it before this call.
bool PostedMessagesHandled(HWND edit);

// Waits until the box of FrmMain's `window` holds one whole run (its start line once, its end last)
// and `more` holds too; `box` is left with the box's text. False at once if the window goes (the
// program ended mid-run), not at the deadline.
template <class More>
bool WaitForRunToEnd(HWND window, std::wstring& box, More more) {
    return WaitFor([&] {
        if (!IsWindow(window)) return true;
        box = WindowText(GetDlgItem(window, kText1Id)).value_or(L"");
        return Count(box, Widened(log_lines::kStartLine)) == 1 && EndsWith(box, kEndOfRun) && more();
    }) && IsWindow(window);
}
inline bool WaitForRunToEnd(HWND window, std::wstring& box) {
    return WaitForRunToEnd(window, box, [] { return true; });
}

}  // namespace velkorin::e2e
