// The floor of the start-up figure: the work that Velkorin.exe must do before its window shows, and
// nothing else. OLE for the pictures, the common controls' version asked as the visual-style set-up
// asks it, the theme library, the logo decoded from its GIF bytes by OLE; then one empty window,
// shown, and messages dispatched until it is closed.
#include <windows.h>
#include <olectl.h>
#include <shlwapi.h>
#include <uxtheme.h>

#include "common/OneWindow.h"

namespace {

constexpr int kLogoResource = 1;

HMODULE SystemLibrary(const char* name) {
    char path[MAX_PATH];
    const UINT length = GetSystemDirectoryA(path, MAX_PATH - 16);
    if (length == 0 || length >= MAX_PATH - 16) return nullptr;
    lstrcatA(path, "\\");
    lstrcatA(path, name);
    return LoadLibraryExA(path, nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

// The common controls' major version, asked by name as the program asks it.
void AskCommonControlsVersion() {
    const HMODULE comctl32 = SystemLibrary("comctl32.dll");
    using DllGetVersionFn = HRESULT(CALLBACK*)(DLLVERSIONINFO*);
    const auto getVersion =
        reinterpret_cast<DllGetVersionFn>(reinterpret_cast<void*>(GetProcAddress(comctl32, "DllGetVersion")));
    DLLVERSIONINFO version = {};
    version.cbSize = sizeof(version);
    if (getVersion) getVersion(&version);
}

void AskTheTheme() {
    const HMODULE uxtheme = SystemLibrary("uxtheme.dll");
    using IsThemeActiveFn = BOOL(WINAPI*)();
    const auto isThemeActive =
        reinterpret_cast<IsThemeActiveFn>(reinterpret_cast<void*>(GetProcAddress(uxtheme, "IsThemeActive")));
    if (isThemeActive) isThemeActive();
}

// The logo's GIF bytes from the resources, decoded into an OLE picture and let go.
void DecodeTheLogo(HINSTANCE instance) {
    const HRSRC found = FindResourceW(instance, MAKEINTRESOURCEW(kLogoResource), MAKEINTRESOURCEW(10));  // RT_RCDATA
    const HGLOBAL loaded = found ? LoadResource(instance, found) : nullptr;
    const DWORD size = found ? SizeofResource(instance, found) : 0;
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes || size == 0) return;
    const HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE, size);
    if (!copy) return;
    CopyMemory(GlobalLock(copy), bytes, size);
    GlobalUnlock(copy);
    IStream* stream = nullptr;
    if (FAILED(CreateStreamOnHGlobal(copy, TRUE, &stream))) {
        GlobalFree(copy);
        return;
    }
    IPicture* picture = nullptr;
    if (SUCCEEDED(OleLoadPicture(stream, static_cast<LONG>(size), FALSE, IID_IPicture,
                                 reinterpret_cast<void**>(&picture)))) {
        picture->Release();
    }
    stream->Release();
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    if (FAILED(OleInitialize(nullptr))) return 1;
    AskCommonControlsVersion();
    AskTheTheme();
    DecodeTheLogo(instance);
    const int exitCode = velkorin::bench::RunOneWindow(instance, L"VelkorinBenchFloor", L"Floor", show);
    OleUninitialize();
    return exitCode;
}
