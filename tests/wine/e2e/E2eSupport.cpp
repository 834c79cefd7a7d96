#include "wine/e2e/E2eSupport.h"

#include <cstdlib>

#include "runtime/win32/ScopedHandles.h"
#include "wine/launcher/ChildProcess.h"

namespace velkorin::e2e {

std::wstring EnvironmentVariable(const wchar_t* name) {
    DWORD size = GetEnvironmentVariableW(name, nullptr, 0);
    if (size == 0) return std::wstring();
    std::wstring value(size, L'\0');
    value.resize(GetEnvironmentVariableW(name, &value[0], size));
    return value;
}

std::wstring ShortDate() {
    wchar_t date[128] = L"";
    GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, date, 128);
    return date;
}

std::wstring FreshFolder(const std::wstring& base) {
    for (int repeat = 1; repeat < 100; ++repeat) {
        const std::wstring folder = repeat == 1 ? base : base + L" " + std::to_wstring(repeat);
        if (CreateDirectoryW(folder.c_str(), nullptr)) return folder;
    }
    return std::wstring();
}

std::string Narrow(const std::wstring& text, UINT codePage) {
    if (text.empty()) return std::string();
    const int length = static_cast<int>(text.size());
    const int size = WideCharToMultiByte(codePage, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(codePage, 0, text.data(), length, &narrow[0], size, nullptr, nullptr);
    return narrow;
}

std::wstring FromUtf8(const std::string& text) {
    if (text.empty()) return std::wstring();
    const int length = static_cast<int>(text.size());
    const int size = MultiByteToWideChar(CP_UTF8, 0, text.data(), length, nullptr, 0);
    std::wstring wide(static_cast<size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), length, &wide[0], size);
    return wide;
}

std::wstring ClassName(HWND hwnd) {
    wchar_t name[256] = L"";
    GetClassNameW(hwnd, name, 256);
    return name;
}

namespace {
struct WindowSearch {
    DWORD processId;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM param) {
    auto* search = reinterpret_cast<WindowSearch*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(hwnd, &owner);
    if (owner == search->processId) search->found.push_back(hwnd);
    return TRUE;
}
}  // namespace

std::vector<HWND> TopLevelWindows(DWORD processId) {
    WindowSearch search{processId, {}};
    EnumWindows(&CollectWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::vector<HWND> VisibleTopLevelWindows(DWORD processId) {
    std::vector<HWND> visible;
    for (HWND hwnd : TopLevelWindows(processId)) {
        if (IsWindowVisible(hwnd)) visible.push_back(hwnd);
    }
    return visible;
}

std::optional<std::wstring> WindowText(HWND hwnd) { return launcher::OtherWindowText(hwnd, 2000); }

RECT RectInParent(HWND child) {
    RECT rect = {};
    GetWindowRect(child, &rect);
    MapWindowPoints(HWND_DESKTOP, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

POINT CentreOf(HWND control) {
    RECT client = {};
    GetClientRect(control, &client);
    return {client.right / 2, client.bottom / 2};
}

void PostPress(HWND control) {
    const POINT centre = CentreOf(control);
    PostMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(centre.x, centre.y));
}

void PostRelease(HWND control, POINT at) {
    PostMessageW(control, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(at.x, at.y));
    PostMessageW(control, WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
}

void PostClick(HWND control) {
    PostPress(control);
    PostRelease(control, CentreOf(control));
}

namespace {

INPUT Key(WORD key, bool up) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

}  // namespace

void Press(const Chord& chord) {
    std::vector<INPUT> inputs;
    for (WORD key : chord) inputs.push_back(Key(key, false));
    for (auto key = chord.rbegin(); key != chord.rend(); ++key) inputs.push_back(Key(*key, true));
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

bool PostedMessagesHandled(HWND edit) {
    // Posted messages of one thread are handled in order: once a limit posted now reads back, all
    // earlier ones are through. The program sets no limit of its own after it loads.
    static WPARAM marker = 4000000;
    const WPARAM limit = ++marker;
    if (!PostMessageW(edit, EM_SETLIMITTEXT, limit, 0)) return false;
    return WaitFor([&] {
        DWORD_PTR current = 0;
        return SendMessageTimeoutW(edit, EM_GETLIMITTEXT, 0, 0, SMTO_ABORTIFHUNG, 2000, &current) && current == limit;
    });
}

DWORD DeadlineFromEnvironment() {
    wchar_t text[16] = {};
    DWORD length = GetEnvironmentVariableW(L"E2E_DEADLINE_MS", text, 16);
    unsigned long value = (length > 0 && length < 16) ? wcstoul(text, nullptr, 10) : 0;
    return value > 0 ? static_cast<DWORD>(value) : 60000;
}

HWND FocusOf(HWND window) {
    GUITHREADINFO thread = {};
    thread.cbSize = sizeof thread;
    return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &thread) ? thread.hwndFocus : nullptr;
}

}  // namespace velkorin::e2e
