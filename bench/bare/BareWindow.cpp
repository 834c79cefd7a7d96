// The baseline of the start-up and size figures: one empty window, nothing else.
#include <windows.h>

#include "common/OneWindow.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    return velkorin::bench::RunOneWindow(instance, L"VelkorinBenchBare", L"Bare", show);
}
