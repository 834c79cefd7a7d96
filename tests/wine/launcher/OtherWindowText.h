#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace velkorin::launcher {

// Another process's window text, asked with a timeout: a program answers only while its thread
// takes messages (a self-test run answers when it yields). Nothing where it did not answer in time.
std::optional<size_t> OtherWindowTextLength(HWND hwnd, UINT timeoutMs);
std::optional<std::wstring> OtherWindowText(HWND hwnd, UINT timeoutMs);

}  // namespace velkorin::launcher
