// The floor of the start-up figure: the work that Velkorin.exe must do before its window shows, done
// with direct Win32 and OLE calls and nothing of the form runtime (floor/FloorStart.h), then its
// message loop until the window is closed.
#include <windows.h>
#include <ole2.h>

#include "floor/FloorStart.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    using namespace velkorin::bench::floor;
    if (FAILED(OleInitialize(nullptr))) return 1;
    AskTheVisualStyleLibraries();
    const HFONT font = MakeTheFont();
    HWND window = MakeTheForm(instance, font);
    LoadThePictures(instance);
    int exitCode = 1;
    if (window) {
        AddTheControls(window, instance, font);
        ShowTheWindow(window, show);
        MSG msg;
        while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        exitCode = 0;
    }
    ReleaseThePictures();
    DeleteObject(font);
    OleUninitialize();
    return exitCode;
}
