// font_probe.dll: loaded into Velkorin.exe by the message hook the driver sets on its window's
// thread. A control's font is a GDI handle of that process, which GetObjectW reads only there; and
// Wine does not even answer WM_GETFONT from another process.
#include <windows.h>

#include "wine/e2e/FontReport.h"
#include "runtime/win32/ScopedHandles.h"

extern "C" __declspec(dllexport) LRESULT CALLBACK FontProbeHook(int code, WPARAM removal, LPARAM message) {
    const MSG* msg = reinterpret_cast<const MSG*>(message);
    if (code == HC_ACTION && removal == PM_REMOVE &&
        msg->message == RegisterWindowMessageW(velkorin::e2e::kFontQuery)) {
        wchar_t path[MAX_PATH] = L"";
        GetEnvironmentVariableW(velkorin::e2e::kFontReportVariable, path, MAX_PATH);
        velkorin::win32::UniqueHandle file = velkorin::win32::OwnFile(
            CreateFileW(path, GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        for (HWND child = GetWindow(msg->hwnd, GW_CHILD); file && child; child = GetWindow(child, GW_HWNDNEXT)) {
            velkorin::e2e::ControlFont entry = {};
            entry.id = GetDlgCtrlID(child);
            const HFONT font = reinterpret_cast<HFONT>(SendMessageW(child, WM_GETFONT, 0, 0));
            entry.read = font && GetObjectW(font, sizeof entry.font, &entry.font) == sizeof entry.font;
            DWORD written = 0;
            WriteFile(file.get(), &entry, sizeof entry, &written, nullptr);
        }
    }
    return CallNextHookEx(nullptr, code, removal, message);
}
