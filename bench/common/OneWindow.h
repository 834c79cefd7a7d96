#pragma once

#include <windows.h>

namespace velkorin::bench {

inline LRESULT CALLBACK OneWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

// The least a Win32 program does to put a window on the screen: register a class, create one empty
// window, show it and dispatch messages until it is closed. The exit code: 0, or 1 when no window.
inline int RunOneWindow(HINSTANCE instance, const wchar_t* className, const wchar_t* title, int show) {
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = &OneWindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = className;
    if (!RegisterClassW(&windowClass)) return 1;
    HWND window = CreateWindowExW(0, className, title, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 400, 300,
                                  nullptr, nullptr, instance, nullptr);
    if (!window) return 1;
    ShowWindow(window, show);
    UpdateWindow(window);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}

}  // namespace velkorin::bench
