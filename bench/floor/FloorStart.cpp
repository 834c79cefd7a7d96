#include "floor/FloorStart.h"

#include <olectl.h>
#include <shlwapi.h>
#include <uxtheme.h>

#include <iterator>

#include "runtime/Units.h"
#include "ui/FormLayout.h"
#include "ui/win32/ResourceIds.h"

namespace velkorin::bench::floor {

namespace {

constexpr const wchar_t* kClassName = L"VelkorinBenchFloor";

HMODULE SystemLibrary(const char* name) {
    char path[MAX_PATH];
    const UINT length = GetSystemDirectoryA(path, MAX_PATH - 16);
    if (length == 0 || length >= MAX_PATH - 16) return nullptr;
    lstrcatA(path, "\\");
    lstrcatA(path, name);
    return LoadLibraryExA(path, nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

int PixelsPerInch(int axis) {
    const HDC screen = GetDC(nullptr);
    const int pixels = GetDeviceCaps(screen, axis);
    ReleaseDC(nullptr, screen);
    return pixels;
}

template <class Fn>
Fn Function(HMODULE library, const char* name) {
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(library ? GetProcAddress(library, name) : nullptr));
}

// The logo's GIF bytes from the resources, decoded into an OLE picture.
IPicture* DecodeTheLogo(HINSTANCE instance) {
    const HRSRC found = FindResourceW(instance, MAKEINTRESOURCEW(IDR_LOGO_GIF), MAKEINTRESOURCEW(10));  // RT_RCDATA
    const HGLOBAL loaded = found ? LoadResource(instance, found) : nullptr;
    const DWORD size = found ? SizeofResource(instance, found) : 0;
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    const HGLOBAL copy = bytes && size ? GlobalAlloc(GMEM_MOVEABLE, size) : nullptr;
    if (!copy) return nullptr;
    CopyMemory(GlobalLock(copy), bytes, size);
    GlobalUnlock(copy);
    IStream* stream = nullptr;
    if (FAILED(CreateStreamOnHGlobal(copy, TRUE, &stream))) {
        GlobalFree(copy);
        return nullptr;
    }
    IPicture* picture = nullptr;
    void** out = reinterpret_cast<void**>(&picture);
    if (FAILED(OleLoadPicture(stream, static_cast<LONG>(size), FALSE, IID_IPicture, out))) picture = nullptr;
    stream->Release();
    return picture;
}

// An icon or cursor as an OLE picture that owns it.
IPicture* PictureOfIcon(HICON icon) {
    PICTDESC description = {};
    description.cbSizeofstruct = sizeof(description);
    description.picType = PICTYPE_ICON;
    description.icon.hicon = icon;
    IPicture* picture = nullptr;
    if (!icon || FAILED(OleCreatePictureIndirect(&description, IID_IPicture, TRUE, reinterpret_cast<void**>(&picture))))
        return nullptr;
    return picture;
}

struct Floor {
    IPicture* pictures[3] = {};  // none, the logo, the program icon: by ControlPicture
    HCURSOR hand = nullptr;
};
Floor gFloor;

// The owner-drawn images show their pictures; the link's label is in the highlight colour.
LRESULT CALLBACK FloorProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_DRAWITEM: {
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        for (const ControlLayout& layout : frm_main::kControls) {
            IPicture* picture = gFloor.pictures[static_cast<int>(layout.picture)];
            if (layout.controlId != static_cast<int32_t>(item.CtlID) || !picture) continue;
            FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
            OLE_XSIZE_HIMETRIC width = 0;
            OLE_YSIZE_HIMETRIC height = 0;
            picture->get_Width(&width);
            picture->get_Height(&height);
            picture->Render(item.hDC, 0, 0, item.rcItem.right, item.rcItem.bottom, 0, height, width, -height, nullptr);
        }
        return TRUE;
    }
    case WM_CTLCOLORSTATIC:
        if (GetDlgCtrlID(reinterpret_cast<HWND>(lParam)) == frm_main::kLabel4Id) {
            SetTextColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_HIGHLIGHT));
            SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
        }
        break;
    case WM_SETCURSOR: {
        const int id = GetDlgCtrlID(reinterpret_cast<HWND>(wParam));
        if (gFloor.hand && (id == frm_main::kLabel4Id || id == frm_main::kImage2Id)) {
            SetCursor(gFloor.hand);
            return TRUE;
        }
        break;
    }
    case WM_DESTROY: PostQuitMessage(0); return 0;
    default: break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace

HWND MakeTheForm(HINSTANCE instance, HFONT font) {
    const double twipsPerPixel = TwipsPerPixel(PixelsPerInch(LOGPIXELSX));
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = &FloorProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kClassName;
    if (!RegisterClassExW(&windowClass)) return nullptr;
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    RECT frame = {0, 0, TwipsToPixels(frm_main::kClientWidthTwips, twipsPerPixel),
                  TwipsToPixels(frm_main::kClientHeightTwips, twipsPerPixel)};
    AdjustWindowRectEx(&frame, style, FALSE, 0);
    const int width = frame.right - frame.left, height = frame.bottom - frame.top;
    wchar_t caption[64] = L"";
    MultiByteToWideChar(CP_UTF8, 0, frm_main::kCaption, -1, caption, static_cast<int>(std::size(caption)));
    HWND window = CreateWindowExW(0, kClassName, caption, style, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                                  (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height, nullptr, nullptr,
                                  instance, nullptr);
    if (!window) return nullptr;
    SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    for (int size : {SM_CXICON, SM_CXSMICON}) {
        const int pixels = GetSystemMetrics(size);
        auto icon = static_cast<HICON>(
            LoadImageW(instance, MAKEINTRESOURCEW(IDI_PROGRAM_ICON), IMAGE_ICON, pixels, pixels, 0));
        SendMessageW(window, WM_SETICON, size == SM_CXICON ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    }
    return window;
}

void AddTheControls(HWND window, HINSTANCE instance, HFONT font) {
    const double twipsPerPixel = TwipsPerPixel(PixelsPerInch(LOGPIXELSX));
    for (const ControlLayout& layout : frm_main::kControls) {
        const PixelRect at = ToPixels(layout, twipsPerPixel);
        const wchar_t* className = L"STATIC";
        DWORD controlStyle = WS_CHILD | WS_VISIBLE | SS_NOTIFY, exStyle = 0;
        switch (layout.kind) {
        case ControlKind::TextBox:
            className = L"EDIT";
            controlStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL;
            controlStyle |= ES_WANTRETURN;
            exStyle = WS_EX_CLIENTEDGE;
            break;
        case ControlKind::CommandButton:
            className = L"BUTTON";
            controlStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
            break;
        case ControlKind::Image: controlStyle |= SS_OWNERDRAW; break;
        case ControlKind::Label: controlStyle |= layout.centred ? SS_CENTER : SS_LEFT; break;
        }
        wchar_t caption[128] = L"";
        const int room = static_cast<int>(std::size(caption));
        if (layout.caption) MultiByteToWideChar(CP_ACP, 0, layout.caption, -1, caption, room);
        HWND control = CreateWindowExW(exStyle, className, caption, controlStyle, at.left, at.top, at.width, at.height,
                                       window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(layout.controlId)),
                                       instance, nullptr);
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        if (layout.kind == ControlKind::TextBox) SendMessageW(control, EM_SETLIMITTEXT, 0, 0);
    }
}

void AskTheVisualStyleLibraries() {
    DLLVERSIONINFO version = {};
    version.cbSize = sizeof(version);
    if (auto getVersion = Function<HRESULT(CALLBACK*)(DLLVERSIONINFO*)>(SystemLibrary("comctl32.dll"), "DllGetVersion"))
        getVersion(&version);
    if (auto isThemeActive = Function<BOOL(WINAPI*)()>(SystemLibrary("uxtheme.dll"), "IsThemeActive")) isThemeActive();
}

HFONT MakeTheFont() {
    LOGFONTW font = {};
    font.lfHeight = units::FontHeightPixels(frm_main::kFontPoints, PixelsPerInch(LOGPIXELSY));
    font.lfWeight = frm_main::kFontWeight;
    font.lfCharSet = ANSI_CHARSET;
    MultiByteToWideChar(CP_UTF8, 0, frm_main::kFontFace, -1, font.lfFaceName, LF_FACESIZE);
    return CreateFontIndirectW(&font);
}

void LoadThePictures(HINSTANCE instance) {
    gFloor.pictures[static_cast<int>(ControlPicture::Logo)] = DecodeTheLogo(instance);
    gFloor.pictures[static_cast<int>(ControlPicture::ProgramIcon)] = PictureOfIcon(
        static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_PROGRAM_ICON), IMAGE_ICON, 32, 32, 0)));
    gFloor.hand = LoadCursorW(instance, MAKEINTRESOURCEW(IDC_HAND_CURSOR));
}

void ReleaseThePictures() {
    for (IPicture*& picture : gFloor.pictures) {
        if (picture) picture->Release();
        picture = nullptr;
    }
}

void ShowTheWindow(HWND window, int show) {
    ShowWindow(window, show);
    UpdateWindow(window);
    if (HWND first = GetNextDlgTabItem(window, nullptr, FALSE)) SetFocus(first);
}

}  // namespace velkorin::bench::floor
